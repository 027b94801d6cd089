#pragma once
// The picture the stand-in portal serves (stand_in_portal.py draws the same): every pixel of a
// picture up to 4096 x 4096 differs from every other, but for a black-and-white checkerboard, white
// where x + y is even, for the averaging tests.

#include "color/color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace pelmora::test {

inline const QRect kCheckers(40, 30, 20, 20);

inline QRgb PatternPixel(int x, int y)
{
    if (kCheckers.contains(x, y))
        return (x + y) % 2 == 0 ? 0xFFFFFFFFu : 0xFF000000u;
    return qRgb(x & 255, y & 255, 0x80 | (x >> 8) << 4 | y >> 8);
}

inline QImage PatternPicture(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, PatternPixel(x, y));
    return picture;
}

inline Color PatternColor(QPoint pixel)
{
    const QRgb rgb = PatternPixel(pixel.x(), pixel.y());
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// "#rrggbb", for comparisons that show the colour when they fail.
inline QString Hex(Color color)
{
    return QStringLiteral("#%1").arg(color.red() << 16 | color.green() << 8 | color.blue(), 6, 16, QLatin1Char('0'));
}

} // namespace pelmora::test
