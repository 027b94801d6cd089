#pragma once
// The 216 web-safe colours (every channel a multiple of 51) in the grid's cell order:
// red slowest, blue fastest; cell 1 black, 2 (0, 0, 51), 7 (0, 51, 0), 37 (51, 0, 0), 216 white.

#include "color/channels.h"
#include "color/color.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kSafeColorCount = 216;
inline constexpr int kGridCellCount = 224;

// The channels of safe colour `index` (1..216).
constexpr Channels SafeChannels(int index)
{
    const int m = index - 1;
    return Channels{static_cast<std::int16_t>(51 * (m / 36)), static_cast<std::int16_t>(51 * ((m / 6) % 6)),
        static_cast<std::int16_t>(51 * (m % 6))};
}

// The colour painted in safe-palette grid cell `cell` (1..224): the cube for 1..216, black for
// the eight cells after it and for any number outside the grid.
constexpr Color SafePaletteColor(int cell)
{
    if (cell < 1 || cell > kSafeColorCount)
        return Color::black();
    const Channels c = SafeChannels(cell);
    return RGB(c.r, c.g, c.b);
}

struct SafeColor {
    Channels channels;
    std::string hex; // GetHexVal of the channels: RRGGBB
    Color color;
};

// The safe colour numbered `index` (1..216); nullopt for any other index.
std::optional<SafeColor> SafeColorAt(int index);

} // namespace pelmora
