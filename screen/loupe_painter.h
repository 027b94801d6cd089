#pragma once
// Drawing the loupe: the patch's device pixels magnified without smoothing, with a grid between them
// when they are large, the centre pixel (or the averaged square) outlined, and below it the read-outs:
// the picked colour's #RRGGBB code on a swatch of it, the pointer's position and the zoom, the code
// in the chosen notation, and the keys.

#include "color/color.h"
#include "notations/code_writer.h"
#include "screen/screen_pick_settings.h"

#include <QPoint>
#include <QRectF>
#include <QRegion>
#include <QString>

class QPainter;
class QImage;

namespace pelmora {

struct LoupeLook {
    int zoom = 10; // device pixels per magnified pixel
    LoupeShape shape = LoupeShape::Round;
    int averageSize = 1; // 1, 3 or 5: the outlined square
    qreal devicePixelRatio = 1.0;
};

// What the loupe writes under its picture, beside the #RRGGBB code.
struct LoupeReadout {
    QPoint position; // the device pixel under the pointer
    QString code; // the picked colour in the chosen notation (LoupeCodeText)
};

inline constexpr int kDefaultZoom = 10;
inline constexpr int kMinZoom = 4;
inline constexpr int kMaxZoom = 20;
// From this zoom up a grid separates the magnified pixels.
inline constexpr int kGridMinZoom = 8;

// How many screen pixels the loupe shows across at `zoom`: odd, about 110 device pixels' worth.
int LoupePatchSize(int zoom);

// The logical size of the magnified picture and of the whole loupe with its read-outs.
qreal LoupeDiameter(int patchSize, const LoupeLook& look);
QRectF LoupeBounds(int patchSize, const LoupeLook& look);

// The part of a window the loupe at `topLeft` shows: its round or square picture with the outline,
// and the read-outs. A window masked to it shows nothing else, on any screen, with or without a
// compositor.
QRegion LoupeRegion(QPointF topLeft, int patchSize, const LoupeLook& look);

// The read-out lines: "x 1279, y 1023 · 10×", the code ("N/A" where the notation has none; empty off
// the screen or without a notation), and the keys.
QString LoupePositionText(QPoint position, int zoom);
QString LoupeCodeText(const CodeWriter& writer, Color picked);
QString LoupeKeyHint();

// Paints the loupe with its top-left corner at `topLeft` (logical units of the painter), every
// pixel of its bounds: nothing painted before shows through.
void PaintLoupe(QPainter& painter, QPointF topLeft, const QImage& patch, Color picked, const LoupeLook& look,
    const LoupeReadout& readout = {});

} // namespace pelmora
