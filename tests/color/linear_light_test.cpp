#include "color/linear_light.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include <string>
#include <vector>

namespace pelmora {
namespace {

TEST(LinearLight, EveryByteSurvivesDecodeAndEncode)
{
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(LinearToSrgb(SrgbToLinear(c)), c) << "channel " << c;
}

TEST(LinearLight, DecodingFollowsTheSrgbCurve)
{
    EXPECT_DOUBLE_EQ(SrgbToLinear(0), 0.0);
    EXPECT_DOUBLE_EQ(SrgbToLinear(255), 1.0);
    EXPECT_NEAR(SrgbToLinear(10), 10 / 255.0 / 12.92, 1e-12); // the straight segment near black
    EXPECT_NEAR(SrgbToLinear(128), 0.2158605, 1e-6); // encoded mid-grey is a fifth of the light
}

TEST(LinearLight, EncodingClampsOutOfRangeLight)
{
    EXPECT_EQ(LinearToSrgb(-0.5), 0);
    EXPECT_EQ(LinearToSrgb(1.5), 255);
    EXPECT_EQ(LinearToSrgb(std::nan("")), 0);
}

struct AverageCase {
    std::string name;
    std::vector<Color> colors;
    Color expected;
};

void PrintTo(const AverageCase& row, std::ostream* out) { *out << row.name; }

class Average : public testing::TestWithParam<AverageCase> { };

TEST_P(Average, MixesInLinearLight) { EXPECT_EQ(AverageInLinearLight(GetParam().colors), GetParam().expected); }

const Color kW = Color::white();
const Color kK = Color::black();

INSTANTIATE_TEST_SUITE_P(LinearLight, Average,
    testing::Values(
        // 5 white and 4 black: 5/9 of the light is #C5C5C5; the byte mean would be #8E8E8E.
        AverageCase{"CheckerboardWhiteCentre3x3", {kW, kK, kW, kK, kW, kK, kW, kK, kW}, RGB(0xC5, 0xC5, 0xC5)},
        AverageCase{"CheckerboardBlackCentre3x3", {kK, kW, kK, kW, kK, kW, kK, kW, kK}, RGB(0xB2, 0xB2, 0xB2)},
        AverageCase{"HalfBlackHalfWhite", {kK, kW}, RGB(0xBC, 0xBC, 0xBC)},
        AverageCase{"OneColourIsItself", {RGB(12, 200, 77)}, RGB(12, 200, 77)},
        AverageCase{"EqualColoursAreThemselves", {RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3)}, RGB(1, 2, 3)},
        // Channels are mixed separately: red and blue give half-light in each of their own channels.
        AverageCase{"RedAndBlueStaySeparate", {RGB(255, 0, 0), RGB(0, 0, 255)}, RGB(0xBC, 0, 0xBC)},
        AverageCase{"NothingToAverage", {}, Color::none()}),
    [](const testing::TestParamInfo<AverageCase>& info) { return info.param.name; });

} // namespace
} // namespace pelmora
