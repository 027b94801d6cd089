// The conversions take shortcuts for speed (a road's shared start taken once, a quick cube root in
// the gamut mapping's search): each must give, to the bit, what the long way round gives. The long
// way is written out here as CSS's sample code takes it.

#include "notations/css_space.h"
#include "notations/gamut_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace pelmora {
namespace {

constexpr int kSpaceCount = 14;

CssSpace SpaceAt(int index) { return static_cast<CssSpace>(index); }

bool SameBits(Triple x, Triple y)
{
    return std::bit_cast<std::uint64_t>(x.a) == std::bit_cast<std::uint64_t>(y.a)
        && std::bit_cast<std::uint64_t>(x.b) == std::bit_cast<std::uint64_t>(y.b)
        && std::bit_cast<std::uint64_t>(x.c) == std::bit_cast<std::uint64_t>(y.c);
}

std::string Show(Triple v) { return std::to_string(v.a) + " " + std::to_string(v.b) + " " + std::to_string(v.c); }

// Components of every kind a text can give: in and far out of range, round, NaN (none), infinite.
class Components {
public:
    double next()
    {
        switch (pick_(random_) % 8) {
        case 0:
            return std::nan("");
        case 1:
            return static_cast<double>(pick_(random_) % 256) / 255;
        case 2:
            return std::round(wide_(random_));
        case 3:
            return wide_(random_) * 1000;
        case 4:
            return pick_(random_) % 50 == 0 ? HUGE_VAL : 0.0;
        default:
            return unit_(random_) * (pick_(random_) % 2 ? 1 : 100);
        }
    }
    Triple triple() { return {next(), next(), next()}; }
    double unit() { return unit_(random_); }

private:
    std::mt19937_64 random_{20261207};
    std::uniform_int_distribution<int> pick_{0, 1 << 20};
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
    std::uniform_real_distribution<double> wide_{-2.0, 2.0};
};

// CSS's gamut mapping as its pseudo-code has it: every candidate and every clip through the general
// conversions, with the exact cube root.
Triple ReferenceGamutMap(Triple oklch)
{
    if (std::isnan(oklch.a) || oklch.a <= 0)
        return {0, 0, 0};
    if (oklch.a >= 1)
        return {1, 1, 1};
    const double hue = std::isfinite(oklch.c) ? oklch.c : 0.0;
    const double chroma = std::isnan(oklch.b) ? 0.0 : std::clamp(oklch.b, 0.0, 1000.0);
    const auto toLinear = [&](double c) {
        return ConvertColor({oklch.a, c, hue}, CssSpace::Oklch, CssSpace::SrgbLinear);
    };
    const auto toOklab = [](Triple linear) { return ConvertColor(linear, CssSpace::SrgbLinear, CssSpace::Oklab); };
    const auto inside = [](Triple v) { return v.a >= 0 && v.a <= 1 && v.b >= 0 && v.b <= 1 && v.c >= 0 && v.c <= 1; };
    const auto clip = [](Triple v) {
        const auto channel = [](double x) { return !(x > 0) ? 0.0 : (x > 1 ? 1.0 : x); };
        return Triple{channel(v.a), channel(v.b), channel(v.c)};
    };
    const auto oklabAt = [&](double c) { return ConvertColor({oklch.a, c, hue}, CssSpace::Oklch, CssSpace::Oklab); };
    const Triple origin = toLinear(chroma);
    if (inside(origin))
        return origin;
    Triple clipped = clip(origin);
    if (DeltaEOk(toOklab(clipped), oklabAt(chroma)) < 0.02)
        return clipped;
    double low = 0;
    double high = chroma;
    bool lowInGamut = true;
    while (high - low > 0.0001) {
        const double middle = (low + high) / 2;
        const Triple candidate = toLinear(middle);
        if (lowInGamut && inside(candidate)) {
            low = middle;
            continue;
        }
        clipped = clip(candidate);
        const double distance = DeltaEOk(toOklab(clipped), oklabAt(middle));
        if (distance < 0.02) {
            if (0.02 - distance < 0.0001)
                return clipped;
            lowInGamut = false;
            low = middle;
        } else {
            high = middle;
        }
    }
    return clipped;
}

// A mapped colour counts as mapped when some channel lay more than half an 8-bit level outside.
bool OutsideByHalfALevel(Triple linear)
{
    const double lowest = DecodeSrgb(-0.5 / 255);
    const double highest = DecodeSrgb(1 + 0.5 / 255);
    return std::ranges::any_of(std::array{linear.a, linear.b, linear.c},
        [&](double channel) { return channel < lowest || channel > highest; });
}

TEST(ConversionShortcuts, ARoadContinuedFromItsSharedStartEndsAsTheWholeRoad)
{
    Components components;
    for (int round = 0; round < 40; ++round)
        for (int from = 0; from < kSpaceCount; ++from) {
            const Triple value = components.triple();
            for (int to1 = 0; to1 < kSpaceCount; ++to1)
                for (int to2 = 0; to2 < kSpaceCount; ++to2) {
                    const CssSpace shared = LastSharedSpace(SpaceAt(from), SpaceAt(to1), SpaceAt(to2));
                    const Triple atShared = ConvertColor(value, SpaceAt(from), shared);
                    for (const int to : {to1, to2}) {
                        const Triple whole = ConvertColor(value, SpaceAt(from), SpaceAt(to));
                        const Triple continued = ContinueConversion(atShared, shared, SpaceAt(to));
                        ASSERT_TRUE(SameBits(whole, continued))
                            << from << " -> " << to << " via " << static_cast<int>(shared) << ": " << Show(value);
                    }
                }
        }
    // Roads that part at once share only their start; roads to one space share all of it.
    EXPECT_EQ(LastSharedSpace(CssSpace::Oklch, CssSpace::SrgbLinear, CssSpace::Oklch), CssSpace::Oklch);
    EXPECT_EQ(LastSharedSpace(CssSpace::Hsl, CssSpace::SrgbLinear, CssSpace::Oklch), CssSpace::SrgbLinear);
    EXPECT_EQ(LastSharedSpace(CssSpace::Lch, CssSpace::SrgbLinear, CssSpace::Oklch), CssSpace::XyzD65);
    EXPECT_EQ(LastSharedSpace(CssSpace::Lab, CssSpace::Hwb, CssSpace::Hwb), CssSpace::Hwb);
}

TEST(ConversionShortcuts, ToSrgbColorGivesWhatTheLongWayGives)
{
    Components components;
    int mapped = 0;
    for (int round = 0; round < 4000; ++round)
        for (int from = 0; from < kSpaceCount; ++from) {
            const CssSpace space = SpaceAt(from);
            const Triple value = components.triple();
            // Each conversion from the start, as ToSrgbColor did before it shared their roads.
            MappedColor expected;
            const Triple encoded = ConvertColor(value, space, CssSpace::Srgb);
            const Triple linear = ConvertColor(value, space, CssSpace::SrgbLinear);
            const bool cylinder = space == CssSpace::Srgb || space == CssSpace::Hsl || space == CssSpace::Hwb;
            const auto inside
                = [](Triple v) { return v.a >= 0 && v.a <= 1 && v.b >= 0 && v.b <= 1 && v.c >= 0 && v.c <= 1; };
            if (cylinder && inside(encoded))
                expected = {ColorOfEncoded(encoded), false};
            else if (inside(linear))
                expected = {ColorOfLinear(linear), false};
            else
                expected = {ColorOfLinear(GamutMapOklchToLinearSrgb(ConvertColor(value, space, CssSpace::Oklch))),
                    OutsideByHalfALevel(linear)};
            const MappedColor got = ToSrgbColor(value, space);
            ASSERT_EQ(got.color, expected.color) << CssSpaceName(space) << " " << Show(value);
            ASSERT_EQ(got.mapped, expected.mapped) << CssSpaceName(space) << " " << Show(value);
            mapped += got.mapped ? 1 : 0;
        }
    EXPECT_GT(mapped, 1000); // the mapping was exercised, not only the colours inside sRGB
}

TEST(ConversionShortcuts, TheQuickGamutSearchTakesTheStepsOfTheExactOne)
{
    Components components;
    for (int round = 0; round < 60000; ++round) {
        const Triple oklch{components.unit(), components.unit() * 0.5, components.unit() * 360};
        const Triple quick = GamutMapOklchToLinearSrgb(oklch);
        const Triple exact = ReferenceGamutMap(oklch);
        ASSERT_TRUE(SameBits(quick, exact)) << Show(oklch) << ": " << Show(quick) << " / " << Show(exact);
    }
}

TEST(ConversionShortcuts, EncodedSrgbDecodesToTheCurveWhetherOrNotItIsALevel)
{
    for (int level = 0; level < 256; ++level) {
        const double exact = level / 255.0;
        for (const double encoded : {exact, std::nextafter(exact, 0.0), std::nextafter(exact, 2.0), -exact}) {
            const Triple linear = ConvertColor({encoded, encoded, encoded}, CssSpace::Srgb, CssSpace::SrgbLinear);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(linear.a), std::bit_cast<std::uint64_t>(DecodeSrgb(encoded)))
                << encoded;
        }
    }
}

TEST(ConversionShortcuts, AHueWithinOneTurnSkipsTheDivisionAndLandsWhereItWould)
{
    const auto longWay = [](double degrees) {
        double hue = std::fmod(degrees, 360.0);
        if (hue < 0)
            hue += 360.0;
        return hue >= 360.0 ? 0.0 : hue;
    };
    std::vector<double> hues = {0.0, -0.0, 359.99999999999994, 360.0, -360.0, -1e-300, -1e-14, 1e-300, 720.5,
        -359.99999999999994, -180.0, 1e300, -1e300, HUGE_VAL, -HUGE_VAL, std::nan("")};
    Components components;
    for (int i = 0; i < 10000; ++i)
        hues.push_back((components.unit() - 0.5) * (i % 2 ? 800 : 1e6));
    for (const double hue : hues)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(NormalizeHue(hue)), std::bit_cast<std::uint64_t>(longWay(hue))) << hue;
}

TEST(ConversionShortcuts, HslFindsItsSectorsAsFmodWould)
{
    const auto longWay = [](Triple hsl) {
        const double hue = NormalizeHue(hsl.a);
        const double sat = hsl.b / 100;
        const double light = hsl.c / 100;
        const auto f = [&](double n) {
            const double k = std::fmod(n + hue / 30, 12.0);
            const double a = sat * std::min(light, 1 - light);
            return light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        };
        return Triple{f(0), f(8), f(4)};
    };
    Components components;
    for (int i = 0; i < 20000; ++i) {
        const Triple hsl{(components.unit() - 0.25) * 1000, components.unit() * 120, components.unit() * 100};
        ASSERT_TRUE(SameBits(HslToSrgb(hsl), longWay(hsl))) << Show(hsl);
    }
    for (const double hue : {0.0, 120.0, 240.0, 359.99999999999994, 360.0, 720.0, -120.0})
        EXPECT_TRUE(SameBits(HslToSrgb({hue, 50, 50}), longWay({hue, 50, 50}))) << hue;
}

TEST(ConversionShortcuts, TheTablesOfTheLevelsAreTheCurveItself)
{
    for (int level = 0; level < 256; ++level)
        ASSERT_EQ(
            std::bit_cast<std::uint64_t>(ByteToLinear(level)), std::bit_cast<std::uint64_t>(DecodeSrgb(level / 255.0)))
            << level;
    // Light goes to the level whose interval holds it: at a midpoint up, a hair below it down.
    for (int level = 0; level < 255; ++level) {
        const double midpoint = DecodeSrgb((level + 0.5) / 255);
        EXPECT_EQ(LinearToByte(midpoint), level + 1) << level;
        EXPECT_EQ(LinearToByte(std::nextafter(midpoint, 0.0)), level) << level;
    }
    Components components;
    for (int i = 0; i < 20000; ++i) {
        const double light = components.unit();
        int level = 0;
        while (level < 255 && DecodeSrgb((level + 0.5) / 255) <= light)
            ++level;
        ASSERT_EQ(LinearToByte(light), level) << light;
    }
}

} // namespace
} // namespace pelmora
