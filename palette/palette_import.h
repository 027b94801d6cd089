#pragma once
// Importing a palette file into the custom colours grid, all or nothing.

#include "palette/palette_cells.h"
#include "palette/palette_formats.h"

#include <optional>
#include <span>
#include <string_view>

namespace pelmora {

struct CellImport {
    std::optional<PaletteError> error; // set when nothing was imported
    Placement placement;
};

// Reads `bytes` as `format` and places its colours from `startCell` on (see PlaceColors). `cells`
// changes only when the file was read and holds at least one colour, and `startCell` is a cell.
CellImport ImportIntoCells(std::span<Color> cells, PaletteFormat format, std::string_view bytes, int startCell,
    const ColorReader& reader = ReadColorNotationDefault());

} // namespace pelmora
