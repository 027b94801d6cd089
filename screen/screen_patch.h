#pragma once
// A small square of screen pixels around the pointer, in device pixels, read fresh for each move:
// the loupe never holds a picture of the whole screen.

#include "color/color.h"

#include <QImage>
#include <QPoint>

class QScreen;

namespace pelmora {

struct ScreenPatch {
    // size x size pixels centred on `centre` (device pixels of the screen, relative to its corner);
    // ARGB32, pixels off the screen fully transparent.
    QImage pixels;
    QPoint centre;

    int size() const { return pixels.width(); }
    // The pixel at offset (dx, dy) from the centre; Color::none() off the screen or off the patch.
    Color colorAt(int dx, int dy) const;
    // The centre pixel, or the linear-light average of the `square` x `square` pixels around it
    // (square 3 or 5; pixels off the screen are left out).
    Color pickedColor(int square) const;
};

// Reads `size` x `size` device pixels (size odd) centred on device pixel `centre` of `screen`.
ScreenPatch GrabScreenPatch(QScreen* screen, QPoint centre, int size);

} // namespace pelmora
