#pragma once
// One request to the desktop portal's Screenshot interface (PickColor or Screenshot): the call, then
// the answer, a Response signal on a request object of ours named by a token we choose.

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <chrono>
#include <optional>

class QDBusPendingCallWatcher;

namespace pelmora {

class PortalRequest : public QObject {
    Q_OBJECT
public:
    // Why no answer came.
    enum class Failure {
        NoSessionBus, // there is no session bus
        SilentSessionBus, // the session bus took the connection and did not answer a greeting in time
        NoPortal, // nobody serves the method on the bus
        NoAnswer, // the portal took longer than the answer timeout
        CallFailed, // the portal answered the call with an error
    };
    Q_ENUM(Failure)

    // Calls `method` with `options` (a handle_token is added). Without a bus, the session bus, opened
    // on start() once it has answered a greeting in time.
    PortalRequest(std::optional<QDBusConnection> bus, QString method, QVariantMap options, QObject* parent = nullptr);

    void setAnswerTimeout(std::chrono::milliseconds timeout) { answerTimeout_ = timeout; }
    void setBusTimeout(std::chrono::milliseconds timeout) { busTimeout_ = timeout; }
    std::chrono::milliseconds answerTimeout() const { return answerTimeout_; }
    std::chrono::milliseconds busTimeout() const { return busTimeout_; }
    // The bus the request went over, once it is open.
    const std::optional<QDBusConnection>& bus() const { return bus_; }

    // Asks the portal; exactly one of the signals follows, later, from the event loop.
    void start();
    bool isActive() const { return active_; }

    // The request object the portal answers on for a caller and token (the caller's unique name
    // without ':' and with '.' as '_').
    static QString requestPath(const QString& uniqueName, const QString& token);

signals:
    void answered(uint response, const QVariantMap& results);
    // `errorName` and `errorText` are the portal's own words for CallFailed.
    void failed(pelmora::PortalRequest::Failure failure, const QString& errorName, const QString& errorText);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void openSessionBus();
    void ask();
    void onCallFinished(QDBusPendingCallWatcher* watcher);
    void listenOn(const QString& path);
    void stopListening();
    void finishWithFailure(Failure failure, const QString& errorName = {}, const QString& errorText = {});

    std::optional<QDBusConnection> bus_;
    QString method_;
    QVariantMap options_;
    std::chrono::milliseconds answerTimeout_{std::chrono::minutes(1)};
    std::chrono::milliseconds busTimeout_{std::chrono::seconds(3)};
    QTimer answerTimer_;
    QString listenedPath_;
    bool active_ = false;
};

} // namespace pelmora
