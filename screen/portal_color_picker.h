#pragma once
// Picking a colour through the desktop portal (org.freedesktop.portal.Screenshot.PickColor): the
// compositor lets the user pick and answers with a Response signal on a request object of ours.

#include "color/color.h"
#include "screen/portal_request.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <chrono>
#include <optional>

namespace pelmora {

class PortalColorPicker : public QObject {
    Q_OBJECT
public:
    // Without a bus, the session bus, opened on start() once it has answered a greeting in time.
    explicit PortalColorPicker(std::optional<QDBusConnection> bus = std::nullopt, QObject* parent = nullptr);

    // How long to wait for the user's answer before giving up (a minute unless a test shortens it).
    void setAnswerTimeout(std::chrono::milliseconds timeout) { request_.setAnswerTimeout(timeout); }
    // How long the session bus may take to answer a greeting (a few seconds unless a test shortens it).
    void setBusTimeout(std::chrono::milliseconds timeout) { request_.setBusTimeout(timeout); }

    // Asks the portal; exactly one of the signals follows, later, from the event loop.
    void start() { request_.start(); }
    bool isActive() const { return request_.isActive(); }

    // The request object the portal answers on for a caller and token.
    static QString requestPath(const QString& uniqueName, const QString& token)
    {
        return PortalRequest::requestPath(uniqueName, token);
    }
    // A colour channel of the answer, [0, 1], as a byte: rounded, never truncated.
    static int channelByte(double value);

signals:
    void picked(pelmora::Color color);
    void cancelled();
    void failed(const QString& message);

private:
    void onAnswer(uint response, const QVariantMap& results);

    PortalRequest request_;
};

// What the user reads when the colour pick's request failed.
QString PortalFailureMessage(
    const PortalRequest& request, PortalRequest::Failure failure, const QString& errorName, const QString& errorText);

} // namespace pelmora
