#include "color/rounding.h"

#include <cmath>
#include <limits>

namespace pelmora {
namespace {

// `whole` already has no fraction; clamp before converting, which is what makes the cast defined.
template <typename Int> Int SaturateWhole(double whole)
{
    if (std::isnan(whole))
        return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (whole <= lo)
        return std::numeric_limits<Int>::min();
    if (whole >= hi)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(whole);
}

// std::nearbyint honours the current rounding mode; the program never changes it from
// round-to-nearest-even, so this is the tie-to-even rounding the picker arithmetic needs.
double TiesToEven(double value) { return std::nearbyint(value); }

} // namespace

int EvenNearest(double value) { return SaturateWhole<int>(TiesToEven(value)); }

int HalfUpNearest(double value)
{
    // Not floor(value + 0.5): that sum rounds 0.49999999999999994 up to 1. The fraction below is exact.
    const double down = std::floor(value);
    return SaturateWhole<int>(value - down >= 0.5 ? down + 1 : down);
}

std::int16_t EvenNearest16(double value) { return SaturateWhole<std::int16_t>(TiesToEven(value)); }

int FloorToInt(double value) { return SaturateWhole<int>(std::floor(value)); }

} // namespace pelmora
