#pragma once
// The one reader of colour text: what is pasted or dropped on the window, the values of
// `pelmora codes` and `pelmora contrast`, the colours of an imported palette. It owns the order in
// which notations are tried and the rules where they differ:
//
// - The output panel's codes come first and are read strictly: `RGB(r, g, b)` in capitals is the
//   panel's code and takes whole numbers 0 to 255 only; any other spelling (rgb(), Rgb()) is CSS,
//   which clamps, so `RGB(300, 0, 0)` is refused everywhere and `rgb(300, 0, 0)` is red everywhere.
// - Then CSS (short hex, names, every function, calc(), color-mix(), relative colours) and the
//   programming literals of the notation table.
// - The wrapping a copied value carries is taken off: blanks and line ends, one pair of quotes, a
//   final ';', `!important`, and a CSS declaration or custom property (`color: #abcdef;`,
//   `--brand: oklch(62% 0.2 29)`) reads as its value.
// - A text that is not one colour as a whole but holds exactly one colour among other words reads
//   as that colour; two or more are refused with a message saying how many.

#include "color/system_colors.h"
#include "notations/read_result.h"

#include <string_view>

namespace pelmora {

// System colour names and codes resolve through `systemColors`, so they give the desktop's colours.
// On failure the message is that of the notation that read furthest.
ReadResult ReadAnyColor(std::string_view text, const SystemColors& systemColors);

// As ReadAnyColor, but a system colour stays its code (Color::isSystemCode) and the panel's other
// values that are not colours (a negative decimal) are given as they are, for the callers that
// print or store codes.
ReadResult ReadAnyColorKeepingCodes(std::string_view text);

} // namespace pelmora
