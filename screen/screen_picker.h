#pragma once
// Picking one colour from anywhere on the screen: the one entry point for the main window and the
// command line. start(), then exactly one of picked, cancelled or failed.
//
// The way is chosen on its own (on Wayland the loupe on a portal screenshot, falling back to the
// portal's own picker when the portal gives no screenshot; the live loupe on X11) unless the
// settings or the caller force one. The program's windows are off the screen during the pick and
// back where they were before the outcome is reported.

#include "color/color.h"
#include "notations/code_writer.h"
#include "screen/screen_pick_settings.h"
#include "screen/windows_aside.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <optional>

namespace pelmora {

class ScreenPicker : public QObject {
    Q_OBJECT
public:
    explicit ScreenPicker(QObject* parent = nullptr);
    ~ScreenPicker() override;

    // Auto (the default, or what the settings say) or a forced way.
    void setWay(PickWay way) { requested_ = way; }
    // The way start() takes in this session.
    PickWay way() const;

    // The notation the loupe writes the colour's code in beside #RRGGBB (none unless set): the one
    // chosen in the main window's band, or on the command line.
    void setCodeWriter(CodeWriter writer) { codeWriter_ = std::move(writer); }

    // For tests: the portal's bus (the session bus, opened only for the portal, unless set) and how
    // long it may take to answer.
    void setPortalBus(const QDBusConnection& bus) { portalBus_ = bus; }
    void setPortalTimeout(std::chrono::milliseconds timeout) { portalTimeout_ = timeout; }
    // How long the portal may take to give a screenshot before the pick goes on without the loupe.
    void setScreenshotTimeout(std::chrono::milliseconds timeout) { screenshotTimeout_ = timeout; }

    // Starts a pick; does nothing while one is under way.
    void start();
    bool isActive() const { return active_; }

signals:
    void picked(pelmora::Color color);
    void cancelled(); // the user changed their mind: nothing to report
    void failed(const QString& message); // one or two sentences naming what failed
    // Said on the way, while the pick goes on: why the loupe is not available.
    void noted(const QString& note);

private:
    template <typename Way> void relay(Way* way);
    void startScreenshot(bool fallBack);
    void startPortal(const std::optional<QDBusConnection>& bus);
    void end();

    PickWay requested_;
    CodeWriter codeWriter_;
    std::optional<QDBusConnection> portalBus_;
    std::chrono::milliseconds portalTimeout_{std::chrono::minutes(1)};
    // Not an interactive screenshot: the portal answers at once unless something is wrong.
    std::chrono::milliseconds screenshotTimeout_{std::chrono::seconds(10)};
    QPointer<QObject> current_;
    WindowsAside windowsAside_;
    bool active_ = false;
};

} // namespace pelmora
