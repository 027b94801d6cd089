#pragma once
// The red, green and blue numbers of a colour value as the picker hands them around: 16-bit signed,
// 0..255 for RGB colours, non-positive for negative values (system codes, -1).

#include "color/color.h"

#include <cstdint>

namespace pelmora {

struct Channels {
    std::int16_t r = 0;
    std::int16_t g = 0;
    std::int16_t b = 0;
    friend constexpr bool operator==(const Channels&, const Channels&) = default;
};

// Split with truncating division and a remainder that takes the sign of the dividend, so a
// negative value gives non-positive channels: -1 -> (-1, 0, 0), &H8000000F -> (-241, -255, -255).
// C++'s / and % on signed integers are exactly those operations.
constexpr Channels SplitChannels(Color color)
{
    const std::int32_t c = color.value();
    const std::int32_t t = c / 256;
    return Channels{static_cast<std::int16_t>(c % 256), static_cast<std::int16_t>(t % 256),
        static_cast<std::int16_t>((t / 256) % 256)};
}

} // namespace pelmora
