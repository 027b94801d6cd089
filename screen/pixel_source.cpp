#include "screen/pixel_source.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

FrozenPicture::FrozenPicture(const QImage& picture)
    : picture_(picture.convertToFormat(QImage::Format_ARGB32))
{
}

ScreenPatch FrozenPicture::patchAround(QPoint centre, int size) const
{
    ScreenPatch patch;
    patch.centre = centre;
    patch.pixels = QImage(size, size, QImage::Format_ARGB32);
    patch.pixels.fill(Qt::transparent);
    const int half = size / 2;
    const QRect wanted(centre.x() - half, centre.y() - half, size, size);
    const QRect available = wanted.intersected(picture_.rect());
    if (available.isEmpty())
        return patch;
    // Row by row, byte for byte: no scaling, no colour conversion.
    const auto rowBytes = static_cast<std::size_t>(available.width()) * sizeof(QRgb);
    for (int y = available.top(); y <= available.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture_.constScanLine(y)) + available.left();
        auto* target
            = reinterpret_cast<QRgb*>(patch.pixels.scanLine(y - wanted.top())) + (available.left() - wanted.left());
        std::memcpy(target, source, rowBytes);
    }
    return patch;
}

} // namespace pelmora
