#pragma once
// Window layouts are designed in twips (1/1440 inch); at 96 dots per inch 15 twips are one pixel.

#include <QRect>

namespace pelmora {

// The nearest whole pixel. 15 is odd, so a whole number of twips never falls on a half pixel and
// no tie rule is needed: -10 twips is -1 pixel, 20 twips is 1, 30 twips 2.
constexpr int TwipsToPixels(int twips)
{
    // floor((2 * twips + 15) / 30), with the floor taken for negative twips too.
    const int doubled = 2 * twips + 15;
    return doubled >= 0 ? doubled / 30 : -((-doubled + 29) / 30);
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace pelmora
