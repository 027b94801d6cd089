#pragma once
// A short name in one number with its capital letters made small, for lookups that are asked of
// every word of a text: one comparison, or one switch, instead of a comparison byte by byte.

#include "color/ascii_case.h"

#include <cstdint>
#include <string_view>

namespace pelmora {

// Names of at most this many bytes have a key; a leading 1 keeps "\0ab" apart from "ab".
inline constexpr std::size_t kLongestFoldedName = 7;

// The key of `name`, equal for two names exactly when they are equal without case; 0 (the key of
// no name) when it is longer than kLongestFoldedName.
constexpr std::uint64_t FoldedNameKey(std::string_view name)
{
    if (name.size() > kLongestFoldedName)
        return 0;
    std::uint64_t key = 1;
    for (const char c : name)
        key = key << 8 | static_cast<unsigned char>(AsciiLower(c));
    return key;
}

} // namespace pelmora
