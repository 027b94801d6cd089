// The picker controller's colours from outside the picker: a screen pick, a paste, a drop.

#include "mainwindow/picker_controller.h"

#include "color/hsb.h"
#include "picker/hsb_positions.h"

namespace pelmora {

// --- a colour from outside: the screen, the clipboard, a drop ------------------------------------

PickerChange PickerController::ExactColorChosen(Color color)
{
    const Channels rgb = SplitChannels(color);
    const HsbNumbers hsb = HsbOfColor(rgb);
    texts_.Write(EntryBox::Hue, hsb.h, change_);
    texts_.Write(EntryBox::Saturation, hsb.s, change_);
    texts_.Write(EntryBox::Brightness, hsb.b, change_);
    if (grids_.kind() == PresetKind::Picker)
        PlaceMarkersFor(hsb);
    else
        DrawColorReadout(rgb, GetHexVal(rgb.r, rgb.g, rgb.b));
    // Last, so that the colours read from the surface on the way leave neither the codes nor the
    // New swatch behind.
    ShowChannels(model_.SplitColor(color));
    ShowNew(color);
    return TakeChange();
}

// The mode is redone for the numbers just written, which puts the field marker (and in Hue mode the
// slider marker) where a mode button puts them; in Saturation and Brightness modes the slider
// marker, which a mode button leaves alone, moves to the colour's saturation or brightness.
void PickerController::PlaceMarkersFor(const HsbNumbers& hsb)
{
    ApplyMode();
    if (mode_ == PickerMode::Saturation)
        picker_.MoveSliderMarker(static_cast<float>(SliderYFromPercent(hsb.s)));
    else if (mode_ == PickerMode::Brightness)
        picker_.MoveSliderMarker(static_cast<float>(SliderYFromPercent(hsb.b)));
}

} // namespace pelmora
