#include "color/linear_light.h"

#include "color/rounding.h"
#include "color/srgb_transfer.h"

namespace pelmora {

double SrgbToLinear(int channel) { return ByteToLinear(channel); }

// Even-nearest of the encoded value, not LinearToByte's midpoint comparison: the two give different
// levels for light on a midpoint or within a rounding error of one, and averages land there (on the
// straight segment near black, the mean of two neighbouring levels is their midpoint).
int LinearToSrgb(double linear)
{
    if (!(linear > 0.0))
        return 0;
    if (linear >= 1.0)
        return 255;
    return EvenNearest(EncodeSrgb(linear) * 255.0);
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
