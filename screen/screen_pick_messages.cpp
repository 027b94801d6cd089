#include "screen/screen_pick_messages.h"

namespace pelmora {
namespace {

// "a minute", "2 minutes", "3 s", "300 ms".
QString Span(std::chrono::milliseconds waited)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    if (waited >= std::chrono::minutes(1) && waited % std::chrono::minutes(1) == waited.zero())
        return waited == std::chrono::minutes(1) ? QStringLiteral("a minute")
                                                 : QStringLiteral("%1 minutes").arg(seconds / 60);
    return seconds >= 1 ? QStringLiteral("%1 s").arg(seconds) : QStringLiteral("%1 ms").arg(waited.count());
}

} // namespace

QString PortalMissingMessage()
{
    return QStringLiteral("Screen picking needs the desktop portal, and none answers on this desktop. Install "
                          "xdg-desktop-portal and a back-end that can pick colours, such as "
                          "xdg-desktop-portal-gnome, xdg-desktop-portal-kde or xdg-desktop-portal-wlr.");
}

QString PortalNoSessionBusMessage()
{
    return QStringLiteral("Screen picking needs the desktop portal, which is reached over the D-Bus session bus, "
                          "and there is no session bus here.");
}

QString PortalSilentSessionBusMessage(std::chrono::milliseconds waited)
{
    return QStringLiteral("Screen picking needs the desktop portal, which is reached over the D-Bus session bus, "
                          "and the session bus did not answer within %1.")
        .arg(Span(waited));
}

QString PortalNoAnswerMessage(std::chrono::milliseconds waited)
{
    return QStringLiteral("The desktop portal did not answer the colour pick within %1.").arg(Span(waited));
}

QString PortalEndedMessage(uint response)
{
    return QStringLiteral("The desktop portal ended the colour pick without a colour (response %1).").arg(response);
}

QString PortalNoColorMessage()
{
    return QStringLiteral("The desktop portal reported a colour pick but sent no colour.");
}

QString PortalCallFailedMessage(const QString& errorName, const QString& errorText)
{
    return QStringLiteral("The desktop portal could not pick a colour: %1 (%2).").arg(errorText, errorName);
}

QString ScreenGrabUnavailableMessage(const QString& platformName)
{
    return QStringLiteral("The loupe reads the screen through X11, but this program runs on \"%1\"; "
                          "pick through the desktop portal instead.")
        .arg(platformName);
}

QString ScreenshotNoPortalReason() { return QStringLiteral("no desktop portal here takes screenshots"); }

QString ScreenshotNoAnswerReason(std::chrono::milliseconds waited)
{
    return QStringLiteral("the desktop portal did not answer within %1").arg(Span(waited));
}

QString ScreenshotCallFailedReason(const QString& errorName, const QString& errorText)
{
    return QStringLiteral("the desktop portal could not take one: %1 (%2)").arg(errorText, errorName);
}

QString ScreenshotEndedReason(uint response)
{
    return QStringLiteral("the desktop portal refused to take one (response %1)").arg(response);
}

QString ScreenshotNoPictureReason() { return QStringLiteral("the desktop portal reported one but named no file"); }

QString LoupeUnavailableNote(const QString& reason)
{
    return QStringLiteral("The loupe needs a screenshot, and %1; the desktop portal picks the colour instead.")
        .arg(reason);
}

QString LoupeUnavailableMessage(const QString& reason)
{
    return QStringLiteral("The loupe needs a screenshot, and %1.").arg(reason);
}

} // namespace pelmora
