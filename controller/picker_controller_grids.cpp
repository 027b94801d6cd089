// The picker controller's preset grids: the custom colours with the file they are kept in, and the
// web-safe palette.

#include "controller/picker_controller.h"

#include "color/code_formats.h"
#include "color/safe_palette.h"

namespace pelmora {

// --- the preset grids and the custom colours ----------------------------------------------------

PickerChange PickerController::PresetsClicked()
{
    surface_.Clear();
    if (grids_.kind() != PresetKind::Picker)
        ReturnToPicker();
    else
        OpenGrids();
    change_.surface = true;
    change_.presentation = true;
    return TakeChange();
}

void PickerController::ReturnToPicker()
{
    surface_.Clear();
    picker_.ToggleFieldMarker();
    // The cleared slider has no marker; drawn before the mode is redone, the mode's own
    // off-then-on move leaves exactly one marker, at the row it computes.
    picker_.DrawSliderMarker(SliderMarkerRow(picker_.sliderMarkerY()));
    ApplyMode();
    grids_.Close();
}

// The add colour is the New colour of the moment the grids open.
void PickerController::OpenGrids()
{
    grids_.Open();
    history_.addColor = history_.newColor;
    change_.swatches = true;
}

PickerChange PickerController::GridChosen(PresetGrid grid)
{
    grids_.Show(grid);
    change_.surface = true;
    change_.presentation = true;
    return TakeChange();
}

// There is no drag state in a grid: every press or move over a cell selects it again.
void PickerController::PickPaletteCell(double x, double y)
{
    const int cell = PresetGrids::CellAt(x, y);
    if (cell == 0)
        return;
    grids_.Select(cell);
    change_.surface = true;

    // The black cells after the 216 web-safe colours are picked as black.
    Color color = Color::black();
    if (grids_.kind() == PresetKind::CustomColors)
        color = grids_.userColor(cell);
    else if (const std::optional<SafeColor> safe = SafeColorAt(cell))
        color = safe->color;
    model_.MakeCurrent(color);
    ShowNew(color);
    const Channels rgb = SplitChannels(color);
    const std::string hex = GetHexVal(rgb.r, rgb.g, rgb.b);
    DrawColorReadout(rgb, hex);
}

// The New swatch and the code fields stay as they are.
PickerChange PickerController::AddClicked()
{
    if (std::optional<std::string> error = grids_.AddToSelected(history_.addColor))
        change_.message = UserMessage{std::move(*error), false};
    change_.surface = true;
    return TakeChange();
}

PickerChange PickerController::ImportColors(std::span<const Color> colors, std::string note)
{
    if (std::optional<std::string> error = grids_.StoreFromSelected(colors))
        change_.message = UserMessage{std::move(*error), false};
    else if (!note.empty())
        change_.message = UserMessage{std::move(note), false};
    change_.surface = true;
    change_.presentation = true;
    return TakeChange();
}

PickerChange PickerController::SystemColorsChanged()
{
    if (grids_.kind() == PresetKind::Picker) {
        // The field marker may cross the field frame: off before the frames, on again after.
        picker_.ToggleFieldMarker();
        picker_.DrawFieldFrame();
        picker_.DrawSliderFrame();
        picker_.ToggleFieldMarker();
    } else {
        grids_.RedrawHighlight();
    }
    change_.surface = true;
    return TakeChange();
}

} // namespace pelmora
