#pragma once
// What the user reads when a screen pick cannot be done: each names what failed and, where there is
// one, what to do about it.

#include <QString>

#include <chrono>

namespace pelmora {

QString PortalMissingMessage();
QString PortalNoSessionBusMessage();
QString PortalSilentSessionBusMessage(std::chrono::milliseconds waited);
QString PortalNoAnswerMessage(std::chrono::milliseconds waited);
QString PortalEndedMessage(uint response);
QString PortalNoColorMessage();
QString PortalCallFailedMessage(const QString& errorName, const QString& errorText);
QString ScreenGrabUnavailableMessage(const QString& platformName);

// Why the loupe on a screenshot is not available, as clauses: "the desktop portal ...".
QString ScreenshotNoPortalReason();
QString ScreenshotNoAnswerReason(std::chrono::milliseconds waited);
QString ScreenshotCallFailedReason(const QString& errorName, const QString& errorText);
QString ScreenshotEndedReason(uint response);
QString ScreenshotNoPictureReason();
// The sentence for a reason: when the portal's own picker takes over, and when nothing does.
QString LoupeUnavailableNote(const QString& reason);
QString LoupeUnavailableMessage(const QString& reason);

} // namespace pelmora
