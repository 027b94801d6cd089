#include "screen/screen_patch.h"

#include "color/linear_light.h"
#include "screen/device_pixels.h"

#include <QPixmap>
#include <QScreen>

#include <vector>

namespace pelmora {

Color ScreenPatch::colorAt(int dx, int dy) const
{
    const int half = size() / 2;
    const int x = half + dx;
    const int y = half + dy;
    if (pixels.isNull() || x < 0 || y < 0 || x >= pixels.width() || y >= pixels.height())
        return Color::none();
    const QRgb pixel = pixels.pixel(x, y);
    if (qAlpha(pixel) == 0)
        return Color::none();
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

Color ScreenPatch::pickedColor(int square) const
{
    if (square <= 1)
        return colorAt(0, 0);
    const int half = square / 2;
    std::vector<Color> colors;
    colors.reserve(static_cast<std::size_t>(square * square));
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            const Color color = colorAt(dx, dy);
            if (color != Color::none())
                colors.push_back(color);
        }
    }
    return AverageInLinearLight(colors);
}

ScreenPatch GrabScreenPatch(QScreen* screen, QPoint centre, int size)
{
    ScreenPatch patch;
    patch.centre = centre;
    patch.pixels = QImage(size, size, QImage::Format_ARGB32);
    patch.pixels.fill(Qt::transparent);
    if (!screen)
        return patch;
    const int half = size / 2;
    const QRect wanted(centre.x() - half, centre.y() - half, size, size);
    QPoint grabOrigin;
    const QRect logical = LogicalGrabRect(wanted, screen->devicePixelRatio(), screen->size(), &grabOrigin);
    if (logical.isEmpty())
        return patch;
    const QImage grabbed = screen->grabWindow(0, logical.x(), logical.y(), logical.width(), logical.height())
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
    // Copy the wanted square out of the grab, pixel for pixel (no scaling, no colour conversion).
    for (int y = 0; y < size; ++y) {
        const int sourceY = wanted.top() + y - grabOrigin.y();
        if (sourceY < 0 || sourceY >= grabbed.height())
            continue;
        const auto* source = reinterpret_cast<const QRgb*>(grabbed.constScanLine(sourceY));
        auto* target = reinterpret_cast<QRgb*>(patch.pixels.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int sourceX = wanted.left() + x - grabOrigin.x();
            if (sourceX >= 0 && sourceX < grabbed.width())
                target[x] = source[sourceX] | 0xFF000000u;
        }
    }
    return patch;
}

} // namespace pelmora
