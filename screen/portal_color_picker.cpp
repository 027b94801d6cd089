#include "screen/portal_color_picker.h"

#include "screen/screen_pick_messages.h"

#include <QDBusArgument>

#include <cmath>

namespace pelmora {
namespace {

enum PortalResponse : uint { kSuccess = 0, kCancelledByUser = 1 };

} // namespace

QString PortalFailureMessage(
    const PortalRequest& request, PortalRequest::Failure failure, const QString& errorName, const QString& errorText)
{
    switch (failure) {
    case PortalRequest::Failure::NoSessionBus:
        return PortalNoSessionBusMessage();
    case PortalRequest::Failure::SilentSessionBus:
        return PortalSilentSessionBusMessage(request.busTimeout());
    case PortalRequest::Failure::NoPortal:
        return PortalMissingMessage();
    case PortalRequest::Failure::NoAnswer:
        return PortalNoAnswerMessage(request.answerTimeout());
    case PortalRequest::Failure::CallFailed:
        break;
    }
    return PortalCallFailedMessage(errorName, errorText);
}

PortalColorPicker::PortalColorPicker(std::optional<QDBusConnection> bus, QObject* parent)
    : QObject(parent)
    , request_(std::move(bus), QStringLiteral("PickColor"), {})
{
    connect(&request_, &PortalRequest::answered, this, &PortalColorPicker::onAnswer);
    connect(&request_, &PortalRequest::failed, this,
        [this](PortalRequest::Failure failure, const QString& errorName, const QString& errorText) {
            emit failed(PortalFailureMessage(request_, failure, errorName, errorText));
        });
}

int PortalColorPicker::channelByte(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= 1.0)
        return 255;
    return static_cast<int>(std::lround(value * 255.0));
}

void PortalColorPicker::onAnswer(uint response, const QVariantMap& results)
{
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

} // namespace pelmora
