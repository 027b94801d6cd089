#include "picker/hsb_positions.h"

#include <gtest/gtest.h>

#include <limits>

namespace pelmora {
namespace {

TEST(HsbPositions, FieldPositionToNumber)
{
    struct Row {
        const char* what;
        int (*f)(int);
        int position;
        int expected;
    };
    const Row rows[] = {
        {"H at left column", HueFromFieldX, 10, 0},
        {"H at FieldLeft+128", HueFromFieldX, 138, 180},
        {"H at right column", HueFromFieldX, 265, 360},
        {"H floors 1*360/255", HueFromFieldX, 11, 1},
        {"H floors 254*360/255", HueFromFieldX, 264, 358},
        {"S at left column", SatFromFieldX, 10, 0},
        {"S floors 3*100/255", SatFromFieldX, 13, 1},
        {"S at right column", SatFromFieldX, 265, 100},
        {"B at top row", BriFromFieldY, 10, 100},
        {"B at bottom row", BriFromFieldY, 265, 0},
        {"B at y 138", BriFromFieldY, 138, 49},
        {"S(y) at top row", SatFromFieldY, 10, 100},
        {"S(y) at bottom row", SatFromFieldY, 265, 0},
        {"S(y) at y 137", SatFromFieldY, 137, 50},
        {"H left of field floors down", HueFromFieldX, 9, -2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.f(row.position), row.expected) << row.what;
}

TEST(HsbPositions, SliderPositionToNumber)
{
    struct Row {
        const char* what;
        int (*f)(double);
        double y;
        int expected;
    };
    const Row rows[] = {
        {"H at slider top", HueFromSliderY, 10, 360},
        {"H at slider bottom", HueFromSliderY, 265, 0},
        {"H at y 137.5", HueFromSliderY, 137.5, 180},
        {"H at y 137.6 floors", HueFromSliderY, 137.6, 179},
        {"S at slider top", SatFromSliderY, 10, 100},
        {"S at slider bottom", SatFromSliderY, 265, 0},
        {"B at slider top", BriFromSliderY, 10, 100},
        {"B at y 11", BriFromSliderY, 11, 99},
        {"B at y 264", BriFromSliderY, 264, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.f(row.y), row.expected) << row.what;
}

TEST(HsbPositions, NumberToPositionTakesEvenNearest)
{
    struct Row {
        const char* what;
        int (*f)(double);
        double number;
        int expected;
    };
    const Row rows[] = {
        {"H 180 -> 137.5", FieldXFromHue, 180, 138},
        {"H 0", FieldXFromHue, 0, 10},
        {"H 360", FieldXFromHue, 360, 265},
        {"H 1 -> 10.708", FieldXFromHue, 1, 11},
        {"S 50 -> 137.5", FieldXFromSat, 50, 138},
        {"S 100", FieldXFromSat, 100, 265},
        {"S 30 -> 86.5", FieldXFromSat, 30, 86},
        {"B 50 -> 137.5", FieldYFromBri, 50, 138},
        {"B 100", FieldYFromBri, 100, 10},
        {"B 0", FieldYFromBri, 0, 265},
        {"B 70 -> 86.5", FieldYFromBri, 70, 86},
        {"S(y) 50", FieldYFromSat, 50, 138},
        {"slider S or B 50 -> 137.5", SliderYFromPercent, 50, 138},
        {"slider 100 is the top row", SliderYFromPercent, 100, 10},
        {"slider 0 is the bottom row", SliderYFromPercent, 0, 265},
        {"slider 70 -> 86.5", SliderYFromPercent, 70, 86},
        {"huge hue saturates", FieldXFromHue, 1e300, 2147483647},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.f(row.number), row.expected) << row.what;
}

TEST(HsbPositions, SliderRowForHue)
{
    EXPECT_EQ(SliderYFromHueWhole(0), 265);
    EXPECT_EQ(SliderYFromHueWhole(360), 10);
    EXPECT_EQ(SliderYFromHueWhole(180), 137); // floor of 137.5
    EXPECT_EQ(SliderYFromHueWhole(1), 264); // floor of 264.29
    EXPECT_FLOAT_EQ(SliderYFromHueTyped(180), 137.5f);
    EXPECT_FLOAT_EQ(SliderYFromHueTyped(1), static_cast<float>(265.0 - 255.0 / 360.0));
    EXPECT_EQ(SliderYFromHueTyped(1e300), -std::numeric_limits<float>::infinity());
}

} // namespace
} // namespace pelmora
