#pragma once
// The two grids of 224 cells that can take the picker's place: the user's custom colours, kept in a
// store between runs, and the web-safe palette. Both share the selected cell.

#include "color/color.h"
#include "color/system_colors.h"
#include "palette/set_cells.h"
#include "picker/picker.h"

#include <optional>
#include <span>
#include <string>

namespace pelmora {

// What the picker's area shows: the field and slider, or one of the two grids.
enum class PresetKind { Picker, CustomColors, SafePalette };
// The entries of the grid list, in the order they are listed.
enum class PresetGrid { CustomColors = 0, SafePalette = 1 };

// Where the custom colours are kept between runs.
class UserColorsStore {
public:
    virtual ~UserColorsStore() = default;
    // All black and nothing set when there is nothing to read.
    virtual CustomColors Load() = 0;
    // Stores `color` in `cell` of the colours kept now (another running copy may have stored other
    // cells since they were read), marks it set and saves them all. `colors` becomes what was saved;
    // it is left as it is when nothing was. On any failure a sentence for the user naming where and
    // why is returned.
    virtual std::optional<std::string> StoreCell(int cell, Color color, CustomColors& colors) = 0;
    // As StoreCell for the cells firstCell, firstCell + 1, ... taking `cellColors` in order.
    virtual std::optional<std::string> StoreCells(
        int firstCell, std::span<const Color> cellColors, CustomColors& colors)
        = 0;
};

class PresetGrids {
public:
    // All three must outlive the grids.
    PresetGrids(Picker& picker, const SystemColors& systemColors, UserColorsStore& store);

    PresetKind kind() const { return kind_; }
    const UserColorArray& userColors() const { return custom_.colors; }
    // The custom colours with the marks of the cells set to black.
    const CustomColors& customColors() const { return custom_; }
    Color userColor(int cell) const { return custom_.colors[static_cast<std::size_t>(cell)]; }

    // The grids open on the custom colours, painted as if chosen from the list, which reads the
    // store once more.
    void Open();
    // Clears the surface and paints `grid`; the custom colours are read from the store first.
    void Show(PresetGrid grid);
    // The picker takes the grids' place again; the caller repaints it.
    void Close() { kind_ = PresetKind::Picker; }
    // Paints the grid of `kind` again onto a cleared surface from the colours in memory, with the
    // selected cell highlighted, as undo needs; the store is not read.
    void ShowAgain(PresetKind kind);

    // The cell under (x, y), 0 for none: points on a cell's edge and in the gaps hit nothing.
    static int CellAt(double x, double y);
    // The highlight moves to `cell`, which becomes the selected one.
    void Select(int cell);
    void RedrawHighlight();
    // Stores `color` in the selected custom cell, repaints it and saves that cell. The colour stays
    // in the grid even when the save fails; then the store's sentence saying why is returned.
    std::optional<std::string> AddToSelected(Color color);
    // Stores `cellColors` in the custom cells from the selected one on (as many as fit) and saves
    // them as AddToSelected saves one. The custom grid is shown afterwards; on failure it shows the
    // colours as they were.
    std::optional<std::string> StoreFromSelected(std::span<const Color> cellColors);
    int selectedCell() const { return picker_.selectedCell(); }

private:
    void LoadUserColors();
    void PaintUserCell(int cell);
    void ShowSaved(const CustomColors& saved);

    Picker& picker_;
    const SystemColors& systemColors_;
    UserColorsStore& store_;
    PresetKind kind_ = PresetKind::Picker;
    CustomColors custom_;
};

} // namespace pelmora
