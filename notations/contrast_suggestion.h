#pragma once
// The nearest colour that reaches a contrast level against a background: the colour's own OKLCh hue
// and chroma, its lightness moved up or down as little as will pass, the chroma cut only where sRGB
// cannot hold it (CSS gamut mapping). The result is an 8-bit colour, and it is that rounded colour,
// not the lightness before rounding, that is checked against the level.

#include "color/color.h"

#include <array>
#include <optional>
#include <string_view>

namespace pelmora {

// The levels a suggestion can aim at, named as the command line names them.
struct SuggestionLevel {
    std::string_view name;
    double minimum; // WCAG 2 ratio to reach
};

inline constexpr std::array<SuggestionLevel, 3> kSuggestionLevels = {{
    {"AA", 4.5},
    {"AAA", 7.0},
    {"AA-large", 3.0},
}};

// Exact, case-insensitive ("aa-large" too); nullopt for any other text.
std::optional<SuggestionLevel> SuggestionLevelNamed(std::string_view name);

struct ContrastSuggestion {
    enum class Outcome {
        AlreadyPasses, // the colour itself reaches the level: nothing to suggest
        Found,
        Unreachable, // not even black or white reaches it (7:1 against a mid grey)
    };
    Outcome outcome = Outcome::AlreadyPasses;
    Color color; // the suggestion when Found, otherwise the colour itself
    double lightness = 0; // the OKLCh lightness (0..1) the colour was taken at when Found
};

// When darker and lighter are equally near, the darker wins. Well under a millisecond: two binary
// searches of a few dozen gamut mappings each.
ContrastSuggestion NearestPassingColor(Color color, Color background, double minimumRatio);

} // namespace pelmora
