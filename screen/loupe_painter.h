#pragma once
// Drawing the loupe: the patch's device pixels magnified without smoothing, the centre pixel (or
// the averaged square) outlined, and the picked colour's #RRGGBB code beside it.

#include "color/color.h"
#include "screen/screen_pick_settings.h"

#include <QRectF>
#include <QRegion>

class QPainter;
class QImage;

namespace pelmora {

struct LoupeLook {
    int zoom = 10; // device pixels per magnified pixel
    LoupeShape shape = LoupeShape::Round;
    int averageSize = 1; // 1, 3 or 5: the outlined square
    qreal devicePixelRatio = 1.0;
};

inline constexpr int kDefaultZoom = 10;
inline constexpr int kMinZoom = 4;
inline constexpr int kMaxZoom = 20;

// How many screen pixels the loupe shows across at `zoom`: odd, about 110 device pixels' worth.
int LoupePatchSize(int zoom);

// The logical size of the magnified picture and of the whole loupe with its code label.
qreal LoupeDiameter(int patchSize, const LoupeLook& look);
QRectF LoupeBounds(int patchSize, const LoupeLook& look);

// The part of a window the loupe at `topLeft` shows: its round or square picture with the outline,
// and the label. A window masked to it shows nothing else, on any screen, with or without a
// compositor.
QRegion LoupeRegion(QPointF topLeft, int patchSize, const LoupeLook& look);

// Paints the loupe with its top-left corner at `topLeft` (logical units of the painter), every
// pixel of its bounds: nothing painted before shows through.
void PaintLoupe(QPainter& painter, QPointF topLeft, const QImage& patch, Color picked, const LoupeLook& look);

} // namespace pelmora
