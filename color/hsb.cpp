#include "color/hsb.h"

#include "color/rounding.h"

#include <algorithm>
#include <cstdint>

namespace pelmora {

Color ColorOfHsb(Channels hue, int s, int b)
{
    auto channel = [s, b](int h) {
        // The blend product is an integer; it is taken exactly (64 bits) so that extreme typed
        // saturations extrapolate instead of wrapping.
        const std::int64_t blend = (255 - std::int64_t{h}) * (100 - std::int64_t{s});
        const double value = (static_cast<double>(blend) / 100.0 + h) * b / 100.0;
        return std::clamp(EvenNearest(value), 0, 255);
    };
    return RGB(channel(hue.r), channel(hue.g), channel(hue.b));
}

} // namespace pelmora
