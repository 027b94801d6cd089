#pragma once
// Reads a colour from pasted or dropped text in any notation the program knows: the notation
// engine's, and those `pelmora codes` reads (QBColor(n), vbYellow, system colour names and codes).

#include "color/system_colors.h"
#include "notations/read_result.h"

#include <string_view>

namespace pelmora {

// The text may have blanks or line ends around it, one pair of quotes, and a final ';' (a CSS
// declaration's value). A system colour is read as the colour `systemColors` gives it. On failure
// the message is that of the notation that read furthest.
ReadResult ReadAnyColor(std::string_view text, const SystemColors& systemColors);

} // namespace pelmora
