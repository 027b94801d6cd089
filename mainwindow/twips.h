#pragma once
// Control placement is designed in twips (1/1440 inch); at 96 dots per inch 15 twips are one pixel.

#include <QRect>

namespace pelmora {

constexpr int TwipsToPixels(int twips) { return twips / 15; }

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace pelmora
