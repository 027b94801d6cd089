#pragma once
// The absolute colour functions as they are mostly written, with plain numbers, percentages,
// angles and none: rgb(1 2 3), hsl(120deg 50% 50% / 0.5), rgba(255, 0, 0, 50%),
// color(display-p3 1 0 0). A text full of such colours is read at a fraction of the general
// reader's cost, to the same bits.

#include "notations/css_color.h"
#include "notations/css_color_reader.h"
#include "notations/css_function_names.h"
#include "notations/text_scanner.h"

#include <optional>
#include <string_view>

namespace pelmora {

// The arguments of the function `function`, the scanner standing right after its '('. Nullopt, the
// scanner left where it was, for anything else: calc(), a relative colour, another function, an
// exponent or a long number, and every text that does not read (the general reader reads those,
// and says why). On success the scanner stands after the ')'. A colour only counted is checked
// without its values: those of plain components never decide whether the text reads.
std::optional<CssColor> ReadPlainCssFunction(
    CssFunction function, TextScanner& scan, CssColorUse use = CssColorUse::Shown);

// How many characters of `arguments`, the text after the '(' of `function`, up to and with the ')'
// the quick reader would read, or 0 where it would not or this check is unsure. Only the kinds of
// the components are checked, in one look at each character: what a colour only counted needs.
std::size_t PlainCssFunctionLength(CssFunction function, std::string_view arguments);

// Whether two colours are the same to the bit, NaN channels included: what the quick reader
// promises of its colours against the general reader's.
bool IdenticalCssColors(const CssColor& a, const CssColor& b);

} // namespace pelmora
