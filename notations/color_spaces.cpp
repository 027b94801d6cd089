#include "notations/color_spaces.h"

#include "color/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace pelmora {
namespace {

using Matrix = Matrix3;

// The matrices as CSS Color 4 publishes them (its sample conversion code).
constexpr Matrix kLinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kD65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix kD50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Matrix kXyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix kLmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kOklabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};

constexpr Matrix Product(const Matrix& left, const Matrix& right)
{
    Matrix product{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            product[i][j] = left[i][0] * right[0][j] + left[i][1] * right[1][j] + left[i][2] * right[2][j];
    return product;
}
constexpr Matrix kLinearSrgbToLms = Product(kXyzToLms, kLinearSrgbToXyz);

// D50 reference white from its chromaticity, as CSS computes it.
constexpr Triple kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double kLabEpsilon = 216.0 / 24389;
constexpr double kLabKappa = 24389.0 / 27;

double Cube(double x) { return x * x * x; }

} // namespace

Triple Multiply(const Matrix3& m, Triple v)
{
    return {m[0][0] * v.a + m[0][1] * v.b + m[0][2] * v.c, m[1][0] * v.a + m[1][1] * v.b + m[1][2] * v.c,
        m[2][0] * v.a + m[2][1] * v.b + m[2][2] * v.c};
}

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

Triple LinearSrgbToOklab(Triple rgb, double (*cubeRoot)(double))
{
    const Triple lms = Multiply(kLinearSrgbToLms, rgb);
    return Multiply(kLmsToOklab, {cubeRoot(lms.a), cubeRoot(lms.b), cubeRoot(lms.c)});
}

Triple OklabToXyzD65(Triple oklab)
{
    const Triple lms = Multiply(kOklabToLms, oklab);
    return Multiply(kLmsToXyz, {Cube(lms.a), Cube(lms.b), Cube(lms.c)});
}

double NormalizeHue(double degrees)
{
    double hue = std::fmod(degrees, 360.0);
    if (hue < 0)
        hue += 360.0;
    return hue >= 360.0 ? 0.0 : hue;
}

Triple RectangularToPolar(Triple lab)
{
    const double chroma = std::sqrt(lab.b * lab.b + lab.c * lab.c);
    return {lab.a, chroma, NormalizeHue(std::atan2(lab.c, lab.b) * 180 / std::numbers::pi)};
}

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
        const double k = std::fmod(n + hue / 30, 12.0);
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
