#pragma once
// Which way a colour is picked from the screen: the live loupe reads the X11 screen itself; the
// desktop portal asks the compositor, the only way on Wayland (and on X11 desktops that want it).

#include <QString>

#include <optional>

namespace pelmora {

enum class PickWay { Auto, X11Loupe, Portal };

// "auto", "x11" or "portal" (as the setting and the command line write it); nothing for other text.
std::optional<PickWay> ParsePickWay(const QString& text);
QString PickWayName(PickWay way);

// What Auto means in a session: the portal on Wayland (an X11 program there sees only its own
// windows), and whenever the window toolkit does not run on X11; the loupe otherwise.
PickWay ResolvePickWay(PickWay requested, const QString& platformName, const QString& sessionType);

// The way chosen in the settings (group "ScreenPicking", key "way"), Auto when unset or unreadable.
PickWay StoredPickWay();

enum class LoupeShape { Round, Square };

// The loupe's outline chosen in the settings (key "loupe": "round" or "square"); Round when unset.
LoupeShape StoredLoupeShape();

// The loupe's averaging square chosen in the settings (key "average": 1, 3 or 5); 1 when unset.
int StoredAverageSize();

} // namespace pelmora
