#pragma once
// Palettes as JSON:
//
//   {
//     "name": "Pelmora custom colours",
//     "columns": 16,
//     "colors": [
//       {"name": "red", "hex": "#FF0000", "rgb": [255, 0, 0]},
//       {"name": "cell 2", "hex": "#123456", "rgb": [18, 52, 86]}
//     ]
//   }
//
// "colors" is required; "name" and "columns" (0..256) are optional. Each colour is an object with
// "hex" (any colour notation, read first) or "rgb" (three whole numbers 0..255) and an optional
// "name"; a colour may also be a plain string such as "#FF0000". Other keys are ignored.

#include "palette/palette.h"

#include <string>
#include <string_view>

namespace pelmora {

std::string WriteJsonPalette(const Palette& palette);

PaletteReadResult ReadJsonPalette(std::string_view bytes, const ColorReader& reader);

} // namespace pelmora
