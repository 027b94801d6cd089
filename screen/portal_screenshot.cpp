#include "screen/portal_screenshot.h"

#include "screen/portal_color_picker.h"
#include "screen/screen_pick_messages.h"
#include "screen/screenshot_file.h"

namespace pelmora {

PortalScreenshot::PortalScreenshot(std::optional<QDBusConnection> bus, QObject* parent)
    : QObject(parent)
    , request_(std::move(bus), QStringLiteral("Screenshot"),
          {{QStringLiteral("interactive"), false}, {QStringLiteral("modal"), false}})
{
    connect(&request_, &PortalRequest::answered, this, &PortalScreenshot::onAnswer);
    connect(&request_, &PortalRequest::failed, this,
        [this](PortalRequest::Failure failure, const QString& errorName, const QString& errorText) {
            switch (failure) {
            case PortalRequest::Failure::NoSessionBus:
            case PortalRequest::Failure::SilentSessionBus:
                emit failed(PortalFailureMessage(request_, failure, errorName, errorText));
                return;
            case PortalRequest::Failure::NoPortal:
                emit refused(ScreenshotNoPortalReason());
                return;
            case PortalRequest::Failure::NoAnswer:
                emit refused(ScreenshotNoAnswerReason(request_.answerTimeout()));
                return;
            case PortalRequest::Failure::CallFailed:
                emit refused(ScreenshotCallFailedReason(errorName, errorText));
                return;
            }
        });
}

void PortalScreenshot::onAnswer(uint response, const QVariantMap& results)
{
    if (response == 1) {
        emit cancelled();
        return;
    }
    if (response != 0) {
        emit refused(ScreenshotEndedReason(response));
        return;
    }
    const QString uri = results.value(QStringLiteral("uri")).toString();
    if (uri.isEmpty()) {
        emit refused(ScreenshotNoPictureReason());
        return;
    }
    QString error;
    const std::optional<QImage> picture = TakeScreenshotFile(uri, &error);
    if (!picture) {
        emit refused(error);
        return;
    }
    emit taken(*picture);
}

} // namespace pelmora
