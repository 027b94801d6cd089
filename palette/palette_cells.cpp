#include "palette/palette_cells.h"

#include "color/shown_color.h"
#include "notations/named_colors.h"

#include <algorithm>

namespace pelmora {
namespace {

PaletteEntry NamedEntry(Color stored, const SystemColors& systemColors, const ColorNamer& namer, std::string fallback)
{
    const Color shown = ShownColor(stored, systemColors);
    std::optional<std::string> name;
    if (namer)
        name = namer(shown);
    return {name ? std::move(*name) : std::move(fallback), shown};
}

std::string Plural(std::size_t count, std::string_view word)
{
    return std::to_string(count) + " " + std::string(word) + (count == 1 ? "" : "s");
}

} // namespace

std::optional<std::string> CssColorName(Color color)
{
    // A system colour code is no colour of its own; the caller names the colour it shows as.
    if (!color.isRgb())
        return std::nullopt;
    const std::optional<std::string_view> name = CssNameOf(color);
    return name ? std::optional<std::string>(*name) : std::nullopt;
}

Palette PaletteFromCells(std::span<const Color> cells, CellSelection selection, const SystemColors& systemColors,
    const ColorNamer& namer, const CellMarks& blackSet)
{
    Palette palette{"Pelmora custom colours", kPaletteGridColumns, {}};
    for (std::size_t cell = 1; cell < cells.size(); ++cell) {
        if (selection == CellSelection::SetOnly && cells[cell] == Color::black()
            && !(cell < blackSet.size() && blackSet.test(cell)))
            continue;
        palette.entries.push_back(NamedEntry(cells[cell], systemColors, namer, "cell " + std::to_string(cell)));
    }
    return palette;
}

Palette PaletteFromHistory(std::span<const Color> history, const SystemColors& systemColors, const ColorNamer& namer)
{
    Palette palette{"Pelmora colour history", kPaletteHistoryColumns, {}};
    for (std::size_t slot = 0; slot < history.size(); ++slot)
        palette.entries.push_back(
            NamedEntry(history[slot], systemColors, namer, "history " + std::to_string(slot + 1)));
    return palette;
}

Placement PlaceColors(std::span<Color> cells, const Palette& palette, int startCell)
{
    const std::size_t count = palette.entries.size();
    if (startCell < 1 || static_cast<std::size_t>(startCell) >= cells.size())
        return {0, count};
    const std::size_t room = cells.size() - static_cast<std::size_t>(startCell);
    const std::size_t placed = std::min(count, room);
    for (std::size_t i = 0; i < placed; ++i)
        cells[static_cast<std::size_t>(startCell) + i] = palette.entries[i].color;
    return {placed, count - placed};
}

std::string PlacementMessage(const Placement& placement, int startCell)
{
    std::string message;
    if (placement.placed == 0)
        message = "Imported no colours.";
    else if (placement.placed == 1)
        message = "Imported 1 colour into cell " + std::to_string(startCell) + ".";
    else
        message = "Imported " + Plural(placement.placed, "colour") + " into cells " + std::to_string(startCell) + " to "
            + std::to_string(static_cast<std::size_t>(startCell) + placement.placed - 1) + ".";
    if (placement.leftOut > 0)
        message += " " + Plural(placement.leftOut, "colour") + (placement.leftOut == 1 ? " was" : " were")
            + " left out: the grid has no more cells.";
    return message;
}

} // namespace pelmora
