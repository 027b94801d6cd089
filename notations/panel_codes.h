#pragma once
// The output panel's codes as the panel writes them, read strictly: the one place that knows them,
// used by every reader of colour text before CSS and the other notations.

#include "color/color.h"

#include <optional>
#include <string_view>

namespace pelmora {

// Accepted (surrounding blanks ignored, names and hex digits in either case):
//   decimal value        65535, -1, -2147483633 (signed 32-bit)
//   HTML colour          #RRGGBB
//   hexadecimal literal  &HBBGGRR& or &HBBGGRR (1 to 8 digits, 8 digits read as two's complement:
//                        &H8000000F& is a system colour code)
//   RGB call             RGB(r, g, b), each 0..255, blanks anywhere between the parts
//   palette code         QBColor(n), n 0..15
//   constant name        vbBlack ... vbWhite, and the 25 system colour names (their system code)
// Anything else, trailing text and out-of-range numbers included, gives nullopt.
std::optional<Color> ParseColorNotation(std::string_view text);

// One line naming the accepted notations, for error messages.
inline constexpr std::string_view kAcceptedNotations
    = "a decimal value (65535, -1), #RRGGBB, &HBBGGRR&, RGB(r, g, b), QBColor(n) "
      "or a constant name (vbYellow, vbButtonFace)";

} // namespace pelmora
