#include "screen/loupe_placement.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

// One axis: after the pointer if that fits between `low` and `high`, else before it, else as far
// into the side with more room as the screen allows.
qreal PlaceAlong(qreal pointer, qreal size, qreal low, qreal high, qreal offset)
{
    const qreal after = std::nearbyint(pointer + offset);
    if (after + size <= high)
        return after;
    const qreal before = std::nearbyint(pointer - offset - size);
    if (before >= low)
        return before;
    const qreal lastFitting = std::floor(high - size);
    if (lastFitting <= low)
        return std::ceil(low);
    return high - pointer >= pointer - low ? lastFitting : std::ceil(low);
}

} // namespace

QPointF PlaceLoupe(QPointF pointer, QSizeF size, const QRectF& screen, qreal offset)
{
    return {PlaceAlong(pointer.x(), size.width(), screen.left(), screen.right(), offset),
        PlaceAlong(pointer.y(), size.height(), screen.top(), screen.bottom(), offset)};
}

} // namespace pelmora
