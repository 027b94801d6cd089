#pragma once
// What the band's contrast line compares and offers: the current colour against a background (white
// until the user chooses another), and, when the pair fails the level the user aims at (AA until
// AAA is chosen), the nearest colour of the same hue that passes.

#include "color/color.h"
#include "notations/contrast.h"
#include "notations/contrast_suggestion.h"

#include <optional>

namespace pelmora {

// The levels the line can aim at, named as the command line names them.
inline constexpr SuggestionLevel kAimAA = kSuggestionLevels[0];
inline constexpr SuggestionLevel kAimAAA = kSuggestionLevels[1];

struct ContrastReading {
    Contrast contrast;
    // The nearest passing colour, only while the pair fails the level aimed at and some colour of
    // that hue passes.
    std::optional<Color> suggestion;
};

class ContrastCheck {
public:
    Color background() const { return background_; }
    const SuggestionLevel& aim() const { return aim_; }

    // Only an RGB colour can be a background (the window resolves system colours first); any other
    // value is refused and the background stays.
    bool SetBackground(Color background);
    // Only AA and AAA are aimed at; any other level is refused.
    bool SetAim(const SuggestionLevel& level);

    ContrastReading Read(Color current) const;

private:
    Color background_ = Color::white();
    SuggestionLevel aim_ = kAimAA;
};

} // namespace pelmora
