#pragma once
// The pointer in device pixels on X11. Qt places the pointer in logical units only, which at a scale
// of 2 cannot name every device pixel; the loupe's arrow keys move it by exactly one.
//
// A display may have several X screens (:0.0, :0.1), each with its own root window and its own
// coordinates starting at (0, 0): a position means nothing without the screen it is on.

#include <QPoint>
#include <QRect>

#include <optional>

class QScreen;

namespace pelmora {

struct X11Pointer {
    QPoint position; // device pixels of the root window of X screen `screenNumber`
    int screenNumber = 0;
};

// Where the pointer is, on whichever X screen; nothing when not on X11.
std::optional<X11Pointer> X11PointerPosition();

// Moves the pointer to `position` (device pixels of the root window of X screen `screenNumber`);
// false when not on X11.
bool WarpX11Pointer(QPoint position, int screenNumber);

// The whole root window of X screen `screenNumber`, in device pixels; nothing when not on X11.
std::optional<QRect> X11ScreenRect(int screenNumber);

// How many X screens the display has (1 when not on X11).
int X11ScreenCount();

// The X screen that Qt's `screen` belongs to; nothing when not on X11.
std::optional<int> X11ScreenNumberOf(QScreen* screen);

// Where the top-left pixel of window `window` is on its root window, in device pixels; nothing
// when not on X11.
std::optional<QPoint> X11WindowOrigin(unsigned long window);

// Asks for window `window` to be at `origin` (device pixels of its root window): exact where Qt's
// logical positions cannot name every device pixel (at a scale of 1.5).
void MoveX11Window(unsigned long window, QPoint origin);

} // namespace pelmora
