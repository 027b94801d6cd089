#pragma once
// Where the loupe reads its pixels: the live screen, read afresh at every move, or a picture of
// the screens taken once (on Wayland, where only the desktop portal can read the screen).

#include "screen/screen_patch.h"

#include <QImage>
#include <QPoint>

class QScreen;

namespace pelmora {

class PixelSource {
public:
    virtual ~PixelSource() = default;
    // `size` x `size` pixels (size odd) centred on `centre`, in the source's own pixels.
    virtual ScreenPatch patchAround(QPoint centre, int size) const = 0;
};

// The screen as it is now; pixels are the screen's device pixels, relative to its corner.
class LiveScreen final : public PixelSource {
public:
    explicit LiveScreen(QScreen* screen)
        : screen_(screen)
    {
    }
    ScreenPatch patchAround(QPoint centre, int size) const override { return GrabScreenPatch(screen_, centre, size); }

private:
    QScreen* screen_;
};

// A picture of the screens; pixels are the picture's. Pixels off the picture, and the picture's
// own transparent ones (the gaps between screens of different sizes), are off the screen.
class FrozenPicture final : public PixelSource {
public:
    explicit FrozenPicture(const QImage& picture);
    ScreenPatch patchAround(QPoint centre, int size) const override;
    const QImage& image() const { return picture_; }

private:
    QImage picture_; // ARGB32: each pixel's bytes exactly as the file held them
};

} // namespace pelmora
