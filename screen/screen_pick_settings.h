#pragma once
// Which way a colour is picked from the screen: the live loupe reads the X11 screen itself; the
// frozen loupe runs on a screenshot the desktop portal takes; the desktop portal's own picker asks
// the compositor for one pixel. On Wayland only the portal can read the screen.

#include <QString>

#include <optional>

namespace pelmora {

enum class PickWay { Auto, X11Loupe, Portal, Screenshot };

// "auto", "x11", "portal" or "screenshot" (as the setting and the command line write it); nothing
// for other text.
std::optional<PickWay> ParsePickWay(const QString& text);
QString PickWayName(PickWay way);

// What Auto means in a session: the loupe on a portal screenshot on Wayland (an X11 program there
// sees only its own windows), and whenever the window toolkit does not run on X11; the live loupe
// otherwise. (Auto falls back to the portal's own picker when the screenshot is refused.)
PickWay ResolvePickWay(PickWay requested, const QString& platformName, const QString& sessionType);

// The way chosen in the settings (group "ScreenPicking", key "way"), Auto when unset or unreadable.
PickWay StoredPickWay();

enum class LoupeShape { Round, Square };

// The loupe's outline chosen in the settings (key "loupe": "round" or "square"); Round when unset.
LoupeShape StoredLoupeShape();

// The loupe's averaging square chosen in the settings (key "average": 1, 3 or 5); 1 when unset.
int StoredAverageSize();

} // namespace pelmora
