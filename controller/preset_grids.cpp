#include "controller/preset_grids.h"

#include "color/shown_color.h"

#include <algorithm>

namespace pelmora {

PresetGrids::PresetGrids(Picker& picker, const SystemColors& systemColors, UserColorsStore& store)
    : picker_(picker)
    , systemColors_(systemColors)
    , store_(store)
{
}

void PresetGrids::Open()
{
    kind_ = PresetKind::CustomColors;
    LoadUserColors();
    Show(PresetGrid::CustomColors);
}

void PresetGrids::Show(PresetGrid grid)
{
    Surface& surface = picker_.surface();
    surface.Clear();
    if (grid == PresetGrid::CustomColors) {
        LoadUserColors();
        kind_ = PresetKind::CustomColors;
    } else {
        picker_.DrawSafePalette();
        surface.Refresh();
        kind_ = PresetKind::SafePalette;
    }
}

void PresetGrids::ShowAgain(PresetKind kind)
{
    kind_ = kind;
    if (kind == PresetKind::CustomColors) {
        for (int i = 1; i <= CellCount; ++i)
            PaintUserCell(i);
        picker_.DrawCellHighlight(picker_.selectedCell());
    } else if (kind == PresetKind::SafePalette) {
        picker_.DrawSafePalette();
    }
    picker_.surface().Refresh();
}

int PresetGrids::CellAt(double x, double y)
{
    for (int i = 1; i <= CellCount; ++i) {
        const Rect cell = CellRect(i);
        if (cell.left < x && x < cell.right && cell.top < y && y < cell.bottom)
            return i;
    }
    return 0;
}

void PresetGrids::Select(int cell)
{
    picker_.MoveCellHighlight(cell);
    picker_.surface().Refresh();
}

void PresetGrids::RedrawHighlight() { picker_.DrawCellHighlight(picker_.selectedCell()); }

std::optional<std::string> PresetGrids::AddToSelected(Color color)
{
    const int cell = picker_.selectedCell();
    custom_.store(static_cast<std::size_t>(cell), color);
    picker_.EraseCellHighlight(cell);
    PaintUserCell(cell);
    // Only this cell is stored into the colours kept now; cells another running copy stored since
    // the grid was loaded are shown as saved.
    CustomColors saved = custom_;
    std::optional<std::string> error = store_.StoreCell(cell, color, saved);
    ShowSaved(saved);
    picker_.DrawCellHighlight(cell);
    picker_.surface().Refresh();
    return error;
}

std::optional<std::string> PresetGrids::StoreFromSelected(std::span<const Color> cellColors)
{
    const int first = picker_.selectedCell();
    const std::size_t fitting = std::min(cellColors.size(), static_cast<std::size_t>(CellCount + 1 - first));
    CustomColors saved = custom_;
    std::optional<std::string> error = store_.StoreCells(first, cellColors.first(fitting), saved);
    if (kind_ != PresetKind::CustomColors) {
        // The imported colours land in the custom grid, so that is the grid to see them in.
        picker_.surface().Clear();
        kind_ = PresetKind::CustomColors;
        for (int i = 1; i <= CellCount; ++i)
            PaintUserCell(i);
    }
    picker_.EraseCellHighlight(first);
    ShowSaved(saved); // what the store could not save is left out of `saved`
    picker_.DrawCellHighlight(first);
    picker_.surface().Refresh();
    return error;
}

// Repaints the cells whose saved colour differs from the one shown: the ones just stored, and those
// another running copy stored since the grid was loaded.
void PresetGrids::ShowSaved(const CustomColors& saved)
{
    for (int i = 1; i <= CellCount; ++i) {
        const auto cell = static_cast<std::size_t>(i);
        if (saved.colors[cell] != custom_.colors[cell]) {
            custom_.colors[cell] = saved.colors[cell];
            PaintUserCell(i);
        }
    }
    custom_ = saved;
}

void PresetGrids::LoadUserColors()
{
    custom_ = store_.Load();
    picker_.surface().Clear();
    ShowAgain(PresetKind::CustomColors);
}

// A system colour code is painted in the colour the desktop gives that element now.
void PresetGrids::PaintUserCell(int cell)
{
    picker_.PaintCell(cell, ShownColor(custom_.colors[static_cast<std::size_t>(cell)], systemColors_));
}

} // namespace pelmora
