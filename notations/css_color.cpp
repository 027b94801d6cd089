#include "notations/css_color.h"

#include "color/ascii_case.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

using Space = CssSpace;

constexpr std::array<CssSpaceInfo, 14> kSpaces = {{
    {Space::Srgb, "srgb", {"r", "g", "b"}},
    {Space::SrgbLinear, "srgb-linear", {"r", "g", "b"}},
    {Space::DisplayP3, "display-p3", {"r", "g", "b"}},
    {Space::A98Rgb, "a98-rgb", {"r", "g", "b"}},
    {Space::ProphotoRgb, "prophoto-rgb", {"r", "g", "b"}},
    {Space::Rec2020, "rec2020", {"r", "g", "b"}},
    {Space::XyzD50, "xyz-d50", {"x", "y", "z"}},
    {Space::XyzD65, "xyz-d65", {"x", "y", "z"}},
    {Space::Lab, "lab", {"l", "a", "b"}},
    {Space::Lch, "lch", {"l", "c", "h"}, 2},
    {Space::Oklab, "oklab", {"l", "a", "b"}},
    {Space::Oklch, "oklch", {"l", "c", "h"}, 2},
    {Space::Hsl, "hsl", {"h", "s", "l"}, 0},
    {Space::Hwb, "hwb", {"h", "w", "b"}, 0},
}};

// CSS's analogous components: a component missing before a conversion stays missing after it
// when the other space has a component of the same kind.
enum class Analog { Red, Green, Blue, Lightness, Colorfulness, Hue, OpposingA, OpposingB, Own };

std::array<Analog, 3> AnalogsOf(Space space)
{
    switch (space) {
    case Space::Lab:
    case Space::Oklab:
        return {Analog::Lightness, Analog::OpposingA, Analog::OpposingB};
    case Space::Lch:
    case Space::Oklch:
        return {Analog::Lightness, Analog::Colorfulness, Analog::Hue};
    case Space::Hsl:
        return {Analog::Hue, Analog::Colorfulness, Analog::Lightness};
    case Space::Hwb:
        return {Analog::Hue, Analog::Own, Analog::Own};
    default:
        return {Analog::Red, Analog::Green, Analog::Blue};
    }
}

bool IsSrgbCylinder(Space space) { return space == Space::Srgb || space == Space::Hsl || space == Space::Hwb; }

Triple TripleOf(const std::array<double, 3>& c) { return {c[0], c[1], c[2]}; }

double SignedDecode(double v) { return std::copysign(DecodeSrgb(std::fabs(v)), v); }
double SignedEncode(double v) { return std::copysign(EncodeSrgb(std::fabs(v)), v); }
Triple Decoded(Triple t) { return {SignedDecode(t.a), SignedDecode(t.b), SignedDecode(t.c)}; }
Triple Encoded(Triple t) { return {SignedEncode(t.a), SignedEncode(t.b), SignedEncode(t.c)}; }

// Encoded sRGB of the sRGB spaces and their cylinders, without a trip through XYZ, so that
// rgb(), hsl() and hwb() land exactly where CSS's own formulas put them.
Triple CylinderToSrgb(Space space, Triple c)
{
    switch (space) {
    case Space::Hsl:
        return HslToSrgb(c);
    case Space::Hwb:
        return HwbToSrgb(c);
    default:
        return c;
    }
}

Triple SrgbToCylinder(Space space, Triple rgb)
{
    switch (space) {
    case Space::Hsl:
        return SrgbToHsl(rgb);
    case Space::Hwb:
        return SrgbToHwb(rgb);
    default:
        return rgb;
    }
}

Triple ToXyzD65(Space space, Triple c)
{
    switch (space) {
    case Space::Srgb:
    case Space::Hsl:
    case Space::Hwb:
        return LinearSrgbToXyzD65(Decoded(CylinderToSrgb(space, c)));
    case Space::SrgbLinear:
        return LinearSrgbToXyzD65(c);
    case Space::Lch:
        return XyzD50ToD65(LabToXyzD50(PolarToRectangular(c)));
    case Space::Lab:
        return XyzD50ToD65(LabToXyzD50(c));
    case Space::Oklch:
        return OklabToXyzD65(PolarToRectangular(c));
    case Space::Oklab:
        return OklabToXyzD65(c);
    case Space::XyzD50:
        return XyzD50ToD65(c);
    case Space::XyzD65:
    default:
        return c;
    }
}

Triple FromXyzD65(Space space, Triple xyz)
{
    switch (space) {
    case Space::Srgb:
    case Space::Hsl:
    case Space::Hwb:
        return SrgbToCylinder(space, Encoded(XyzD65ToLinearSrgb(xyz)));
    case Space::SrgbLinear:
        return XyzD65ToLinearSrgb(xyz);
    case Space::Lch:
        return RectangularToPolar(XyzD50ToLab(XyzD65ToD50(xyz)));
    case Space::Lab:
        return XyzD50ToLab(XyzD65ToD50(xyz));
    case Space::Oklch:
        return RectangularToPolar(XyzD65ToOklab(xyz));
    case Space::Oklab:
        return XyzD65ToOklab(xyz);
    case Space::XyzD50:
        return XyzD65ToD50(xyz);
    case Space::XyzD65:
    default:
        return xyz;
    }
}

// A hue that has no colour to turn is powerless, and CSS treats it as missing after a conversion.
bool HueIsPowerless(Space space, const std::array<double, 3>& c)
{
    switch (space) {
    case Space::Hsl:
        return std::fabs(c[1]) < 1e-6 || c[2] <= 1e-6 || c[2] >= 100 - 1e-6;
    case Space::Hwb:
        return c[1] + c[2] >= 100 - 1e-3;
    case Space::Lch:
        return c[1] <= 0.0015;
    case Space::Oklch:
        return c[1] <= 0.000004;
    default:
        return false;
    }
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

const CssSpaceInfo& InfoOf(CssSpace space) { return kSpaces[static_cast<std::size_t>(space)]; }

std::optional<CssSpace> CssSpaceNamed(std::string_view name, bool cylindersAndLab)
{
    if (EqualsIgnoringCase(name, "xyz"))
        return Space::XyzD65;
    for (const CssSpaceInfo& info : kSpaces) {
        const bool rgbOrXyz = info.space <= Space::XyzD65;
        if ((rgbOrXyz || cylindersAndLab) && EqualsIgnoringCase(name, info.name))
            return info.space;
    }
    return std::nullopt;
}

bool ConvertsToXyz(CssSpace space)
{
    return space != Space::DisplayP3 && space != Space::A98Rgb && space != Space::ProphotoRgb
        && space != Space::Rec2020;
}

CssColor ConvertCss(const CssColor& color, CssSpace space)
{
    if (color.space == space)
        return color;
    std::array<double, 3> given = color.channels;
    for (std::size_t i = 0; i < 3; ++i)
        if (color.missing[i])
            given[i] = 0;
    const Triple converted = IsSrgbCylinder(color.space) && IsSrgbCylinder(space)
        ? SrgbToCylinder(space, CylinderToSrgb(color.space, TripleOf(given)))
        : FromXyzD65(space, ToXyzD65(color.space, TripleOf(given)));
    CssColor result = color;
    result.space = space;
    result.legacy = false;
    result.channels = {converted.a, converted.b, converted.c};
    const auto from = AnalogsOf(color.space);
    const auto to = AnalogsOf(space);
    for (std::size_t i = 0; i < 3; ++i) {
        result.missing[i] = false;
        for (std::size_t j = 0; j < 3; ++j)
            if (color.missing[j] && from[j] == to[i] && to[i] != Analog::Own)
                result.missing[i] = true;
    }
    const int hue = InfoOf(space).hue;
    if (hue >= 0 && HueIsPowerless(space, result.channels))
        result.missing[static_cast<std::size_t>(hue)] = true;
    return result;
}

CssColor InterpolateCss(const CssColor& from, const CssColor& to, double t, CssSpace space, HueInterpolation method)
{
    CssColor a = ConvertCss(from, space);
    CssColor b = ConvertCss(to, space);
    CssColor result;
    result.space = space;
    // A component missing on one side takes the other side's value.
    for (std::size_t i = 0; i < 3; ++i) {
        if (a.missing[i] && !b.missing[i])
            a.channels[i] = b.channels[i];
        else if (b.missing[i] && !a.missing[i])
            b.channels[i] = a.channels[i];
        result.missing[i] = a.missing[i] && b.missing[i];
    }
    if (a.alphaMissing && !b.alphaMissing)
        a.alpha = b.alpha;
    else if (b.alphaMissing && !a.alphaMissing)
        b.alpha = a.alpha;
    result.alphaMissing = a.alphaMissing && b.alphaMissing;

    const int hueIndex = InfoOf(space).hue;
    if (hueIndex >= 0) {
        const auto h = static_cast<std::size_t>(hueIndex);
        double& h1 = a.channels[h];
        double& h2 = b.channels[h];
        h1 = NormalizeHue(h1);
        h2 = NormalizeHue(h2);
        const double d = h2 - h1;
        switch (method) {
        case HueInterpolation::Shorter:
            if (d > 180)
                h1 += 360;
            else if (d < -180)
                h2 += 360;
            break;
        case HueInterpolation::Longer:
            if (d > 0 && d < 180)
                h1 += 360;
            else if (d > -180 && d <= 0)
                h2 += 360;
            break;
        case HueInterpolation::Increasing:
            if (d < 0)
                h2 += 360;
            break;
        case HueInterpolation::Decreasing:
            if (d > 0)
                h1 += 360;
            break;
        }
    }
    // Premultiplied: a transparent colour weighs nothing.
    const double alphaA = result.alphaMissing ? 1 : a.alpha;
    const double alphaB = result.alphaMissing ? 1 : b.alpha;
    result.alpha = Lerp(alphaA, alphaB, t);
    for (std::size_t i = 0; i < 3; ++i) {
        if (static_cast<int>(i) == hueIndex) {
            result.channels[i] = NormalizeHue(Lerp(a.channels[i], b.channels[i], t));
            continue;
        }
        const double mixed = Lerp(a.channels[i] * alphaA, b.channels[i] * alphaB, t);
        result.channels[i] = result.alpha == 0 ? mixed : mixed / result.alpha;
    }
    return result;
}

Color CssColorToRgb(const CssColor& color, bool* mapped)
{
    if (mapped)
        *mapped = false;
    const CssColor srgb = ConvertCss(color, Space::Srgb);
    const Triple encoded = TripleOf(srgb.channels);
    // Per channel clamping: legacy colours are clamped as CSS clamps rgb(); wide colours are mapped.
    const auto byte = [](double v) { return UnitToByte(std::clamp(v, 0.0, 1.0)); };
    return RGB(byte(encoded.a), byte(encoded.b), byte(encoded.c));
}

} // namespace pelmora
