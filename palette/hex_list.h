#pragma once
// The plainest palette: one colour a line. Written as "#RRGGBB" lines; read in any notation.

#include "palette/palette.h"

#include <string>
#include <string_view>

namespace pelmora {

std::string WriteHexList(const Palette& palette);

// Every line that is not blank holds one colour that `reader` reads; the colours have no names.
PaletteReadResult ReadColorLines(std::string_view bytes, const ColorReader& reader);

} // namespace pelmora
