#pragma once
// UTF-8 and UTF-16 conversion: the swatch exchange format's names, JSON's \u escapes.

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// `text` must be valid UTF-8 (see IsValidUtf8); an invalid byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Appends the UTF-8 bytes of `code` (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);
// nullopt when `text` holds an unpaired surrogate.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);

} // namespace pelmora
