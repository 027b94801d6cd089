#pragma once
// Fraction-to-integer conversion of the picker: nearest integer, halves to the even neighbour.
// Kept private to picker/ so the renderers do not depend on the colour model's helpers.

#include <cstdint>

namespace pelmora::picker_detail {

constexpr std::int64_t EvenNearest(double value)
{
    // Truncation toward zero, then a correction that works in constant expressions too.
    const auto truncated = static_cast<std::int64_t>(value);
    const double fraction = value - static_cast<double>(truncated);
    if (fraction > 0.5 || (fraction == 0.5 && (truncated & 1) != 0))
        return truncated + 1;
    if (fraction < -0.5 || (fraction == -0.5 && (truncated & 1) != 0))
        return truncated - 1;
    return truncated;
}

// Adding and subtracting 1.5 * 2^52 rounds to the nearest integer with halves to even in the
// default rounding mode, for |value| < 2^51; unlike nearbyint it vectorises.
inline constexpr double kRoundingMagic = 6755399441055744.0;

// Without fast-math the compiler must keep both operations, so this is exact by the standard.
inline double EvenNearestFast(double value)
{
    return (value + kRoundingMagic) - kRoundingMagic;
}

} // namespace pelmora::picker_detail
