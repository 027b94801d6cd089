#pragma once
// Where the loupe goes beside the pointer. Kept apart from the window so that every edge and corner
// of every screen scale can be tried without a screen.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace pelmora {

// The logical distance between the pointer and the loupe, for the live and the frozen loupe alike.
inline constexpr qreal kLoupeOffset = 24;

// The top-left corner of a loupe of `size` beside `pointer` on `screen` (all logical, in the same
// coordinates): `offset` below and to the right of the pointer, or on the pointer's other side along
// an axis where that would leave the screen. Whole logical pixels, so that the painted loupe and the
// window's shape line up.
//
// Along an axis where neither side has room (a screen less than about two loupes wide), the loupe is
// kept on the screen and may cross the pointer's column or row; the other axis then keeps it off the
// pointer. Only on a screen too small for that as well may it cover the pointer.
QPointF PlaceLoupe(QPointF pointer, QSizeF size, const QRectF& screen, qreal offset);

} // namespace pelmora
