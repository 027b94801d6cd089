#pragma once
// Where a window was last closed, kept in the settings, and whether it may open there again.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace pelmora {

// How much of a title bar must lie on one screen for the window to be moved by it: its full
// height, and this width (or the whole window's, when narrower).
inline constexpr int kTitleBarHeight = 24;
inline constexpr int kTitleBarGrip = 64;

// "X Y" in device-independent pixels, as stored; nothing for any other text.
std::optional<QPoint> PlaceFromText(const QString& text);
QString TextOfPlace(const QPoint& place);

// Whether a window `width` wide whose frame starts at `place` has its title bar reachable on one of
// the screens' available areas.
bool TitleBarReachable(const QPoint& place, int width, const QList<QRect>& availableAreas);

// Moves the not yet shown `window` to the place stored under `key` in [Window] when its title bar
// is reachable there on a screen of today; otherwise leaves it where it is. Returns whether it moved.
bool RestoreWindowPlace(QWidget* window, const QString& key);

// Stores the window's frame position under `key` unless that is stored already.
bool StoreWindowPlace(const QWidget* window, const QString& key);

} // namespace pelmora
