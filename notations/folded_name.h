#pragma once
// A short word in one number with its capital letters made small, for lookups that are asked of
// every word of a text: one comparison, or one switch, instead of a comparison byte by byte.

#include <cstdint>
#include <string_view>

namespace pelmora {

// Words of at most this many bytes have a key; a leading 1 keeps "\0ab" apart from "ab".
inline constexpr std::size_t kLongestFoldedName = 7;

// The key of `word`: equal to the key of a name of letters (LetterNameKey) exactly when the word is
// that name in any case, since setting bit 5 makes a small letter of the capitals and of no other
// byte. 0, the key of no name, for a word longer than kLongestFoldedName.
constexpr std::uint64_t FoldedNameKey(std::string_view word)
{
    if (word.size() > kLongestFoldedName)
        return 0;
    std::uint64_t key = 1;
    for (const char c : word)
        key = key << 8 | (static_cast<unsigned char>(c) | 0x20u);
    return key;
}

// The key of a name looked up, which must be made of small letters: worked out while compiling,
// where anything else stops the build.
constexpr std::uint64_t LetterNameKey(std::string_view name)
{
    if (name.empty() || name.size() > kLongestFoldedName)
        throw "a name with a key has one to seven letters";
    for (const char c : name)
        if (c < 'a' || c > 'z')
            throw "a name with a key is written in small letters";
    return FoldedNameKey(name);
}

} // namespace pelmora
