#pragma once
// Where each screen lies in a screenshot of all of them, and which picture pixel lies under a
// position on a screen.
//
// What is assumed of the desktop portal: its picture covers the smallest rectangle around all
// screens, laid out as the screens are in logical (scaled) coordinates, at one scale for the whole
// picture, the picture's size over that rectangle's (GNOME and KDE render the whole desktop at the
// largest screen scale; a picture of one screen at its own scale is the one-screen case of the same
// rule). So a screen at scale 2 in a picture taken at scale 2 shows the picture one to one in
// device pixels, while a screen at scale 1 beside it shows its part of the picture halved. The
// scale is taken across and down separately, so a picture whose size does not quite match still
// covers every screen from edge to edge. When the picture is the size of that rectangle at the
// largest screen scale (give or take the rounding of a logical size), that scale is taken exactly.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace pelmora {

// A screen as Qt reports it: logical geometry and scale.
struct ScreenPlace {
    QRect geometry;
    qreal scale = 1.0;
};

class PictureLayout {
public:
    PictureLayout(QSize pictureSize, const std::vector<ScreenPlace>& screens);

    // The picture pixels that show screen number `index` (of the screens given).
    QRect pictureRectOf(std::size_t index) const;
    const std::vector<QRect>& pictureRects() const { return pictureRects_; }
    // The screen whose picture pixels hold `pixel`, if any.
    std::optional<std::size_t> screenOf(QPoint pixel) const;
    // The picture pixel under the logical global position `position` (within the picture).
    QPoint pixelAt(QPointF position) const;
    // The logical global position of the centre of picture pixel `pixel`.
    QPointF logicalCentreOf(QPoint pixel) const;
    // Picture pixels per logical unit, across and down.
    QPointF scale() const { return scale_; }

private:
    QSize pictureSize_;
    QRect bounds_; // around all screens, logical
    QPointF scale_;
    std::vector<QRect> pictureRects_;
};

} // namespace pelmora
