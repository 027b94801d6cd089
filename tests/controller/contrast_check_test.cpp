// The contrast line's state: the background and the level aimed at, and the suggestion it shows,
// each suggestion checked against a plain scan of the colour's lightness.

#include "controller/contrast_check.h"
#include "nearest_passing_check.h"

#include <gtest/gtest.h>

#include <optional>

using namespace pelmora;

namespace {

constexpr int kScanSteps = 8000;

TEST(ContrastCheck, StartsAgainstWhiteAimingAtAA)
{
    const ContrastCheck check;
    EXPECT_EQ(check.background(), Color::white());
    EXPECT_EQ(check.aim().name, "AA");
    EXPECT_EQ(check.Read(RGB(0x76, 0x76, 0x76)).contrast.ratioText(), "4.54:1");
    EXPECT_EQ(check.Read(RGB(0x77, 0x77, 0x77)).suggestion, RGB(0x76, 0x76, 0x76));
}

TEST(ContrastCheck, TakesOnlyRgbBackgroundsAndOnlyAAOrAAA)
{
    ContrastCheck check;
    EXPECT_TRUE(check.SetBackground(RGB(1, 2, 3)));
    for (const Color refused : {Color::none(), Color::systemCode(15), Color(0x1000000)}) {
        EXPECT_FALSE(check.SetBackground(refused)) << refused;
        EXPECT_EQ(check.background(), RGB(1, 2, 3));
    }
    EXPECT_TRUE(check.SetAim(kAimAAA));
    EXPECT_FALSE(check.SetAim(*SuggestionLevelNamed("AA-large")));
    EXPECT_EQ(check.aim().name, "AAA");
    EXPECT_EQ(check.aim().minimum, 7);
}

// A suggestion shows exactly while the pair fails the level aimed at and some colour of the hue
// passes; each one shown passes, and no colour of its hue nearer in lightness does.
TEST(ContrastCheck, ShowsTheNearestPassingColourOnlyWhileThePairFails)
{
    const struct Row {
        Color current;
        Color background;
        SuggestionLevel aim;
        bool shown;
    } rows[] = {
        {RGB(0x76, 0x76, 0x76), Color::white(), kAimAA, false}, // passes AA
        {RGB(0x76, 0x76, 0x76), Color::white(), kAimAAA, true}, // but not AAA
        {RGB(0x77, 0x77, 0x77), Color::white(), kAimAA, true},
        {RGB(255, 0, 0), Color::white(), kAimAA, true},
        {RGB(255, 0xCC, 0), Color::white(), kAimAAA, true},
        {RGB(0, 0, 255), Color::black(), kAimAA, true}, // lighter forms lie outside sRGB
        {RGB(0, 0, 255), Color::white(), kAimAAA, false},
        {RGB(0x20, 0x40, 0x10), RGB(0x10, 0x10, 0x30), kAimAAA, true},
        {RGB(255, 0, 0), RGB(0x77, 0x77, 0x77), kAimAAA, false}, // not even black or white passes
        {Color::white(), Color::white(), kAimAA, true},
    };
    for (const Row& row : rows) {
        ContrastCheck check;
        ASSERT_TRUE(check.SetBackground(row.background));
        ASSERT_TRUE(check.SetAim(row.aim));
        const ContrastReading reading = check.Read(row.current);
        const std::string pair = testing::PrintToString(row.current) + " on " + testing::PrintToString(row.background)
            + " for " + std::string(row.aim.name);
        EXPECT_EQ(reading.contrast.ratio, ContrastOf(row.current, row.background).ratio) << pair;
        ASSERT_EQ(reading.suggestion.has_value(), row.shown) << pair;
        if (!row.shown)
            continue;
        EXPECT_TRUE(test::Reaches(*reading.suggestion, row.background, row.aim.minimum)) << pair;
        EXPECT_FALSE(test::Reaches(row.current, row.background, row.aim.minimum)) << pair;
        // The colour shown is the search's answer, and that answer survives the scan.
        EXPECT_EQ(*reading.suggestion, NearestPassingColor(row.current, row.background, row.aim.minimum).color) << pair;
        test::ExpectAgreesWithScan(row.current, row.background, row.aim.minimum, kScanSteps);
    }
}

} // namespace
