#pragma once
// Case-insensitive comparison of the ASCII letters that notations and names are written in; bytes
// outside A-Z compare as they are, whatever the locale.

#include <string_view>

namespace pelmora {

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    // Most words are compared with a name written as they are: equal bytes need no folding.
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

} // namespace pelmora
