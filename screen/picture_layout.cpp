#include "screen/picture_layout.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

// As in device_pixels.cpp: a logical position times the scale may land a hair below the whole
// number it came from.
constexpr double kSlack = 1e-3;

int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace

PictureLayout::PictureLayout(QSize pictureSize, const std::vector<ScreenPlace>& screens)
    : pictureSize_(pictureSize)
{
    qreal largestScale = 1.0;
    for (const ScreenPlace& screen : screens) {
        bounds_ = bounds_.united(screen.geometry);
        largestScale = std::max(largestScale, screen.scale);
    }
    if (bounds_.isEmpty())
        bounds_ = QRect(QPoint(), pictureSize);
    scale_ = QPointF(double(pictureSize.width()) / bounds_.width(), double(pictureSize.height()) / bounds_.height());
    // A logical size is the device size over the scale, rounded: at 1.5, 1024 device pixels are 683
    // logical ones, and 1024 / 683 is not quite 1.5.
    const double tolerance = std::ceil(largestScale);
    if (std::abs(pictureSize.width() - bounds_.width() * largestScale) <= tolerance
        && std::abs(pictureSize.height() - bounds_.height() * largestScale) <= tolerance)
        scale_ = QPointF(largestScale, largestScale);
    for (const ScreenPlace& place : screens) {
        const QRect& screen = place.geometry;
        const QPoint first(Nearest((screen.left() - bounds_.left()) * scale_.x()),
            Nearest((screen.top() - bounds_.top()) * scale_.y()));
        const QPoint end(Nearest((screen.right() + 1 - bounds_.left()) * scale_.x()),
            Nearest((screen.bottom() + 1 - bounds_.top()) * scale_.y()));
        pictureRects_.push_back(
            QRect(first, QSize(end.x() - first.x(), end.y() - first.y())).intersected(QRect(QPoint(), pictureSize)));
    }
}

QRect PictureLayout::pictureRectOf(std::size_t index) const
{
    return index < pictureRects_.size() ? pictureRects_[index] : QRect();
}

std::optional<std::size_t> PictureLayout::screenOf(QPoint pixel) const
{
    for (std::size_t i = 0; i < pictureRects_.size(); ++i)
        if (pictureRects_[i].contains(pixel))
            return i;
    return std::nullopt;
}

QPoint PictureLayout::pixelAt(QPointF position) const
{
    const int x = static_cast<int>(std::floor((position.x() - bounds_.left()) * scale_.x() + kSlack));
    const int y = static_cast<int>(std::floor((position.y() - bounds_.top()) * scale_.y() + kSlack));
    return {std::clamp(x, 0, std::max(0, pictureSize_.width() - 1)),
        std::clamp(y, 0, std::max(0, pictureSize_.height() - 1))};
}

QPointF PictureLayout::logicalCentreOf(QPoint pixel) const
{
    return QPointF(bounds_.left() + (pixel.x() + 0.5) / scale_.x(), bounds_.top() + (pixel.y() + 0.5) / scale_.y());
}

} // namespace pelmora
