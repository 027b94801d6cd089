#pragma once
// The 216 web-safe colours (every channel a multiple of 51) in the grid's cell order:
// red slowest, blue fastest; cell 1 black, 2 (0, 0, 51), 7 (0, 51, 0), 37 (51, 0, 0), 216 white.

#include "color/channels.h"
#include "color/color.h"

#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kSafeColorCount = 216;
inline constexpr int kGridCellCount = 224;

// The colour painted in safe-palette grid cell `cell` (1..224): the cube for 1..216, black for
// the eight cells after it and for any number outside the grid.
Color SafePaletteColor(int cell);

struct SafeColor {
    Channels channels;
    std::string hex; // GetHexVal of the channels: RRGGBB
    Color color;
};

// The safe colour numbered `index` (1..216); nullopt for any other index.
std::optional<SafeColor> SafeColorAt(int index);

} // namespace pelmora
