#include "screen/portal_request.h"

#include "screen/session_bus_probe.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QThread>

#include <memory>

namespace pelmora {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Errors that mean "nobody serves this method here", as opposed to a portal that failed.
bool MeansNoPortal(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
        return true;
    default:
        return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}

// Tokens unique in this process, so that two requests never listen on the same path.
QString NextToken()
{
    static quint64 requestCount = 0;
    return QStringLiteral("pelmora%1_%2").arg(QCoreApplication::applicationPid()).arg(++requestCount);
}

} // namespace

PortalRequest::PortalRequest(std::optional<QDBusConnection> bus, QString method, QVariantMap options, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , method_(std::move(method))
    , options_(std::move(options))
{
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        // Take the forgotten request off the screen, if the portal is still showing it.
        if (!listenedPath_.isEmpty())
            bus_->asyncCall(QDBusMessage::createMethodCall(
                kPortalService, listenedPath_, kRequestInterface, QStringLiteral("Close")));
        finishWithFailure(Failure::NoAnswer);
    });
}

QString PortalRequest::requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalRequest::start()
{
    if (active_)
        return;
    active_ = true;
    if (!bus_) {
        openSessionBus();
        return;
    }
    ask();
}

// Qt waits for the session bus without a limit when it opens it: greet it first, off this thread.
void PortalRequest::openSessionBus()
{
    auto state = std::make_shared<SessionBusState>(SessionBusState::Unchecked);
    QThread* greeting = QThread::create([state, limit = busTimeout_] { *state = ProbeSessionBus(limit); });
    connect(greeting, &QThread::finished, greeting, &QObject::deleteLater);
    connect(greeting, &QThread::finished, this, [this, state] {
        if (!active_)
            return;
        if (*state == SessionBusState::Silent) {
            finishWithFailure(Failure::SilentSessionBus);
            return;
        }
        bus_ = QDBusConnection::sessionBus();
        ask();
    });
    greeting->start();
}

void PortalRequest::ask()
{
    if (!bus_->isConnected()) {
        // Reported from the event loop like every other outcome, so a caller can connect after start().
        QMetaObject::invokeMethod(
            this, [this] { finishWithFailure(Failure::NoSessionBus); }, Qt::QueuedConnection);
        return;
    }
    const QString token = NextToken();
    // Listen before asking: the portal may answer before its reply to the call reaches us.
    listenOn(requestPath(bus_->baseService(), token));

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kScreenshotInterface, method_);
    QVariantMap options = options_;
    options.insert(QStringLiteral("handle_token"), token);
    call << QString() << options;
    // The user may take their time: the answer timer, not the call's own timeout, limits the wait.
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call, int(answerTimeout_.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalRequest::onCallFinished);
    answerTimer_.start(answerTimeout_);
}

void PortalRequest::onCallFinished(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    if (!active_)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        const QDBusError error = reply.error();
        if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout)
            finishWithFailure(Failure::NoAnswer);
        else if (MeansNoPortal(error))
            finishWithFailure(Failure::NoPortal);
        else
            finishWithFailure(Failure::CallFailed, error.name(), error.message());
        return;
    }
    // Older portals choose the request path themselves: listen where they say.
    const QString handle = reply.value().path();
    if (handle != listenedPath_) {
        stopListening();
        listenOn(handle);
    }
}

void PortalRequest::onResponse(uint response, const QVariantMap& results)
{
    if (!active_)
        return;
    stopListening();
    answerTimer_.stop();
    active_ = false;
    emit answered(response, results);
}

void PortalRequest::listenOn(const QString& path)
{
    // Any sender: the path holds our unique name and a fresh token, and the portal's own unique
    // name is not known before it has been started for us.
    bus_->connect(
        QString(), path, kRequestInterface, QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    listenedPath_ = path;
}

void PortalRequest::stopListening()
{
    if (listenedPath_.isEmpty())
        return;
    bus_->disconnect(QString(), listenedPath_, kRequestInterface, QStringLiteral("Response"), this,
        SLOT(onResponse(uint, QVariantMap)));
    listenedPath_.clear();
}

void PortalRequest::finishWithFailure(Failure failure, const QString& errorName, const QString& errorText)
{
    if (!active_)
        return;
    stopListening();
    answerTimer_.stop();
    active_ = false;
    emit failed(failure, errorName, errorText);
}

} // namespace pelmora
