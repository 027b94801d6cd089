#pragma once
// The WCAG 2.x contrast ratio of two colours and the levels it passes.

#include "color/color.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

struct ContrastLevel {
    std::string_view name;
    double minimum; // the ratio needed, passed when ratio >= minimum
};

// WCAG 2's five: AA and AAA for normal text, each with its large-text form, and user-interface
// parts (non-text contrast).
inline constexpr std::array<ContrastLevel, 5> kContrastLevels = {{
    {"AA", 4.5},
    {"AA large", 3.0},
    {"AAA", 7.0},
    {"AAA large", 4.5},
    {"UI", 3.0},
}};

// WCAG's relative luminance of the colour's 8-bit channels: 0 for black, 1 for white. (The
// threshold of its linear segment, 0.03928 in older texts and 0.04045 in newer ones, falls
// between two 8-bit levels, so both give the same value here.)
double RelativeLuminance(Color color);

struct Contrast {
    double ratio = 1; // (lighter + 0.05) / (darker + 0.05), 1 to 21
    std::array<bool, kContrastLevels.size()> passes{};

    // "4.54:1": to the nearest hundredth, trailing zeros dropped ("21:1", "4.5:1"), except that a
    // ratio just below a level is cut down instead of rounded up (4.499 prints 4.49:1), so the figure
    // never shows a level the colours fail.
    std::string ratioText() const;
    // The names of the levels passed, separated by blanks ("AA AA large AAA large UI"), or "none".
    std::string levelsText() const;
};

// Symmetric: the order of the two colours does not matter.
Contrast ContrastOf(Color first, Color second);

} // namespace pelmora
