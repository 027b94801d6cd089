#include "screen/device_pixels.h"

#include <QSize>

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

// Logical positions are device positions divided by the scale: multiplying back can land a hair
// below the whole number it came from (202 / 1.5 * 1.5 = 201.99999...).
constexpr double kSlack = 1e-3;

int DeviceCoordinate(double logical, int origin, qreal factor)
{
    return origin + static_cast<int>(std::floor((logical - origin) * factor + kSlack));
}

} // namespace

QPoint DevicePixelAt(QPointF position, const ScreenScale& screen)
{
    return {DeviceCoordinate(position.x(), screen.origin.x(), screen.factor),
        DeviceCoordinate(position.y(), screen.origin.y(), screen.factor)};
}

QPointF LogicalCentreOf(QPoint pixel, const ScreenScale& screen)
{
    const QPointF origin(screen.origin);
    return origin + (QPointF(pixel) + QPointF(0.5, 0.5) - origin) / screen.factor;
}

QRect LogicalGrabRect(const QRect& pixels, qreal factor, QSize logicalScreenSize, QPoint* deviceOrigin)
{
    // One logical pixel of margin on each side absorbs the rounding of a fractional scale.
    const int left = std::max(0, static_cast<int>(std::floor(pixels.left() / factor)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(pixels.top() / factor)) - 1);
    const int right
        = std::min(logicalScreenSize.width(), static_cast<int>(std::ceil((pixels.right() + 1) / factor)) + 1);
    const int bottom
        = std::min(logicalScreenSize.height(), static_cast<int>(std::ceil((pixels.bottom() + 1) / factor)) + 1);
    // The grab starts at the rounded device position of its logical corner, as Qt converts it.
    if (deviceOrigin)
        *deviceOrigin = QPoint(qRound(left * factor), qRound(top * factor));
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

QRect DeviceRectOf(const QRect& logicalGeometry, qreal factor, const QRect& root)
{
    const QSize size(static_cast<int>(std::ceil(logicalGeometry.width() * factor - kSlack)),
        static_cast<int>(std::ceil(logicalGeometry.height() * factor - kSlack)));
    return QRect(logicalGeometry.topLeft(), size).intersected(root);
}

QPoint NearestPixelOn(std::span<const QRect> screens, QPoint pixel)
{
    QPoint nearest = pixel;
    qint64 nearestDistance = -1;
    for (const QRect& screen : screens) {
        if (screen.isEmpty())
            continue;
        const QPoint onScreen(
            std::clamp(pixel.x(), screen.left(), screen.right()), std::clamp(pixel.y(), screen.top(), screen.bottom()));
        const QPoint away = onScreen - pixel;
        const qint64 distance = qint64(away.x()) * away.x() + qint64(away.y()) * away.y();
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = onScreen;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace pelmora
