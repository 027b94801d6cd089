#pragma once
// Everything the picker shows, as one value: what undo keeps for every step and brings back.

#include "color/channels.h"
#include "color/color.h"
#include "controller/preset_grids.h"
#include "picker/picker.h"

#include <array>
#include <optional>
#include <string>

namespace pelmora {

enum class PickerMode { Hue, Saturation, Brightness };

// The chosen colour as the window shows it: the codes, New, the channel boxes and the H, S, B
// boxes. A change of any of them is what makes an action an undo step.
struct PickerChoice {
    std::optional<Color> chosen; // what the codes describe; none before the first pick
    Color newColor = Color::black();
    Channels channels;
    std::array<std::string, 3> texts; // hue, saturation, brightness as typed or written
    friend bool operator==(const PickerChoice&, const PickerChoice&) = default;
};

// The small R/G/B/hex readout beside the picker.
struct ColorReadout {
    Channels rgb;
    std::string hex;
    friend bool operator==(const ColorReadout&, const ColorReadout&) = default;
};

// The choice and the picture around it: the mode, the picker or the grid shown with its selected
// cell, the field, the slider, the markers and the readout.
struct PickerSnapshot {
    PickerChoice choice;
    PickerMode mode = PickerMode::Hue;
    PresetKind kind = PresetKind::Picker;
    int selectedCell = 1;
    PickerPicture picture;
    std::optional<ColorReadout> readout;
    friend bool operator==(const PickerSnapshot&, const PickerSnapshot&) = default;
};

} // namespace pelmora
