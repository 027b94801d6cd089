#include "notations/color_spaces.h"

#include "color/rounding.h"
#include "notations/color_matrices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace pelmora {
namespace {

// fmod's remainder, to the bit. Hues mostly lie within a turn or two of 0, where it is the value
// itself or one exact subtraction (x - p is exact for p <= x <= 2p); fmod's long division is left
// to the rest.
double Remainder(double value, double period)
{
    const double magnitude = std::fabs(value);
    if (magnitude < period)
        return value;
    if (magnitude < 2 * period)
        return std::copysign(magnitude - period, value);
    return std::fmod(value, period);
}

// D50 reference white from its chromaticity, as CSS computes it.
constexpr Triple kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double kLabEpsilon = 216.0 / 24389;
constexpr double kLabKappa = 24389.0 / 27;

} // namespace

// A tie exact on paper may land a rounding error below 0.5 in doubles: hwb(120 30% 50%) gives green
// 0.2 + 0.3 = 0.49999999999999994, and 255 times that just misses the tie that CSS rounds up. The slack
// is far above such errors and far below any step a text means.
constexpr double kTieSlack = 1e-9;

int UnitToByte(double encoded) { return std::clamp(HalfUpNearest(encoded * 255.0 + kTieSlack), 0, 255); }

Triple LinearSrgbToXyzD65(Triple rgb) { return Multiply(kLinearSrgbToXyz, rgb); }
Triple XyzD65ToLinearSrgb(Triple xyz) { return Multiply(kXyzToLinearSrgb, xyz); }
Triple XyzD65ToD50(Triple xyz) { return Multiply(kD65ToD50, xyz); }
Triple XyzD50ToD65(Triple xyz) { return Multiply(kD50ToD65, xyz); }

Triple XyzD50ToLab(Triple xyz)
{
    const auto f = [](double value) { return value > kLabEpsilon ? std::cbrt(value) : (kLabKappa * value + 16) / 116; };
    const double fx = f(xyz.a / kD50White.a);
    const double fy = f(xyz.b / kD50White.b);
    const double fz = f(xyz.c / kD50White.c);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Triple LabToXyzD50(Triple lab)
{
    const double fy = (lab.a + 16) / 116;
    const double fx = lab.b / 500 + fy;
    const double fz = fy - lab.c / 200;
    const double x = Cube(fx) > kLabEpsilon ? Cube(fx) : (116 * fx - 16) / kLabKappa;
    const double y = lab.a > kLabKappa * kLabEpsilon ? Cube((lab.a + 16) / 116) : lab.a / kLabKappa;
    const double z = Cube(fz) > kLabEpsilon ? Cube(fz) : (116 * fz - 16) / kLabKappa;
    return {x * kD50White.a, y * kD50White.b, z * kD50White.c};
}

Triple XyzD65ToOklab(Triple xyz)
{
    const Triple lms = Multiply(kXyzToLms, xyz);
    return Multiply(kLmsToOklab, {std::cbrt(lms.a), std::cbrt(lms.b), std::cbrt(lms.c)});
}

Triple OklabToXyzD65(Triple oklab)
{
    const Triple lms = Multiply(kOklabToLms, oklab);
    return Multiply(kLmsToXyz, {Cube(lms.a), Cube(lms.b), Cube(lms.c)});
}

double NormalizeHue(double degrees)
{
    double hue = Remainder(degrees, 360.0);
    if (hue < 0)
        hue += 360.0;
    return hue >= 360.0 ? 0.0 : hue;
}

double HueOf(Triple lab) { return NormalizeHue(std::atan2(lab.c, lab.b) * 180 / std::numbers::pi); }

Triple RectangularToPolar(Triple lab) { return {lab.a, ChromaOf(lab), HueOf(lab)}; }

Triple PolarToRectangular(Triple lch)
{
    const double radians = lch.c * std::numbers::pi / 180;
    return {lch.a, lch.b * std::cos(radians), lch.b * std::sin(radians)};
}

Triple SrgbToHsl(Triple rgb)
{
    const double max = std::max({rgb.a, rgb.b, rgb.c});
    const double min = std::min({rgb.a, rgb.b, rgb.c});
    const double light = (min + max) / 2;
    const double d = max - min;
    double hue = 0;
    double sat = 0;
    if (d != 0) {
        sat = (light == 0 || light == 1) ? 0 : (max - light) / std::min(light, 1 - light);
        if (max == rgb.a)
            hue = (rgb.b - rgb.c) / d + (rgb.b < rgb.c ? 6 : 0);
        else if (max == rgb.b)
            hue = (rgb.c - rgb.a) / d + 2;
        else
            hue = (rgb.a - rgb.b) / d + 4;
        hue *= 60;
    }
    return {NormalizeHue(hue), sat * 100, light * 100};
}

Triple HslToSrgb(Triple hsl)
{
    const double hue = NormalizeHue(hsl.a);
    const double sat = hsl.b / 100;
    const double light = hsl.c / 100;
    const auto f = [&](double n) {
        const double k = Remainder(n + hue / 30, 12.0);
        const double a = sat * std::min(light, 1 - light);
        return light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple SrgbToHwb(Triple rgb)
{
    const Triple hsl = SrgbToHsl(rgb);
    const double white = std::min({rgb.a, rgb.b, rgb.c});
    const double black = 1 - std::max({rgb.a, rgb.b, rgb.c});
    return {hsl.a, white * 100, black * 100};
}

Triple HwbToSrgb(Triple hwb)
{
    const double white = hwb.b / 100;
    const double black = hwb.c / 100;
    if (white + black >= 1) {
        const double gray = white / (white + black);
        return {gray, gray, gray};
    }
    const Triple rgb = HslToSrgb({hwb.a, 100, 50});
    const auto mix = [&](double channel) { return channel * (1 - white - black) + white; };
    return {mix(rgb.a), mix(rgb.b), mix(rgb.c)};
}

Triple LinearOf(Color color)
{
    return {ByteToLinear(color.red()), ByteToLinear(color.green()), ByteToLinear(color.blue())};
}

Triple EncodedOf(Color color) { return {color.red() / 255.0, color.green() / 255.0, color.blue() / 255.0}; }

// As with UnitToByte: light a rounding error below the midpoint between two levels counts as on it,
// and so goes up (display-p3's grey 0.5 arrives a hair below the midpoint of 127 and 128).
constexpr double kLinearTieSlack = 1e-12;

Color ColorOfLinear(Triple linear)
{
    const auto byte = [](double light) { return LinearToByte(light + kLinearTieSlack); };
    return RGB(byte(linear.a), byte(linear.b), byte(linear.c));
}

Color ColorOfEncoded(Triple encoded)
{
    return RGB(UnitToByte(encoded.a), UnitToByte(encoded.b), UnitToByte(encoded.c));
}

} // namespace pelmora
