#pragma once
// Printing numbers for notations: integers, and fractions with the fewest decimals that still read
// back as the same 8-bit colour. Integer arithmetic and std::to_chars only, never the locale.

#include "color/color.h"
#include "notations/color_spaces.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

void AppendInteger(std::string& out, std::int64_t value);
// `name(r<separator>g<separator>b)` with whole channels: "rgb(255 128 0)", "QColor(255, 128, 0)".
void AppendChannelCall(std::string& out, std::string_view name, Color color, std::string_view separator);
// `scaled` / 10^decimals, trailing zeros (and a bare point) dropped: (5020, 4) -> "0.502".
void AppendScaled(std::string& out, std::int64_t scaled, int decimals);
// `value` with exactly `decimals` decimals (half to even on the binary value).
void AppendFixed(std::string& out, double value, int decimals);

// A notation of three fractional numbers, described so that the search below can print it.
struct FractionalLayout {
    // Decimals of each component beyond the common count: components on a small scale (OKLab's
    // a and b) need more than a percentage beside them.
    std::array<int, 3> extraDecimals{};
    // The component that is a hue and the one whose zero makes it powerless (-1 for none): a hue
    // beside a chroma or saturation printed as 0 is printed as 0 too.
    int hue = -1;
    int chroma = -1;
    // The exact components of a colour, in the units printed.
    Triple (*components)(Color) = nullptr;
    // Components in the units printed back to a colour: the same function the reader ends in, so
    // what the search accepts is what reading the text gives.
    Color (*color)(Triple) = nullptr;
};

struct FractionalText {
    std::array<std::int64_t, 3> scaled{};
    std::array<int, 3> decimals{};
};

// The fewest common decimals (0 to 9, plus each component's extra) at which the rounded components
// give `color` back.
FractionalText FewestDecimals(const FractionalLayout& layout, Color color);

} // namespace pelmora
