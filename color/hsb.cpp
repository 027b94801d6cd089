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

HsbNumbers HsbOfColor(Channels rgb)
{
    const int r = std::clamp<int>(rgb.r, 0, 255);
    const int g = std::clamp<int>(rgb.g, 0, 255);
    const int b = std::clamp<int>(rgb.b, 0, 255);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    const int spread = max - min;
    HsbNumbers hsb;
    hsb.b = EvenNearest(max * 100.0 / 255.0);
    if (spread == 0)
        return hsb; // grey: no hue, no saturation
    hsb.s = EvenNearest(spread * 100.0 / max);
    // Sixths of the hue circle measured from the channel that is largest.
    double sixths = 0;
    if (max == r)
        sixths = static_cast<double>(g - b) / spread;
    else if (max == g)
        sixths = static_cast<double>(b - r) / spread + 2.0;
    else
        sixths = static_cast<double>(r - g) / spread + 4.0;
    int hue = EvenNearest(sixths * 60.0);
    if (hue < 0)
        hue += 360;
    hsb.h = hue == 360 ? 0 : hue;
    return hsb;
}

} // namespace pelmora
