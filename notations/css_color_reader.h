#pragma once
// Reads a CSS <color> as CSS Color 4 and 5 write it: hex, names, transparent, rgb(), hsl(), hwb(),
// lab(), lch(), oklab(), oklch(), color(), color-mix(), the relative form `from C` of each
// function, and calc() wherever a component is a number, a percentage or an angle.
//
// What a colour text cannot say on its own is refused with the reason: currentcolor and the
// system colours (they come from the element and the browser), light-dark() (the page's colour
// scheme), var() and attr() (the style sheet and the document). Functions nest at most
// kMostNestingDepth deep.

#include "notations/css_calc.h"
#include "notations/css_color.h"
#include "notations/read_result.h"
#include "notations/text_scanner.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace pelmora {

// One colour starting at the scanner (blanks before it skipped); the scanner stops right after
// it. On failure `error` says where and why.
std::optional<CssColor> ReadCssColorAt(TextScanner& scan, int depth, ReadResult& error);

// Whether `name` before '(' is a function the reader knows: a colour function, or one it refuses
// with its reason (var(), light-dark() ...). Compared without case.
bool NamesCssColorFunction(std::string_view name);

// The whole text as one CSS colour. When `functions` is not empty the colour must be a call of
// one of them ("rgb", "rgba"); the others are left to their own notations.
ReadResult ReadCssColorText(std::string_view text, std::initializer_list<std::string_view> functions = {});

} // namespace pelmora
