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
#include "notations/css_function_names.h"
#include "notations/nested_color_reads.h"
#include "notations/read_result.h"
#include "notations/text_scanner.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace pelmora {

// What a colour is read for: to be shown, or only to be counted (a text holding several colours
// is refused with their number), for which where it ends and whether it reads are all that
// matter: a relative colour's origin is not converted for its channel keywords and color-mix()
// does not mix. Neither changes whether a text reads nor where it fails, which only the types of
// values decide, never the values themselves.
enum class CssColorUse { Shown, Counted };

// One colour starting at the scanner (blanks before it skipped); the scanner stops right after
// it. On failure `error` says where and why. A colour only counted has no meaningful channels.
// The functions nested in it go into `nestedReads`, when given.
std::optional<CssColor> ReadCssColorAt(TextScanner& scan, int depth, ReadResult& error,
    CssColorUse use = CssColorUse::Shown, NestedColorReads* nestedReads = nullptr);

// As ReadCssColorAt for the call of `name` (looked up as `named`) starting at `start`, the scanner
// right after its '(', for a caller that has read the name and tried ReadPlainCssFunction already.
std::optional<CssColor> ReadCssFunctionAt(TextScanner& scan, CssFunction named, std::string_view name,
    std::size_t start, ReadResult& error, CssColorUse use, NestedColorReads* nestedReads = nullptr);

// As ReadCssColorAt, the plain forms too read by the general reader: what the quick reader of
// plain_css_color.h is checked against.
std::optional<CssColor> ReadCssColorGenerally(TextScanner& scan, ReadResult& error);

// Whether `name` before '(' is a function the reader knows: a colour function, or one it refuses
// with its reason (var(), light-dark() ...). Compared without case.
bool NamesCssColorFunction(std::string_view name);

// The whole text as one CSS colour. When `functions` is not empty the colour must be a call of
// one of them ("rgb", "rgba"); the others are left to their own notations.
ReadResult ReadCssColorText(std::string_view text, std::initializer_list<std::string_view> functions = {});

} // namespace pelmora
