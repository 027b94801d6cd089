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
        key = key << 8 | static_cast<unsigned char>(c);
    // The capitals of all bytes made small at once: each byte below 0x80 whose low seven bits
    // are 'A' to 'Z' gets bit 5. No sum carries into the next byte.
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHigh = kOnes * 0x80;
    const std::uint64_t low = key & ~kHigh;
    const std::uint64_t fromA = low + kOnes * (0x80 - 'A');
    const std::uint64_t pastZ = low + kOnes * (0x80 - 'Z' - 1);
    return key | (fromA & ~pastZ & ~key & kHigh) >> 2;
}

} // namespace pelmora
