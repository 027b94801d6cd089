#pragma once
// The pointer in device pixels on X11. Qt places the pointer in logical units only, which at a scale
// of 2 cannot name every device pixel; the loupe's arrow keys move it by exactly one.

#include <QPoint>

#include <optional>

namespace pelmora {

// The pointer's position on the X11 root window, in device pixels; nothing when not on X11.
std::optional<QPoint> X11PointerPosition();

// Moves the pointer to `position` (device pixels of the root window); false when not on X11.
bool WarpX11Pointer(QPoint position);

} // namespace pelmora
