#pragma once
// Between the custom colours grid (or the history) and a palette: which colours are exported and
// under which names, and where imported colours land in the grid.
//
// Grid colours come as the custom colours array: element i is grid cell i (1..224); element 0
// belongs to no cell and is never exported or overwritten.

#include "color/system_colors.h"
#include "palette/palette.h"
#include "palette/set_cells.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace pelmora {

enum class CellSelection {
    All, // every cell, black ones included
    SetOnly, // the cells that hold something other than 0, and the black ones marked as set
};

inline constexpr int kPaletteGridColumns = 16; // the grid's cells per row
inline constexpr int kPaletteHistoryColumns = 18; // the history's swatches

// The custom colours as a palette named "Pelmora custom colours". Each colour is exported as the grid
// paints it (a system colour code as its element's current colour); named by `namer` when it
// gives a name, otherwise "cell N". `blackSet` marks the cells set to black (see set_cells.h).
Palette PaletteFromCells(std::span<const Color> cells, CellSelection selection, const SystemColors& systemColors,
    const ColorNamer& namer, const CellMarks& blackSet = {});

// The history (element 0 newest) as a palette named "Pelmora colour history"; unnamed colours are
// "history N", N counting from 1 for the newest.
Palette PaletteFromHistory(std::span<const Color> history, const SystemColors& systemColors, const ColorNamer& namer);

// The CSS name of an RGB colour that has one exactly (of synonyms the alphabetically first), the
// notation engine's; the namer exports use.
std::optional<std::string> CssColorName(Color color);

struct Placement {
    std::size_t placed = 0;
    std::size_t leftOut = 0; // colours after the grid's last cell
};

// Puts the palette's colours into cells startCell, startCell + 1, ... while cells remain; a start
// outside 1..cells.size() - 1 places nothing.
Placement PlaceColors(std::span<Color> cells, const Palette& palette, int startCell);

// "Imported 3 colours into cells 5 to 7." and, when some did not fit, how many were left out.
std::string PlacementMessage(const Placement& placement, int startCell);

} // namespace pelmora
