#pragma once
// Words from the command line quoted back in messages. A terminal acts on control characters
// (ESC starts a command sequence, so does the C1 character CSI), so a bad value is shown with
// every such character written out instead of reaching the terminal.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// `text` with C0 controls, DEL and backslashes written as C escapes ("\e", "\x7f", "\\"), C1
// controls and the bidirectional embeddings, overrides and isolates (U+202A to U+202E, U+2066 to
// U+2069) written as "\u009b" and "\u202e", and bytes that are not UTF-8 written as "\xff". Every other
// character, including all printable non-ASCII text, is kept as it is.
std::string PrintableText(std::string_view text);

// The length of the UTF-8 sequence at the start of `text` (not empty) and its code point, or 0 when
// the bytes there are not one (overlong forms and surrogates included).
std::size_t Utf8Sequence(std::string_view text, char32_t& codePoint);

} // namespace pelmora
