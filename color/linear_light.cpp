#include "color/linear_light.h"

#include "color/rounding.h"

#include <array>
#include <cmath>

namespace pelmora {
namespace {

// The 256 decoded values, computed once: decoding is the hot part of a 5 x 5 average per frame.
const std::array<double, 256>& LinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int c = 0; c < 256; ++c) {
            const double encoded = c / 255.0;
            values[c] = encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

} // namespace

double SrgbToLinear(int channel) { return LinearTable()[channel < 0 ? 0 : (channel > 255 ? 255 : channel)]; }

int LinearToSrgb(double linear)
{
    if (!(linear > 0.0))
        return 0;
    if (linear >= 1.0)
        return 255;
    const double encoded = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return EvenNearest(encoded * 255.0);
}

Color AverageInLinearLight(std::span<const Color> colors)
{
    if (colors.empty())
        return Color::none();
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    for (const Color color : colors) {
        red += SrgbToLinear(color.red());
        green += SrgbToLinear(color.green());
        blue += SrgbToLinear(color.blue());
    }
    const double count = static_cast<double>(colors.size());
    return RGB(LinearToSrgb(red / count), LinearToSrgb(green / count), LinearToSrgb(blue / count));
}

} // namespace pelmora
