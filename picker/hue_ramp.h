#pragma once
// The ramp shared by the Saturation- and Brightness-mode fields: six segments over picture
// columns 0 .. 255 with bounds round(i * 42.5), a 16-bit value v(c) per column, and which channel
// takes the segment's max, min and mid value. Not the hue strip's formula (different bounds, and
// 507 - 6c where the strip has 510 - 6k).

#include "color/rounding.h"
#include "picker/geometry.h"

#include <array>
#include <cstdint>

namespace pelmora {

enum class RampRole : std::uint8_t { Max, Min, Mid };

struct RampSegment {
    int first; // first picture column
    int last; // last picture column, inclusive
    RampRole red, green, blue;
};

// round(i * s) for s = 42.5 in single precision: 42, 85, 128, 170, 212, 255.
inline std::array<int, 7> HueRampBounds()
{
    constexpr float s = static_cast<float>(FieldBottom - FieldTop) / 6.0f;
    std::array<int, 7> bounds{};
    for (int i = 1; i <= 6; ++i)
        bounds[static_cast<std::size_t>(i)] = EvenNearest(static_cast<double>(static_cast<float>(i) * s));
    return bounds;
}

inline std::array<RampSegment, 6> HueRampSegments()
{
    const auto b = HueRampBounds();
    using R = RampRole;
    return {{
        {0, b[1], R::Max, R::Min, R::Mid},
        {b[1] + 1, b[2], R::Mid, R::Min, R::Max},
        {b[2] + 1, b[3], R::Min, R::Mid, R::Max},
        {b[3] + 1, b[4], R::Min, R::Max, R::Mid},
        {b[4] + 1, b[5], R::Mid, R::Max, R::Min},
        {b[5] + 1, b[6], R::Max, R::Mid, R::Min},
    }};
}

// v(c): rising segments 6(c - previous bound - 1) (from 6c in the first), falling ones
// (6 * previous bound + 255) - 6c; negative (-3) at c = 85 and c = 255.
inline std::int16_t HueRampValue(int c)
{
    const auto b = HueRampBounds();
    int segment = 0;
    while (segment < 5 && c > b[static_cast<std::size_t>(segment + 1)])
        ++segment;
    const int previous = b[static_cast<std::size_t>(segment)];
    if (segment == 0)
        return static_cast<std::int16_t>(6 * c);
    if (segment % 2 == 0)
        return static_cast<std::int16_t>(6 * (c - previous - 1));
    return static_cast<std::int16_t>((6 * previous + 255) - 6 * c);
}

} // namespace pelmora
