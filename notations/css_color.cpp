#include "notations/css_color.h"

#include "color/ascii_case.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

using Space = CssSpace;

// CSS's analogous components: a component missing before a conversion stays missing after it
// when the other space has a component of the same kind.
enum class Analog { Red, Green, Blue, Lightness, Colorfulness, Hue, OpposingA, OpposingB, Own };

constexpr std::array<Analog, 3> AnalogsOf(Space space)
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

// For each component of `to`, the component of `from` of the same kind (or -1): a missing one there
// makes this one missing. Worked out once for every pair of spaces.
using AnalogSources = std::array<int, 3>;
constexpr AnalogSources AnalogSourcesOf(Space from, Space to)
{
    const auto sources = AnalogsOf(from);
    const auto targets = AnalogsOf(to);
    AnalogSources result{-1, -1, -1};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            if (sources[j] == targets[i] && targets[i] != Analog::Own)
                result[i] = static_cast<int>(j);
    return result;
}

constexpr auto kAnalogSources = SpacePairTable(AnalogSourcesOf);

Triple TripleOf(const std::array<double, 3>& c) { return {c[0], c[1], c[2]}; }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

std::array<std::string_view, 3> ChannelKeywordsOf(CssSpace space)
{
    switch (space) {
    case Space::XyzD50:
    case Space::XyzD65:
        return {"x", "y", "z"};
    case Space::Lab:
    case Space::Oklab:
        return {"l", "a", "b"};
    case Space::Lch:
    case Space::Oklch:
        return {"l", "c", "h"};
    case Space::Hsl:
        return {"h", "s", "l"};
    case Space::Hwb:
        return {"h", "w", "b"};
    default:
        return {"r", "g", "b"};
    }
}

CssColor ConvertCss(const CssColor& color, CssSpace space)
{
    if (color.space == space)
        return color;
    std::array<double, 3> given = color.channels;
    for (std::size_t i = 0; i < 3; ++i)
        if (color.missing[i])
            given[i] = 0;
    const Triple converted = ConvertColor(TripleOf(given), color.space, space);
    CssColor result = color;
    result.space = space;
    result.legacy = false;
    result.channels = {converted.a, converted.b, converted.c};
    const AnalogSources& sources
        = kAnalogSources[static_cast<std::size_t>(color.space)][static_cast<std::size_t>(space)];
    for (std::size_t i = 0; i < 3; ++i) {
        const int source = sources[i];
        result.missing[i] = source >= 0 && color.missing[static_cast<std::size_t>(source)];
        // A powerless hue (of a grey) comes back NaN: CSS treats it as missing.
        if (std::isnan(result.channels[i])) {
            result.channels[i] = 0;
            result.missing[i] = true;
        }
    }
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

    const int hueIndex = HueIndex(space);
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

MappedColor CssColorToRgb(const CssColor& color)
{
    std::array<double, 3> channels = color.channels;
    for (std::size_t i = 0; i < 3; ++i)
        if (color.missing[i])
            channels[i] = 0;
    if (!color.legacy)
        return ToSrgbColor(TripleOf(channels), color.space);
    // rgb(), hsl() and hwb() are clamped into sRGB channel by channel, as CSS clamps them. Hex
    // colours and names are sRGB already: no conversion (a NaN counts as 0, as ConvertColor takes it).
    const auto zeroIfNan = [](double v) { return std::isnan(v) ? 0.0 : v; };
    const Triple srgb = color.space == Space::Srgb
        ? Triple{zeroIfNan(channels[0]), zeroIfNan(channels[1]), zeroIfNan(channels[2])}
        : ConvertColor(TripleOf(channels), color.space, Space::Srgb);
    const auto byte = [](double v) { return UnitToByte(std::clamp(v, 0.0, 1.0)); };
    return {RGB(byte(srgb.a), byte(srgb.b), byte(srgb.c)), false};
}

} // namespace pelmora
