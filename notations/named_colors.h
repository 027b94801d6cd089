#pragma once
// The 148 named colours of CSS, the exact name of a colour and the nearest one by OKLab distance.

#include "color/color.h"

#include <optional>
#include <span>
#include <string_view>

namespace pelmora {

struct NamedColor {
    std::string_view name; // lower case, as CSS lists it
    Color color;
};

// In alphabetical order; several names share a colour (aqua and cyan, gray and grey, ...).
std::span<const NamedColor> CssNamedColors();

// The colour of a name, compared without case.
std::optional<Color> CssColorOfName(std::string_view name);

// The name of exactly this colour (the first in alphabetical order), if it has one.
std::optional<std::string_view> CssNameOf(Color color);

struct NameMatch {
    std::string_view name;
    bool exact = false;
    // ΔEOK from the colour to the name's colour (0 for an exact name), OKLab's L counted 0..1.
    double distance = 0;
    // "= orange" or "≈ darkorange" (UTF-8).
    std::string text() const;
};

// The colour's own name when it has one (the first in alphabetical order when it has several),
// otherwise the name whose colour is nearest in OKLab (Euclidean distance; a tie goes to the
// name that comes first).
NameMatch NearestCssName(Color color);

} // namespace pelmora
