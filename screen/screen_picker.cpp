#include "screen/screen_picker.h"

#include "screen/frozen_loupe.h"
#include "screen/loupe_overlay.h"
#include "screen/portal_color_picker.h"
#include "screen/portal_screenshot.h"
#include "screen/screen_pick_messages.h"

#include <QGuiApplication>
#include <QTimer>

namespace pelmora {
namespace {

// The program's windows, just hidden, need a frame or two to leave the compositor's picture.
constexpr std::chrono::milliseconds kWindowsAsideSettle(200);

} // namespace

ScreenPicker::ScreenPicker(QObject* parent)
    : QObject(parent)
    , requested_(StoredPickWay())
{
}

ScreenPicker::~ScreenPicker()
{
    // The loupe is a top-level window, not a child of this object.
    delete current_;
}

PickWay ScreenPicker::way() const
{
    return ResolvePickWay(requested_, QGuiApplication::platformName(), qEnvironmentVariable("XDG_SESSION_TYPE"));
}

template <typename Way> void ScreenPicker::relay(Way* way)
{
    current_ = way;
    auto done = [this, way] {
        end();
        way->deleteLater();
    };
    connect(way, &Way::picked, this, [this, done](Color color) {
        done();
        emit picked(color);
    });
    connect(way, &Way::cancelled, this, [this, done] {
        done();
        emit cancelled();
    });
    connect(way, &Way::failed, this, [this, done](const QString& message) {
        done();
        emit failed(message);
    });
    way->start();
}

void ScreenPicker::end()
{
    active_ = false;
    windowsAside_.bringBack();
}

void ScreenPicker::start()
{
    if (active_)
        return;
    active_ = true;
    windowsAside_.hideAll();
    const PickWay chosen = way();
    if (chosen == PickWay::Screenshot) {
        startScreenshot(requested_ == PickWay::Auto);
        return;
    }
    if (chosen == PickWay::Portal) {
        startPortal(portalBus_);
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        const QString message = ScreenGrabUnavailableMessage(QGuiApplication::platformName());
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                end();
                emit failed(message);
            },
            Qt::QueuedConnection);
        return;
    }
    auto* loupe = new LoupeOverlay;
    loupe->setCodeWriter(codeWriter_);
    relay(loupe);
}

void ScreenPicker::startPortal(const std::optional<QDBusConnection>& bus)
{
    auto* portal = new PortalColorPicker(bus, this);
    portal->setAnswerTimeout(portalTimeout_);
    relay(portal);
}

// The loupe on a screenshot; when the portal gives none, Auto goes on with the portal's own picker
// and says why, a forced way fails. A cancel by the user in the portal ends the pick.
void ScreenPicker::startScreenshot(bool fallBack)
{
    auto* screenshot = new PortalScreenshot(portalBus_, this);
    screenshot->setAnswerTimeout(screenshotTimeout_);
    current_ = screenshot;
    connect(screenshot, &PortalScreenshot::taken, this, [this, screenshot](const QImage& picture) {
        screenshot->deleteLater();
        auto* loupe = new FrozenLoupe(picture);
        loupe->setCodeWriter(codeWriter_);
        relay(loupe);
    });
    connect(screenshot, &PortalScreenshot::cancelled, this, [this, screenshot] {
        screenshot->deleteLater();
        end();
        emit cancelled();
    });
    connect(screenshot, &PortalScreenshot::failed, this, [this, screenshot](const QString& message) {
        screenshot->deleteLater();
        end();
        emit failed(message);
    });
    connect(screenshot, &PortalScreenshot::refused, this, [this, screenshot, fallBack](const QString& reason) {
        screenshot->deleteLater();
        if (!fallBack) {
            end();
            emit failed(LoupeUnavailableMessage(reason));
            return;
        }
        emit noted(LoupeUnavailableNote(reason));
        startPortal(screenshot->bus());
    });
    QTimer::singleShot(kWindowsAsideSettle, screenshot, &PortalScreenshot::start);
}

} // namespace pelmora
