#pragma once
// GIMP palettes (.gpl): the text GIMP, Inkscape and Krita read and write.
//
//   GIMP Palette
//   Name: Pelmora custom colours
//   Columns: 16
//   #
//   255   0   0	red
//
// The first line is exactly "GIMP Palette"; each colour row holds red, green and blue (0..255,
// right-aligned in three columns as GIMP writes them), a tab and the colour's name.

#include "palette/palette.h"

#include <string>
#include <string_view>

namespace pelmora {

std::string WriteGpl(const Palette& palette);

// Reads what GIMP reads: "Name:" and "Columns:" lines, '#' comments, blank lines, rows of three
// numbers 0..255 with an optional name. A UTF-8 byte-order mark is skipped.
PaletteReadResult ReadGpl(std::string_view bytes);

} // namespace pelmora
