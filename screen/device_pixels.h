#pragma once
// Screen positions in device pixels. Qt reports the pointer in logical units (device pixels divided
// by the screen's scale, with a fraction); the colour under the pointer is the device pixel its true
// position falls in, not the one a rounded logical position would name.

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <span>

namespace pelmora {

// A screen's placement: its top-left corner (the same number in logical and device units, as Qt
// keeps it) and its scale.
struct ScreenScale {
    QPoint origin;
    qreal factor = 1.0;
};

// The device pixel (in the screen's device units) that holds the logical global position `position`.
QPoint DevicePixelAt(QPointF position, const ScreenScale& screen);

// The logical global position of the centre of device pixel `pixel`.
QPointF LogicalCentreOf(QPoint pixel, const ScreenScale& screen);

// A logical rectangle, relative to the screen, whose grab covers the device rectangle `pixels`
// (relative to the screen too), clipped to `logicalScreenSize`. `deviceOrigin` receives the device
// position of the grab's top-left pixel.
QRect LogicalGrabRect(const QRect& pixels, qreal factor, QSize logicalScreenSize, QPoint* deviceOrigin);

// The device pixels a screen covers: its logical geometry at its scale, within `root` (the device
// pixels of the whole X screen, which a scaled size rounded by Qt may overshoot by one).
QRect DeviceRectOf(const QRect& logicalGeometry, qreal factor, const QRect& root);

// The pixel of `screens` (device rectangles) nearest to `pixel`; `pixel` itself when it is on one.
QPoint NearestPixelOn(std::span<const QRect> screens, QPoint pixel);

} // namespace pelmora
