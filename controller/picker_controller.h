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
#include "controller/picker_snapshot.h"
#include "controller/preset_grids.h"
#include "controller/undo_history.h"
#include "picker/picker.h"
#include "picker/surface.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pelmora {

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

    // Undo and redo (picker_controller_undo.cpp). Every action that changes the chosen colour (the
    // codes, New, the channel boxes or the H, S, B texts) is one step, whatever else it changes; an
    // action that changes only the picture (a mode without a pick, the grids shown) is carried in
    // the state around it. A press on the surface is one step with everything up to its release;
    // the keys typed into one box are one step once the box is done (TypingEnded, or any other
    // action). Undo brings the whole snapshot back, picture included; Keep, Add and imports write
    // files and are neither undone nor steps. Nothing happens while the button is held.
    PickerChange Undo();
    PickerChange Redo();
    bool canUndo() const;
    bool canRedo() const;
    // Return pressed in an H, S or B box, or the focus gone from it.
    void TypingEnded();
    PickerSnapshot Snapshot() const;

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
    // Every action ends here: the step it made is recorded, and its change record handed out.
    PickerChange TakeChange();
    void RecordStep();
    void CommitTyping();
    // `now` is the state the next step starts from; it is a step of its own if the choice differs.
    void Settle(PickerSnapshot now);
    void Restore(const PickerSnapshot& snapshot);
    PickerChange RestoreFrom(std::optional<PickerSnapshot> snapshot);
    Color Point(double x, double y) const;
    Color HueColorAtSliderMarker(int column) const;
    void ShowChannels(Channels rgb)
    {
        channels_ = rgb;
        change_.channels = rgb;
    }
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
    Channels channels_{255, 0, 0}; // what the channel boxes show: pure red at first, under the marker
    struct ReadoutDrawn {
        ColorReadout readout;
        std::uint64_t clears = 0; // the surface's clear count when drawn: a clear since has wiped it
    };
    std::optional<ReadoutDrawn> readout_;
    ContrastCheck contrast_;
    PickerChange change_; // what the action under way has changed so far

    UndoHistory<PickerSnapshot> undo_;
    PickerSnapshot settled_; // the state after the last action, the one the next step starts from
    bool pressed_ = false; // the left button went down on the surface and is not yet released
    std::optional<EntryBox> typedNow_; // set by an action that is a key typed into this box
    struct Typing {
        EntryBox box;
        PickerSnapshot after; // the state after the last key typed
    };
    std::optional<Typing> typing_; // keys typed into a box that are not yet a step
};

} // namespace pelmora
