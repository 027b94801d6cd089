#pragma once
// Adobe swatch exchange files (.ase), big-endian throughout:
//
//   "ASEF", version 1.0 (two 16-bit numbers), number of blocks (32-bit)
//   then blocks of: type (16-bit), length of the rest of the block (32-bit), content
//     0xC001 group start: name length in UTF-16 units with the final NUL (16-bit), UTF-16BE name, NUL
//     0xC002 group end:   no content
//     0x0001 colour:      name as above, model "RGB " / "CMYK" / "LAB " / "Gray",
//                         one 32-bit float per component (0..1), kind (16-bit: 0 global, 1 spot, 2 normal)
//
// Pelmora writes one group named after the palette holding RGB colours of kind normal.

#include "palette/palette.h"

#include <string>
#include <string_view>

namespace pelmora {

std::string WriteAse(const Palette& palette);

// Reads RGB, Gray and CMYK colours (CMYK by the plain formula, without a colour profile) in and out
// of groups; the first group's name names the palette. Lab colours are refused: they need a white
// point and a profile to become RGB. Errors name the byte offset of the block at fault.
PaletteReadResult ReadAse(std::string_view bytes);

} // namespace pelmora
