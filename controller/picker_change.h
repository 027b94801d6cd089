#pragma once
// What one user action changed, as the picker controller reports it to the window.

#include "color/channels.h"

#include <optional>
#include <string>

namespace pelmora {

struct UserMessage {
    std::string text;
    bool returnFocusToHue = false; // the hue box takes the focus back once the message is closed
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// Texts are set only when present, so a box the action did not write keeps its cursor and undo
// history.
struct PickerChange {
    bool surface = false; // the picture was drawn on: show it
    bool codes = false; // the code texts (ColorModel::codes) were rewritten
    bool swatches = false; // New, Old, the history or the add colour may differ
    bool presentation = false; // picker or grid shown: the controls around it follow the grids' kind
    bool contrast = false; // the contrast line's background or the level it aims at changed
    std::optional<std::string> hueText;
    std::optional<std::string> saturationText;
    std::optional<std::string> brightnessText;
    std::optional<Channels> channels; // the red, green and blue boxes
    std::optional<UserMessage> message;
};

} // namespace pelmora
