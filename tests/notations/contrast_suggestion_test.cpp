// The nearest passing colour, checked against a plain scan of the colour's OKLCh lightness.

#include "nearest_passing_check.h"
#include "notations/contrast.h"
#include "notations/contrast_suggestion.h"
#include "notations/css_space.h"
#include "notations/gamut_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace pelmora {
namespace {

using Outcome = ContrastSuggestion::Outcome;
using namespace test;

constexpr int kScanSteps = 20000;

TEST(ContrastSuggestion, NearestPassingColourAlongTheHue)
{
    struct Row {
        Color color;
        Color background;
        double minimum;
        Outcome outcome;
        std::optional<Color> expected; // where the answer is known exactly
    };
    const Color white = Color::white();
    const Color black = Color::black();
    const Row rows[] = {
        {RGB(0x76, 0x76, 0x76), white, 4.5, Outcome::AlreadyPasses, {}},
        {RGB(0, 0, 0), white, 7, Outcome::AlreadyPasses, {}},
        // Greys: no hue at all, the first grey that passes.
        {RGB(0x77, 0x77, 0x77), white, 4.5, Outcome::Found, RGB(0x76, 0x76, 0x76)},
        {RGB(0x77, 0x77, 0x77), white, 7, Outcome::Found, RGB(0x59, 0x59, 0x59)},
        {RGB(0x99, 0x99, 0x99), white, 3, Outcome::Found, RGB(0x94, 0x94, 0x94)},
        {RGB(0x50, 0x50, 0x50), black, 4.5, Outcome::Found, {}},
        {RGB(0x10, 0x10, 0x10), black, 7, Outcome::Found, {}},
        // Saturated colours, whose darker or lighter forms lie outside sRGB.
        {RGB(0, 0, 255), black, 4.5, Outcome::Found, {}},
        {RGB(0, 0, 255), black, 7, Outcome::Found, {}},
        {RGB(255, 0, 0), white, 4.5, Outcome::Found, {}},
        {RGB(255, 255, 0), white, 4.5, Outcome::Found, {}},
        {RGB(255, 0x88, 0), white, 7, Outcome::Found, {}},
        {RGB(0, 0x80, 0), black, 4.5, Outcome::Found, {}},
        {RGB(0xff, 0, 0xff), RGB(0x40, 0x40, 0x40), 4.5, Outcome::Found, {}},
        // Lighter than a mid-grey background but nearer to passing by going darker, past its luminance.
        {RGB(0x80, 0x80, 0x80), RGB(0x77, 0x77, 0x77), 4.5, Outcome::Found, {}},
        // Against a mid grey even black and white stay below 7:1.
        {RGB(255, 0, 0), RGB(0x77, 0x77, 0x77), 7, Outcome::Unreachable, {}},
        {RGB(0x77, 0x77, 0x77), RGB(0x77, 0x77, 0x77), 7, Outcome::Unreachable, {}},
    };
    for (const Row& row : rows) {
        const ContrastSuggestion suggestion = NearestPassingColor(row.color, row.background, row.minimum);
        EXPECT_EQ(suggestion.outcome, row.outcome) << row.color << " on " << row.background << " at " << row.minimum;
        if (row.expected) {
            EXPECT_EQ(suggestion.color, *row.expected) << row.color << " on " << row.background;
        }
        ExpectAgreesWithScan(row.color, row.background, row.minimum, kScanSteps);
    }
}

TEST(ContrastSuggestion, KeepsTheHueAndCutsChromaOnlyOutsideSrgb)
{
    // Pure blue made light enough for black: sRGB holds no such light blue at full chroma.
    const Triple blue = OklchOf(RGB(0, 0, 255));
    const ContrastSuggestion light = NearestPassingColor(RGB(0, 0, 255), Color::black(), 7);
    ASSERT_EQ(light.outcome, Outcome::Found);
    const Triple lightBlue = OklchOf(light.color);
    EXPECT_LT(lightBlue.b, blue.b - 0.05);
    EXPECT_NEAR(lightBlue.c, blue.c, 3);
    // A soft colour made darker: sRGB holds it at its own chroma, so that stays.
    const Triple soft = OklchOf(RGB(0x88, 0xaa, 0xcc));
    const ContrastSuggestion dark = NearestPassingColor(RGB(0x88, 0xaa, 0xcc), Color::white(), 4.5);
    ASSERT_EQ(dark.outcome, Outcome::Found);
    const Triple darkSoft = OklchOf(dark.color);
    EXPECT_NEAR(darkSoft.b, soft.b, 0.004);
    EXPECT_NEAR(darkSoft.c, soft.c, 2);
    EXPECT_LT(darkSoft.a, soft.a);
}

TEST(ContrastSuggestion, AgreesWithTheScanForManyPairs)
{
    std::mt19937 random(19);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto any = [&] { return RGB(byte(random), byte(random), byte(random)); };
    for (int i = 0; i < 40; ++i) {
        const Color color = any();
        const Color background = any();
        for (const SuggestionLevel& level : kSuggestionLevels)
            ExpectAgreesWithScan(color, background, level.minimum, 4000);
    }
}

TEST(ContrastSuggestion, LevelNames)
{
    EXPECT_EQ(SuggestionLevelNamed("AA")->minimum, 4.5);
    EXPECT_EQ(SuggestionLevelNamed("aaa")->minimum, 7);
    EXPECT_EQ(SuggestionLevelNamed("AA-Large")->minimum, 3);
    for (const std::string_view bad : {"", "A", "AA large", "AAA-large", "AA "})
        EXPECT_FALSE(SuggestionLevelNamed(bad)) << bad;
}

} // namespace
} // namespace pelmora
