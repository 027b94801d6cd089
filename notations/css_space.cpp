#include "notations/css_space.h"

#include "color/ascii_case.h"
#include "color/srgb_transfer.h"
#include "notations/wide_gamut_spaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace pelmora {
namespace {

struct SpaceEntry {
    CssSpace space;
    std::string_view name;
};

constexpr std::array<SpaceEntry, 14> kNames = {{
    {CssSpace::Srgb, "srgb"},
    {CssSpace::SrgbLinear, "srgb-linear"},
    {CssSpace::DisplayP3, "display-p3"},
    {CssSpace::A98Rgb, "a98-rgb"},
    {CssSpace::ProphotoRgb, "prophoto-rgb"},
    {CssSpace::Rec2020, "rec2020"},
    {CssSpace::XyzD50, "xyz-d50"},
    {CssSpace::XyzD65, "xyz-d65"},
    {CssSpace::Lab, "lab"},
    {CssSpace::Lch, "lch"},
    {CssSpace::Oklab, "oklab"},
    {CssSpace::Oklch, "oklch"},
    {CssSpace::Hsl, "hsl"},
    {CssSpace::Hwb, "hwb"},
}};

// The spaces form a tree rooted at XYZ D65; each knows its parent and the step to it and back.
constexpr CssSpace Parent(CssSpace space)
{
    switch (space) {
    case CssSpace::Hsl:
    case CssSpace::Hwb:
        return CssSpace::Srgb;
    case CssSpace::Srgb:
        return CssSpace::SrgbLinear;
    case CssSpace::ProphotoRgb:
    case CssSpace::Lab:
        return CssSpace::XyzD50;
    case CssSpace::Lch:
        return CssSpace::Lab;
    case CssSpace::Oklch:
        return CssSpace::Oklab;
    default:
        return CssSpace::XyzD65;
    }
}

// How many steps each space is from XYZ D65.
constexpr int Depth(CssSpace space)
{
    int depth = 0;
    for (; space != CssSpace::XyzD65; space = Parent(space))
        ++depth;
    return depth;
}

Triple EachChannel(Triple v, double (*curve)(double)) { return {curve(v.a), curve(v.b), curve(v.c)}; }

// CSS's thresholds below which the hue of a polar colour is powerless.
constexpr double kLchPowerlessChroma = 0.0015;
constexpr double kOklchPowerlessChroma = 0.000004;

// A powerless hue is never looked at: a grey is spared the arc tangent.
Triple PolarWithPowerlessHue(Triple lab, double powerlessChroma)
{
    const double chroma = ChromaOf(lab);
    return {lab.a, chroma, chroma <= powerlessChroma ? std::nan("") : HueOf(lab)};
}

// HSL and HWB have no hue when red, green and blue are equal. A grey that arrives from another space
// (lch(20 0 0)) differs from equal by rounding errors alone, far below any difference a text can mean.
constexpr double kGreySpread = 1e-12;

Triple CylinderWithPowerlessHue(Triple rgb, Triple (*cylinder)(Triple))
{
    Triple result = cylinder(rgb);
    if (std::max({rgb.a, rgb.b, rgb.c}) - std::min({rgb.a, rgb.b, rgb.c}) <= kGreySpread)
        result.a = std::nan("");
    return result;
}

// A colour far outside sRGB can come out of HSL's formula with a negative saturation; CSS turns the
// hue half round instead, which is the same colour with a saturation of zero or more (and what a
// color-mix() in hsl interpolates).
Triple HslWithPositiveSaturation(Triple rgb)
{
    Triple hsl = SrgbToHsl(rgb);
    if (hsl.b < 0)
        hsl = {NormalizeHue(hsl.a + 180), -hsl.b, hsl.c};
    return hsl;
}

// Hex colours, names and whole rgb() numbers are k / 255 exactly: their linear light is in the table
// of the 256 levels, the very values DecodeSrgb gives, without a power each. The curve's straight
// part (and its zeros, signed as they came) is left to DecodeSrgb.
double DecodeSrgbChannel(double encoded)
{
    if (encoded > 0.04045 && encoded <= 1) {
        // k / 255 times 255 lies within a rounding error of k.
        const int level = static_cast<int>(encoded * 255 + 0.5);
        if (level / 255.0 == encoded)
            return ByteToLinear(level);
    }
    return DecodeSrgb(encoded);
}

// One step of a road: a space to its parent, or a parent to the space.
using Step = Triple (*)(Triple);

constexpr Step ToParent(CssSpace space)
{
    switch (space) {
    case CssSpace::Srgb:
        return [](Triple v) { return EachChannel(v, DecodeSrgbChannel); };
    case CssSpace::SrgbLinear:
        return LinearSrgbToXyzD65;
    case CssSpace::DisplayP3:
        return DisplayP3ToXyzD65;
    case CssSpace::A98Rgb:
        return A98RgbToXyzD65;
    case CssSpace::ProphotoRgb:
        return ProphotoRgbToXyzD50;
    case CssSpace::Rec2020:
        return Rec2020ToXyzD65;
    case CssSpace::XyzD50:
        return XyzD50ToD65;
    case CssSpace::Lab:
        return LabToXyzD50;
    case CssSpace::Lch:
    case CssSpace::Oklch:
        return PolarToRectangular;
    case CssSpace::Oklab:
        return OklabToXyzD65;
    case CssSpace::Hsl:
        return HslToSrgb;
    case CssSpace::Hwb:
        return HwbToSrgb;
    case CssSpace::XyzD65: // the root: no step leaves it upwards
        break;
    }
    return nullptr;
}

constexpr Step FromParent(CssSpace space)
{
    switch (space) {
    case CssSpace::Srgb:
        return [](Triple v) { return EachChannel(v, EncodeSrgb); };
    case CssSpace::SrgbLinear:
        return XyzD65ToLinearSrgb;
    case CssSpace::DisplayP3:
        return XyzD65ToDisplayP3;
    case CssSpace::A98Rgb:
        return XyzD65ToA98Rgb;
    case CssSpace::ProphotoRgb:
        return XyzD50ToProphotoRgb;
    case CssSpace::Rec2020:
        return XyzD65ToRec2020;
    case CssSpace::XyzD50:
        return XyzD65ToD50;
    case CssSpace::Lab:
        return XyzD50ToLab;
    case CssSpace::Lch:
        return [](Triple lab) { return PolarWithPowerlessHue(lab, kLchPowerlessChroma); };
    case CssSpace::Oklch:
        return [](Triple oklab) { return PolarWithPowerlessHue(oklab, kOklchPowerlessChroma); };
    case CssSpace::Oklab:
        return XyzD65ToOklab;
    case CssSpace::Hsl:
        return [](Triple rgb) { return CylinderWithPowerlessHue(rgb, HslWithPositiveSaturation); };
    case CssSpace::Hwb:
        return [](Triple rgb) { return CylinderWithPowerlessHue(rgb, SrgbToHwb); };
    case CssSpace::XyzD65:
        break;
    }
    return nullptr;
}

// The road between two spaces: up from `from` to the lowest space both share, then down to `to`.
// Worked out once for every pair, each step as the very function it takes: every conversion asks.
struct Road {
    std::array<Step, 7> steps{};
    // The space each step arrives in.
    std::array<CssSpace, 7> arrivals{};
    std::size_t length = 0;
};

constexpr Road RoadBetween(CssSpace from, CssSpace to)
{
    Road road;
    std::array<CssSpace, 4> downward{};
    std::size_t down = 0;
    const auto climb = [&road](CssSpace& space) {
        road.steps[road.length] = ToParent(space);
        space = Parent(space);
        road.arrivals[road.length++] = space;
    };
    while (Depth(from) > Depth(to))
        climb(from);
    while (Depth(to) > Depth(from)) {
        downward[down++] = to;
        to = Parent(to);
    }
    while (from != to) {
        climb(from);
        downward[down++] = to;
        to = Parent(to);
    }
    while (down > 0) {
        const CssSpace arrival = downward[--down];
        road.steps[road.length] = FromParent(arrival);
        road.arrivals[road.length++] = arrival;
    }
    return road;
}

constexpr auto kRoads = SpacePairTable(RoadBetween);

const Road& RoadOf(CssSpace from, CssSpace to)
{
    return kRoads[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
}

double ZeroIfMissing(double value) { return std::isnan(value) ? 0.0 : value; }

Triple Travel(const Road& road, Triple value)
{
    for (std::size_t i = 0; i < road.length; ++i)
        value = road.steps[i](value);
    return value;
}

} // namespace

std::optional<CssSpace> CssSpaceNamed(std::string_view name)
{
    // Asked at every level of a nested color() and color-mix(): only the names of its length, and
    // of these only one with its first letter, are compared in full.
    static constexpr std::size_t kLongest = 12;
    static constexpr auto kByLength = [] {
        std::array<std::array<std::int8_t, 4>, kLongest + 1> indices{};
        for (auto& ofLength : indices)
            ofLength.fill(-1);
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            auto& ofLength = indices.at(kNames[i].name.size());
            *std::find(ofLength.begin(), ofLength.end(), -1) = static_cast<std::int8_t>(i);
        }
        return indices;
    }();
    if (name.size() > kLongest || name.empty())
        return std::nullopt;
    if (name.size() == 3 && EqualsIgnoringCase(name, "xyz"))
        return CssSpace::XyzD65;
    const char first = AsciiLower(name.front());
    for (const std::int8_t i : kByLength[name.size()]) {
        if (i < 0)
            break;
        const SpaceEntry& entry = kNames[static_cast<std::size_t>(i)];
        // Mostly written in small letters, as listed: compared at once before letter by letter.
        if (entry.name.front() == first && (entry.name == name || EqualsIgnoringCase(entry.name, name)))
            return entry.space;
    }
    return std::nullopt;
}

std::string_view CssSpaceName(CssSpace space) { return kNames[static_cast<std::size_t>(space)].name; }

bool IsPredefinedRgbOrXyz(CssSpace space) { return static_cast<int>(space) <= static_cast<int>(CssSpace::XyzD65); }

int HueIndex(CssSpace space)
{
    switch (space) {
    case CssSpace::Lch:
    case CssSpace::Oklch:
        return 2;
    case CssSpace::Hsl:
    case CssSpace::Hwb:
        return 0;
    default:
        return -1;
    }
}

Triple ConvertColor(Triple value, CssSpace from, CssSpace to)
{
    return Travel(RoadOf(from, to), {ZeroIfMissing(value.a), ZeroIfMissing(value.b), ZeroIfMissing(value.c)});
}

Triple ContinueConversion(Triple value, CssSpace from, CssSpace to) { return Travel(RoadOf(from, to), value); }

CssSpace LastSharedSpace(CssSpace from, CssSpace to1, CssSpace to2)
{
    const Road& first = RoadOf(from, to1);
    const Road& second = RoadOf(from, to2);
    CssSpace shared = from;
    for (std::size_t i = 0; i < std::min(first.length, second.length) && first.arrivals[i] == second.arrivals[i]; ++i)
        shared = first.arrivals[i];
    return shared;
}

} // namespace pelmora
