#pragma once
// The custom colours file's text: 225 lines, one colour value a line, CR LF line ends. Each value is
// written as a file print writes a number: a blank before a non-negative number (a minus sign
// before a negative one), the digits, one trailing blank. Line 1 holds element 0, which belongs to
// no grid cell; lines 2..225 hold cells 1..224.

#include "color/color.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

inline constexpr int kUserColorCount = 225;
using UserColorArray = std::array<Color, kUserColorCount>;

// The file's bytes for `colors`.
std::string FormatUserColors(const UserColorArray& colors);

// The colours in `text`. Each line's leading number counts, blanks ignored, rounded to the nearest
// 32-bit integer (halves to even); a line without a number, or with one outside the 32-bit range,
// gives 0. CR LF, CR and LF all end a line. Lines missing at the end give 0 (black); lines after the
// 225th are ignored. Never fails.
UserColorArray ParseUserColors(std::string_view text);

} // namespace pelmora
