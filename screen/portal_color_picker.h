#pragma once
// Picking a colour through the desktop portal (org.freedesktop.portal.Screenshot.PickColor): the
// compositor lets the user pick and answers with a Response signal on a request object of ours.

#include "color/color.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <chrono>

class QDBusPendingCallWatcher;

namespace pelmora {

class PortalColorPicker : public QObject {
    Q_OBJECT
public:
    explicit PortalColorPicker(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    // How long to wait for the user's answer before giving up (a minute unless a test shortens it).
    void setAnswerTimeout(std::chrono::milliseconds timeout) { answerTimeout_ = timeout; }

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
    void onCallFinished(QDBusPendingCallWatcher* watcher);
    void listenOn(const QString& path);
    void stopListening();
    void finishWithFailure(const QString& message);

    QDBusConnection bus_;
    std::chrono::milliseconds answerTimeout_{std::chrono::minutes(1)};
    QTimer answerTimer_;
    QString listenedPath_;
    bool active_ = false;
    quint64 requestCount_ = 0;
};

} // namespace pelmora
