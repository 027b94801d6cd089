#include "screen/portal_color_picker.h"

#include "screen/screen_pick_messages.h"
#include "screen/session_bus_probe.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QThread>

#include <cmath>
#include <memory>

namespace pelmora {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

enum PortalResponse : uint { kSuccess = 0, kCancelledByUser = 1 };

// Errors that mean "nobody serves a colour pick here", as opposed to a portal that failed.
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

} // namespace

PortalColorPicker::PortalColorPicker(std::optional<QDBusConnection> bus, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
{
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        // Take the forgotten request off the screen, if the portal is still showing it.
        if (!listenedPath_.isEmpty())
            bus_->asyncCall(QDBusMessage::createMethodCall(
                kPortalService, listenedPath_, kRequestInterface, QStringLiteral("Close")));
        finishWithFailure(PortalNoAnswerMessage(answerTimeout_));
    });
}

QString PortalColorPicker::requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

int PortalColorPicker::channelByte(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= 1.0)
        return 255;
    return static_cast<int>(std::lround(value * 255.0));
}

void PortalColorPicker::start()
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
void PortalColorPicker::openSessionBus()
{
    auto state = std::make_shared<SessionBusState>(SessionBusState::Unchecked);
    QThread* greeting = QThread::create([state, limit = busTimeout_] { *state = ProbeSessionBus(limit); });
    connect(greeting, &QThread::finished, greeting, &QObject::deleteLater);
    connect(greeting, &QThread::finished, this, [this, state] {
        if (!active_)
            return;
        if (*state == SessionBusState::Silent) {
            finishWithFailure(PortalSilentSessionBusMessage(busTimeout_));
            return;
        }
        bus_ = QDBusConnection::sessionBus();
        ask();
    });
    greeting->start();
}

void PortalColorPicker::ask()
{
    if (!bus_->isConnected()) {
        // Reported from the event loop like every other outcome, so a caller can connect after start().
        QMetaObject::invokeMethod(
            this, [this] { finishWithFailure(PortalNoSessionBusMessage()); }, Qt::QueuedConnection);
        return;
    }
    const QString token = QStringLiteral("pelmora%1_%2").arg(QCoreApplication::applicationPid()).arg(++requestCount_);
    // Listen before asking: the portal may answer before its reply to the call reaches us.
    listenOn(requestPath(bus_->baseService(), token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, kScreenshotInterface, QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    // The user may take their time: the answer timer, not the call's own timeout, limits the wait.
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call, int(answerTimeout_.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalColorPicker::onCallFinished);
    answerTimer_.start(answerTimeout_);
}

void PortalColorPicker::onCallFinished(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    if (!active_)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        const QDBusError error = reply.error();
        if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout)
            finishWithFailure(PortalNoAnswerMessage(answerTimeout_));
        else if (MeansNoPortal(error))
            finishWithFailure(PortalMissingMessage());
        else
            finishWithFailure(PortalCallFailedMessage(error.name(), error.message()));
        return;
    }
    // Older portals choose the request path themselves: listen where they say.
    const QString handle = reply.value().path();
    if (handle != listenedPath_) {
        stopListening();
        listenOn(handle);
    }
}

void PortalColorPicker::onResponse(uint response, const QVariantMap& results)
{
    if (!active_)
        return;
    stopListening();
    answerTimer_.stop();
    active_ = false;
    if (response == kCancelledByUser) {
        emit cancelled();
        return;
    }
    if (response != kSuccess) {
        emit failed(PortalEndedMessage(response));
        return;
    }
    double red = -1, green = -1, blue = -1;
    const QVariant color = results.value(QStringLiteral("color"));
    if (color.canConvert<QDBusArgument>()) {
        const auto argument = color.value<QDBusArgument>();
        if (argument.currentSignature() == QLatin1String("(ddd)")) {
            argument.beginStructure();
            argument >> red >> green >> blue;
            argument.endStructure();
        }
    }
    if (red < 0 || green < 0 || blue < 0) {
        emit failed(PortalNoColorMessage());
        return;
    }
    emit picked(RGB(channelByte(red), channelByte(green), channelByte(blue)));
}

void PortalColorPicker::listenOn(const QString& path)
{
    // Any sender: the path holds our unique name and a fresh token, and the portal's own unique
    // name is not known before it has been started for us.
    bus_->connect(
        QString(), path, kRequestInterface, QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    listenedPath_ = path;
}

void PortalColorPicker::stopListening()
{
    if (listenedPath_.isEmpty())
        return;
    bus_->disconnect(QString(), listenedPath_, kRequestInterface, QStringLiteral("Response"), this,
        SLOT(onResponse(uint, QVariantMap)));
    listenedPath_.clear();
}

void PortalColorPicker::finishWithFailure(const QString& message)
{
    if (!active_)
        return;
    stopListening();
    answerTimer_.stop();
    active_ = false;
    emit failed(message);
}

} // namespace pelmora
