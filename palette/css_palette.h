#pragma once
// Palettes as CSS custom properties, which a browser applies as they are:
//
//   :root {
//     --red: #ff0000;
//     --cell-2: #123456;
//   }

#include "palette/palette.h"

#include <string>
#include <string_view>

namespace pelmora {

// Each colour's name becomes a custom property name: lower case, every character that cannot
// stand in a CSS name replaced by '-', and "-2", "-3"... added to a name already used.
std::string WriteCss(const Palette& palette);

// The custom property name WriteCss gives `name` (before making it unique), without the "--".
std::string CssPropertyName(std::string_view name);

// Every declaration inside a rule block must hold one colour that `reader` reads ("!important" is
// ignored); its property name, without a leading "--", names the colour. Comments, selectors and
// at-rules without a block are skipped; nested blocks are read too.
PaletteReadResult ReadCss(std::string_view bytes, const ColorReader& reader);

} // namespace pelmora
