// Contrast ratios, the levels they pass and how they print; CSS names exact and nearest.

#include "notations/contrast.h"
#include "notations/css_space.h"
#include "notations/gamut_mapping.h"
#include "notations/named_colors.h"

#include <gtest/gtest.h>

#include <set>

namespace pelmora {
namespace {

Color Grey(int level) { return RGB(level, level, level); }

TEST(Contrast, RatiosAndLevels)
{
    struct Row {
        Color first;
        Color second;
        std::string_view text;
        std::string_view levels;
    };
    const Row rows[] = {
        {Color::black(), Color::white(), "21:1", "AA AA large AAA AAA large UI"},
        {Grey(0x59), Color::white(), "7:1", "AA AA large AAA AAA large UI"},
        {Grey(0x5A), Color::white(), "6.9:1", "AA AA large AAA large UI"},
        {Grey(0x76), Color::white(), "4.54:1", "AA AA large AAA large UI"},
        {Grey(0x77), Color::white(), "4.48:1", "AA large UI"},
        {Color::white(), Grey(0x77), "4.48:1", "AA large UI"}, // order does not matter
        {Grey(0x94), Color::white(), "3.03:1", "AA large UI"},
        {Grey(0x95), Color::white(), "2.99:1", "none"}, // 2.9953: rounding would show 3:1
        {Color::white(), Color::white(), "1:1", "none"},
        {RGB(255, 0, 0), Color::white(), "4:1", "AA large UI"},
    };
    for (const Row& row : rows) {
        const Contrast contrast = ContrastOf(row.first, row.second);
        EXPECT_EQ(contrast.ratioText(), row.text) << row.first << " on " << row.second;
        EXPECT_EQ(contrast.levelsText(), row.levels) << row.first << " on " << row.second;
    }
}

TEST(Contrast, LuminanceFollowsWcag)
{
    EXPECT_EQ(RelativeLuminance(Color::black()), 0.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(Color::white()), 1.0);
    EXPECT_NEAR(RelativeLuminance(RGB(255, 0, 0)), 0.2126, 1e-12);
    EXPECT_NEAR(RelativeLuminance(RGB(0, 255, 0)), 0.7152, 1e-12);
    EXPECT_NEAR(RelativeLuminance(Grey(10)), 10 / 255.0 / 12.92, 1e-15); // on the linear segment
}

TEST(Contrast, NoPrintedFigureEverReachesALevelTheRatioFails)
{
    // Every pair of a grey with white and black: the printed figure and the levels agree.
    for (int level = 0; level < 256; ++level) {
        for (const Color other : {Color::white(), Color::black()}) {
            const Contrast contrast = ContrastOf(Grey(level), other);
            const std::string text = contrast.ratioText();
            const double printed = std::stod(text.substr(0, text.find(':')));
            for (std::size_t i = 0; i < kContrastLevels.size(); ++i)
                EXPECT_EQ(printed >= kContrastLevels[i].minimum, contrast.passes[i]) << text << " grey " << level;
            EXPECT_LE(std::abs(printed - contrast.ratio), 0.01) << text;
        }
    }
}

TEST(Contrast, JustBelowALevelIsCutDown)
{
    Contrast contrast;
    contrast.ratio = 4.4999;
    EXPECT_EQ(contrast.ratioText(), "4.49:1");
    contrast.ratio = 6.996;
    EXPECT_EQ(contrast.ratioText(), "6.99:1");
    contrast.ratio = 4.996;
    EXPECT_EQ(contrast.ratioText(), "5:1");
}

TEST(CssNames, ExactAndNearest)
{
    struct Row {
        Color color;
        std::string_view text;
    };
    const Row rows[] = {
        {RGB(255, 165, 0), "= orange"},
        {RGB(255, 140, 0), "= darkorange"},
        {RGB(0, 255, 255), "= aqua"}, // aqua and cyan: the first alphabetically
        {RGB(128, 128, 128), "= gray"},
        {RGB(255, 128, 0), "\u2248 darkorange"},
        {RGB(254, 0, 0), "\u2248 red"},
        {RGB(1, 1, 1), "\u2248 black"},
        {RGB(0x66, 0x33, 0x98), "\u2248 rebeccapurple"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NearestCssName(row.color).text(), row.text) << row.color;
}

// The distance is ΔEOK to the name's colour, 0 for an exact name, and no name lies nearer.
TEST(CssNames, DistanceIsTheSmallestOklabDistance)
{
    const auto oklab = [](Color c) {
        return ConvertColor({c.red() / 255.0, c.green() / 255.0, c.blue() / 255.0}, CssSpace::Srgb, CssSpace::Oklab);
    };
    for (const Color color : {RGB(255, 128, 0), RGB(12, 200, 99), RGB(1, 1, 1), RGB(0x66, 0x33, 0x98)}) {
        const NameMatch match = NearestCssName(color);
        const Color named = *CssColorOfName(match.name);
        EXPECT_NEAR(match.distance, DeltaEOk(oklab(color), oklab(named)), 1e-12) << color;
        EXPECT_GT(match.distance, 0) << color;
        for (const NamedColor& other : CssNamedColors())
            EXPECT_GE(DeltaEOk(oklab(color), oklab(other.color)), match.distance - 1e-12) << other.name;
    }
    EXPECT_EQ(NearestCssName(RGB(255, 165, 0)).distance, 0);
    EXPECT_NEAR(NearestCssName(RGB(255, 128, 0)).distance, 0.0260, 0.00005);
}

TEST(CssNames, TableHas148SortedNamesAndLooksUpWithoutCase)
{
    const auto names = CssNamedColors();
    EXPECT_EQ(names.size(), 148u);
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(names[i - 1].name, names[i].name);
        }
        EXPECT_EQ(CssColorOfName(names[i].name), names[i].color);
        seen.insert(names[i].name);
    }
    EXPECT_EQ(CssColorOfName("LightGoldenRodYellow"), RGB(0xFA, 0xFA, 0xD2));
    EXPECT_EQ(CssColorOfName("transparent"), std::nullopt);
    EXPECT_EQ(CssColorOfName("ligthblue"), std::nullopt);
}

} // namespace
} // namespace pelmora
