// The picker controller's colours from outside the picker: a screen pick, a paste, a drop.

#include "controller/picker_controller.h"

#include "color/hsb.h"

namespace pelmora {

// --- a colour from outside: the screen, the clipboard, a drop ------------------------------------

PickerChange PickerController::ExactColorChosen(Color color)
{
    const Channels rgb = SplitChannels(color);
    const HsbNumbers hsb = HsbOfColor(rgb);
    texts_.Write(EntryBox::Hue, hsb.h, change_);
    texts_.Write(EntryBox::Saturation, hsb.s, change_);
    texts_.Write(EntryBox::Brightness, hsb.b, change_);
    // The mode is redone for the numbers just written, which puts both markers where a mode
    // button puts them.
    if (grids_.kind() == PresetKind::Picker)
        DrawMode();
    else
        DrawColorReadout(rgb, GetHexVal(rgb.r, rgb.g, rgb.b));
    MakeCurrentAndShow(color);
    return TakeChange();
}

} // namespace pelmora
