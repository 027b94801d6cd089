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

} // namespace pelmora
