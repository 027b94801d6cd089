#pragma once
// The main window's state and what each user action does to it, without a single widget. The
// window reports an action here and applies the change record it gets back in one place; no widget
// holds state that is read back. The colour of every pick is read back from the painted surface.

#include "color/channels.h"
#include "color/color.h"
#include "color/color_model.h"
#include "color/hsb.h"
#include "color/system_colors.h"
#include "controller/color_history.h"
#include "controller/contrast_check.h"
#include "controller/entry_texts.h"
#include "controller/picker_change.h"
#include "controller/preset_grids.h"
#include "picker/picker.h"
#include "picker/surface.h"

#include <optional>
#include <span>
#include <string>

namespace pelmora {

enum class PickerMode { Hue, Saturation, Brightness };

class PickerController {
public:
    // Both must outlive the controller; the store keeps the custom colours between runs.
    PickerController(const SystemColors& systemColors, UserColorsStore& userColors);
    PickerController(const PickerController&) = delete;
    PickerController& operator=(const PickerController&) = delete;

    // The picture of a new window: the hue strip, both markers and the Hue-mode field for pure red.
    PickerChange Start();

    // The left button on the surface, in surface pixels: pressed, moved while held, and any button
    // released. In a grid the press and the move pick the cell under the pointer.
    PickerChange LeftPressed(double x, double y);
    PickerChange LeftDragged(double x, double y);
    PickerChange Released();
    // An arrow key on the picker: the field marker moves one pixel (and picks there), or in a grid
    // the selection moves one cell, within the field or the grid.
    PickerChange ArrowPressed(int dx, int dy);

    // A mode button was clicked, also the one already selected: the field and slider are repainted
    // and both markers placed for the typed values. Hue mode then picks the colour under the field
    // marker; Saturation and Brightness modes pick nothing until the next click.
    PickerChange ModeChosen(PickerMode mode);

    // The text of a box as the user left it, with no action (an edit that released no key).
    void BoxEdited(EntryBox box, std::string text);
    // A key released in a box holding `text`.
    PickerChange HueTyped(std::string text);
    PickerChange SaturationTyped(std::string text);
    PickerChange BrightnessTyped(std::string text);
    // The focus left the hue box: only the check.
    PickerChange HueLeft();

    PickerChange KeepClicked();
    PickerChange SwatchClicked(SwatchRef swatch);
    // The New swatch takes `color` and it becomes current, as after a pick; the boxes and the
    // picture stay as they are.
    PickerChange SetNewColor(Color color);
    // The 18 history swatches take `kept` (newest first): the history of an earlier run, or all
    // black for "Clear History". New and Old stay as they are.
    PickerChange SetHistory(const std::array<Color, kHistoryLength>& kept);

    // A colour from outside the picker (picked from the screen, pasted or dropped as a code) becomes
    // the current colour exactly: the codes, the channel boxes and the New swatch show it as it is,
    // even where the nearest field pixel differs by a step, and the H, S, B boxes its whole numbers.
    // In the picker the markers follow by those numbers in every mode, as a mode button would place
    // them (Hue mode repaints the field for the hue; Saturation and Brightness modes repaint the
    // slider and move its marker to the saturation or brightness). With a grid shown the grid
    // stays as it is and the readout beside it describes the colour, as after a cell pick; the
    // numbers wait in the boxes and place the markers on the way back to the picker.
    PickerChange ExactColorChosen(Color color);

    // The Presets button: between the picker and the grids.
    PickerChange PresetsClicked();
    PickerChange GridChosen(PresetGrid grid);
    PickerChange AddClicked();
    // Colours read from a palette go into the custom cells from the selected one on, as many as
    // fit, and are saved; the custom grid shows them as saved. `note` (what was left out) is shown
    // once they are saved; a failed save shows why instead and changes nothing.
    PickerChange ImportColors(std::span<const Color> colors, std::string note);
    int selectedCell() const { return grids_.selectedCell(); }

    // The contrast line compares the current colour with `background` from now on (an RGB colour;
    // anything else changes nothing), or aims its suggestion at `level` (AA or AAA).
    PickerChange BackgroundChosen(Color background);
    PickerChange ContrastAimChosen(const SuggestionLevel& level);

    // The desktop's colours changed: the frames and the highlight are drawn in the new ones.
    PickerChange SystemColorsChanged();

    // Writes the small readout beside the picker over a freshly erased box.
    void DrawColorReadout(Channels rgb, const std::string& hex);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    Picker& picker() { return picker_; }
    const Picker& picker() const { return picker_; }
    const ColorModel& colorModel() const { return model_; }
    PickerMode mode() const { return mode_; }
    PresetKind presetKind() const { return grids_.kind(); }
    bool fieldDragging() const { return fieldDragging_; }
    bool sliderDragging() const { return sliderDragging_; }
    const std::string& boxText(EntryBox box) const { return texts_.text(box); }
    const ColorHistory& history() const { return history_; }
    const ContrastCheck& contrastCheck() const { return contrast_; }
    const UserColorArray& userColors() const { return grids_.userColors(); }
    const CustomColors& customColors() const { return grids_.customColors(); }

private:
    PickerChange TakeChange();
    Color Point(double x, double y) const;
    Color HueColorAtSliderMarker(int column) const;
    void ShowChannels(Channels rgb) { change_.channels = rgb; }
    void ShowNew(Color color);
    // A pick's end: `color` becomes current, and the channel boxes and New show it.
    void MakeCurrentAndShow(Color color);

    void PickFieldPoint(double x, double y);
    void PickSliderPoint(double y);
    void ShowColorFromSB(std::int16_t saturation, std::int16_t brightness);
    void ShowMarkerColor();
    PickerChange MoveMarkerForTypedValue(int x, int y);
    // The field, the slider and both markers for the mode and the numbers in the boxes; in Hue
    // mode the colour under the field marker is then picked.
    void ApplyMode();
    void DrawMode();
    void DrawHueMode();
    void DrawSaturationOrBrightnessMode();

    void ReturnToPicker();
    void OpenGrids();
    void PickPaletteCell(double x, double y);

    Surface surface_;
    Picker picker_;
    ColorModel model_;
    PresetGrids grids_;
    PickerMode mode_ = PickerMode::Hue;
    bool fieldDragging_ = false;
    bool sliderDragging_ = false;
    EntryTexts texts_;
    ColorHistory history_;
    ContrastCheck contrast_;
    PickerChange change_; // what the action under way has changed so far
};

} // namespace pelmora
