#pragma once
// Picking a colour through the desktop portal (org.freedesktop.portal.Screenshot.PickColor): the
// compositor lets the user pick and answers with a Response signal on a request object of ours.

#include "color/color.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <chrono>
#include <optional>

class QDBusPendingCallWatcher;

namespace pelmora {

class PortalColorPicker : public QObject {
    Q_OBJECT
public:
    // Without a bus, the session bus, opened on start() once it has answered a greeting in time.
    explicit PortalColorPicker(std::optional<QDBusConnection> bus = std::nullopt, QObject* parent = nullptr);

    // How long to wait for the user's answer before giving up (a minute unless a test shortens it).
    void setAnswerTimeout(std::chrono::milliseconds timeout) { answerTimeout_ = timeout; }
    // How long the session bus may take to answer a greeting (a few seconds unless a test shortens it).
    void setBusTimeout(std::chrono::milliseconds timeout) { busTimeout_ = timeout; }

    // Asks the portal; exactly one of the signals follows, later, from the event loop.
    void start();
    bool isActive() const { return active_; }

    // The request object the portal answers on for a caller and token (the caller's unique name
    // without ':' and with '.' as '_').
    static QString requestPath(const QString& uniqueName, const QString& token);
    // A colour channel of the answer, [0, 1], as a byte: rounded, never truncated.
    static int channelByte(double value);

signals:
    void picked(pelmora::Color color);
    void cancelled();
    void failed(const QString& message);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void openSessionBus();
    void ask();
    void onCallFinished(QDBusPendingCallWatcher* watcher);
    void listenOn(const QString& path);
    void stopListening();
    void finishWithFailure(const QString& message);

    std::optional<QDBusConnection> bus_;
    std::chrono::milliseconds answerTimeout_{std::chrono::minutes(1)};
    std::chrono::milliseconds busTimeout_{std::chrono::seconds(3)};
    QTimer answerTimer_;
    QString listenedPath_;
    bool active_ = false;
    quint64 requestCount_ = 0;
};

} // namespace pelmora
