#pragma once
// The web-safe palette grid: the 216 colours whose channels are multiples of 51, red changing
// slowest and blue fastest, then 8 black cells.

#include "color/color.h"
#include "picker/geometry.h"

namespace pelmora {

inline constexpr int SafeColorCount = 216;

// The colour of safe palette cell n (1 .. 224); black for cells 217 .. 224 and any other n.
constexpr Color SafePaletteColor(int cell)
{
    if (cell < 1 || cell > SafeColorCount)
        return Color::black();
    const int m = cell - 1;
    return RGB(51 * (m / 36), 51 * ((m / 6) % 6), 51 * (m % 6));
}

} // namespace pelmora
