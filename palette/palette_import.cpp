#include "palette/palette_import.h"

namespace pelmora {

CellImport ImportIntoCells(
    std::span<Color> cells, PaletteFormat format, std::string_view bytes, int startCell, const ColorReader& reader)
{
    if (startCell < 1 || static_cast<std::size_t>(startCell) >= cells.size())
        return {PaletteError{PaletteError::Place::File, 0,
                    "there is no cell " + std::to_string(startCell) + "; the cells are 1 to "
                        + std::to_string(cells.size() - 1)},
            {}};
    PaletteReadResult read = ReadPalette(format, bytes, reader);
    if (!read.ok())
        return {std::move(read.error), {}};
    if (read.palette.entries.empty())
        return {PaletteError{PaletteError::Place::File, 0, "the file holds no colours"}, {}};
    return {std::nullopt, PlaceColors(cells, read.palette, startCell)};
}

} // namespace pelmora
