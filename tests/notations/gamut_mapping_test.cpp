// Colour spaces of CSS Color 4 and its gamut mapping: CSS Color 4's worked examples, round trips
// between every pair of spaces, and out-of-gamut colours checked against an independent implementation.

#include "notations/css_space.h"
#include "notations/gamut_mapping.h"
#include "notations/notation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace pelmora {
namespace {

Color Hex(std::uint32_t rrggbb)
{
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

const CssSpace kAllSpaces[] = {CssSpace::Srgb, CssSpace::SrgbLinear, CssSpace::DisplayP3, CssSpace::A98Rgb,
    CssSpace::ProphotoRgb, CssSpace::Rec2020, CssSpace::XyzD50, CssSpace::XyzD65, CssSpace::Lab, CssSpace::Lch,
    CssSpace::Oklab, CssSpace::Oklch, CssSpace::Hsl, CssSpace::Hwb};

// The leaf measured in lch(51.2345% 21.2 130) as CSS Color 4 writes it in each RGB space, to the
// digits it gives (its rec2020 figures predate the change to the display curve and are left out).
TEST(CssSpaces, TheLeafOfCssColor4InEverySpace)
{
    struct Row {
        CssSpace space;
        Triple expected;
    };
    const Row rows[] = {
        {CssSpace::Srgb, {0.41587, 0.503670, 0.36664}},
        {CssSpace::DisplayP3, {0.43313, 0.50108, 0.37950}},
        {CssSpace::A98Rgb, {0.44091, 0.49971, 0.37408}},
        {CssSpace::ProphotoRgb, {0.36589, 0.41717, 0.31333}},
        {CssSpace::Lab, {51.2345, -13.6271, 16.2401}},
    };
    for (const Row& row : rows) {
        const Triple got = ConvertColor({51.2345, 21.2, 130}, CssSpace::Lch, row.space);
        const double tolerance = row.space == CssSpace::Lab ? 1e-4 : 5e-5;
        EXPECT_NEAR(got.a, row.expected.a, tolerance) << CssSpaceName(row.space);
        EXPECT_NEAR(got.b, row.expected.b, tolerance) << CssSpaceName(row.space);
        EXPECT_NEAR(got.c, row.expected.c, tolerance) << CssSpaceName(row.space);
    }
}

TEST(CssSpaces, WhiteIsWhiteInEverySpace)
{
    struct Row {
        CssSpace space;
        Triple white;
    };
    const Row rows[] = {
        {CssSpace::Srgb, {1, 1, 1}},
        {CssSpace::SrgbLinear, {1, 1, 1}},
        {CssSpace::DisplayP3, {1, 1, 1}},
        {CssSpace::A98Rgb, {1, 1, 1}},
        {CssSpace::ProphotoRgb, {1, 1, 1}},
        {CssSpace::Rec2020, {1, 1, 1}},
        {CssSpace::XyzD65, {0.3127 / 0.3290, 1, (1 - 0.3127 - 0.3290) / 0.3290}},
        {CssSpace::XyzD50, {0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585}},
        {CssSpace::Lab, {100, 0, 0}},
        {CssSpace::Oklab, {1, 0, 0}},
        {CssSpace::Hwb, {std::nan(""), 100, 0}},
    };
    for (const Row& row : rows) {
        const Triple got = ConvertColor({1, 1, 1}, CssSpace::Srgb, row.space);
        if (!std::isnan(row.white.a))
            EXPECT_NEAR(got.a, row.white.a, 1e-4) << CssSpaceName(row.space);
        else
            EXPECT_TRUE(std::isnan(got.a)) << CssSpaceName(row.space) << ": a grey's hue is powerless";
        EXPECT_NEAR(got.b, row.white.b, 1e-4) << CssSpaceName(row.space);
        EXPECT_NEAR(got.c, row.white.c, 1e-4) << CssSpaceName(row.space);
    }
}

// Every space to every other and back gives the colour it started from, inside sRGB and outside.
TEST(CssSpaces, EveryPairOfSpacesRoundTrips)
{
    const Triple colours[] = {{0.9, 0.2, 0.1}, {0.05, 0.6, 0.95}, {0.3, 0.3, 0.31}, {1.1, -0.05, 0.4}};
    for (const Triple srgb : colours) {
        for (const CssSpace from : kAllSpaces) {
            // hsl and hwb cannot hold a colour outside sRGB with their hue convention.
            const bool outside = srgb.a > 1 || srgb.b < 0;
            if (outside && (from == CssSpace::Hsl || from == CssSpace::Hwb))
                continue;
            const Triple start = ConvertColor(srgb, CssSpace::Srgb, from);
            for (const CssSpace to : kAllSpaces) {
                if (outside && (to == CssSpace::Hsl || to == CssSpace::Hwb))
                    continue;
                const Triple back = ConvertColor(ConvertColor(start, from, to), to, from);
                const std::string where = std::string(CssSpaceName(from)) + " via " + std::string(CssSpaceName(to));
                EXPECT_NEAR(back.a, start.a, 1e-9 * (1 + std::fabs(start.a))) << where;
                EXPECT_NEAR(back.b, start.b, 1e-9 * (1 + std::fabs(start.b))) << where;
                EXPECT_NEAR(back.c, start.c, 1e-9 * (1 + std::fabs(start.c))) << where;
            }
        }
    }
}

TEST(CssSpaces, NamesAndPowerlessHues)
{
    for (const CssSpace space : kAllSpaces)
        EXPECT_EQ(CssSpaceNamed(CssSpaceName(space)), space) << CssSpaceName(space);
    EXPECT_EQ(CssSpaceNamed("XYZ"), CssSpace::XyzD65);
    EXPECT_EQ(CssSpaceNamed("Display-P3"), CssSpace::DisplayP3);
    EXPECT_EQ(CssSpaceNamed("p3"), std::nullopt);
    EXPECT_TRUE(IsPredefinedRgbOrXyz(CssSpace::XyzD50));
    EXPECT_FALSE(IsPredefinedRgbOrXyz(CssSpace::Lab));
    EXPECT_EQ(HueIndex(CssSpace::Oklch), 2);
    EXPECT_EQ(HueIndex(CssSpace::Hwb), 0);
    EXPECT_EQ(HueIndex(CssSpace::Oklab), -1);
    // A grey has no hue in lch, oklch and hsl; a missing (NaN) component reads as 0.
    EXPECT_TRUE(std::isnan(ConvertColor({0.5, 0.5, 0.5}, CssSpace::Srgb, CssSpace::Oklch).c));
    EXPECT_TRUE(std::isnan(ConvertColor({0.5, 0.5, 0.5}, CssSpace::Srgb, CssSpace::Lch).c));
    EXPECT_TRUE(std::isnan(ConvertColor({0.5, 0.5, 0.5}, CssSpace::Srgb, CssSpace::Hsl).a));
    EXPECT_FALSE(std::isnan(ConvertColor({0.5, 0.5, 0.52}, CssSpace::Srgb, CssSpace::Oklch).c));
    const Triple missingHue = ConvertColor({50, 30, std::nan("")}, CssSpace::Lch, CssSpace::Lab);
    EXPECT_NEAR(missingHue.b, 30, 1e-12);
    EXPECT_NEAR(missingHue.c, 0, 1e-12);
}

// The colours CSS Color 4 and its readers work through: a pale pink that a clamp turns red, a violet
// that a clamp turns magenta.
TEST(GamutMapping, WorkedExamples)
{
    struct Row {
        std::string_view notation;
        std::string_view text;
        std::uint32_t mapped;
        std::uint32_t clamped; // what a per-channel clamp gave
    };
    const Row rows[] = {
        {"oklch", "oklch(90% 0.4 30)", 0xFFCCC1, 0xFF0000},
        {"lab", "lab(50% 100 -100)", 0xBD2DFF, 0xC900FF},
        {"color-srgb", "color(display-p3 1 0 0)", 0xFF0B0C, 0xFF0000},
    };
    for (const Row& row : rows) {
        const ReadResult result = FindNotation(row.notation)->read(row.text);
        EXPECT_EQ(result.color, Hex(row.mapped)) << row.text;
        EXPECT_NE(result.color, Hex(row.clamped)) << row.text;
        EXPECT_TRUE(result.mapped) << row.text;
    }
}

TEST(GamutMapping, InsideSrgbNothingChangesAndNothingIsSaid)
{
    struct Row {
        std::string_view notation;
        std::string_view text;
        std::uint32_t rrggbb;
    };
    const Row rows[] = {
        // Pure red in CSS Color 4's rounded digits lies a hair outside sRGB: rounding absorbs it.
        {"oklch", "oklch(62.8% 0.2577 29.23)", 0xFF0000},
        {"lab", "lab(54.29% 80.8 69.9)", 0xFF0000},
        {"color-srgb", "color(display-p3 0.5 0.5 0.5)", 0x808080}, // 127.5: a tie, up
        {"color-srgb", "color(display-p3 0.4 0.4 0.4)", 0x666666},
        {"color-srgb", "color(xyz 0.9505 1 1.089)", 0xFFFFFF},
        {"oklch", "oklch(50% 0.05 200)", 0x3F6C6E},
        {"oklch", "oklch(70% 0.1 200)", 0x40B1B7},
    };
    for (const Row& row : rows) {
        const ReadResult result = FindNotation(row.notation)->read(row.text);
        EXPECT_EQ(result.color, Hex(row.rrggbb)) << row.text;
        EXPECT_FALSE(result.mapped) << row.text;
    }
}

// Lightness at or beyond the ends is white or black whatever the chroma; odd input never hangs.
TEST(GamutMapping, EndsOfLightnessAndOddInput)
{
    const auto map = [](Triple oklch) { return ColorOfLinear(GamutMapOklchToLinearSrgb(oklch)); };
    EXPECT_EQ(map({1, 0.3, 40}), Hex(0xFFFFFF));
    EXPECT_EQ(map({1.2, 0, 0}), Hex(0xFFFFFF));
    EXPECT_EQ(map({0, 0.3, 40}), Hex(0x000000));
    EXPECT_EQ(map({-0.1, 0.3, 40}), Hex(0x000000));
    EXPECT_EQ(map({std::nan(""), 0.3, 40}), Hex(0x000000));
    // Chroma far past any colour reaches the same edge of sRGB as a merely large one.
    EXPECT_EQ(map({0.7, 1000, 40}), Hex(0xFF5C00));
    EXPECT_EQ(map({0.7, HUGE_VAL, 40}), Hex(0xFF5C00));
    EXPECT_EQ(map({0.7, 1e300, 40}), Hex(0xFF5C00));
    EXPECT_EQ(map({0.7, std::nan(""), 40}), map({0.7, 0, 40}));
    EXPECT_EQ(map({0.7, 0.3, HUGE_VAL}), map({0.7, 0.3, 0}));
    EXPECT_EQ(map({0.7, 0.3, std::nan("")}), map({0.7, 0.3, 0}));
}

// Out-of-gamut colours of every kind, each mapped by an independent CSS colour library and rounded
// as CSS rounds; the table comes from scripts/gamut_mapping_oracle.mjs.
TEST(GamutMapping, AgreesWithAnIndependentImplementation)
{
    struct Row {
        std::string_view text;
        std::uint32_t rrggbb;
    };
    const Row rows[] = {
        {"oklch(0.12 0.2 0)", 0x170005},
        {"oklch(0.12 0.2 45)", 0x160000},
        {"oklch(0.12 0.2 90)", 0x0C0500},
        {"oklch(0.12 0.2 135)", 0x000900},
        {"oklch(0.12 0.2 180)", 0x000A06},
        {"oklch(0.12 0.2 225)", 0x000812},
        {"oklch(0.12 0.2 270)", 0x03002C},
        {"oklch(0.12 0.2 315)", 0x10001A},
        {"oklch(0.12 0.37 0)", 0x170005},
        {"oklch(0.12 0.37 45)", 0x160000},
        {"oklch(0.12 0.37 90)", 0x0C0500},
        {"oklch(0.12 0.37 135)", 0x000900},
        {"oklch(0.12 0.37 180)", 0x000A06},
        {"oklch(0.12 0.37 225)", 0x000812},
        {"oklch(0.12 0.37 270)", 0x03002C},
        {"oklch(0.12 0.37 315)", 0x10001A},
        {"oklch(0.3 0.2 0)", 0x5E002B},
        {"oklch(0.3 0.2 45)", 0x571100},
        {"oklch(0.3 0.2 90)", 0x3D2B00},
        {"oklch(0.3 0.2 135)", 0x0E3900},
        {"oklch(0.3 0.2 180)", 0x00392F},
        {"oklch(0.3 0.2 225)", 0x00354B},
        {"oklch(0.3 0.2 270)", 0x16008F},
        {"oklch(0.3 0.2 315)", 0x4B0066},
        {"oklch(0.3 0.37 0)", 0x5E002B},
        {"oklch(0.3 0.37 45)", 0x571100},
        {"oklch(0.3 0.37 90)", 0x3D2B00},
        {"oklch(0.3 0.37 135)", 0x0E3900},
        {"oklch(0.3 0.37 180)", 0x00392F},
        {"oklch(0.3 0.37 225)", 0x00354B},
        {"oklch(0.3 0.37 270)", 0x180098},
        {"oklch(0.3 0.37 315)", 0x4B0066},
        {"oklch(0.5 0.2 45)", 0xAC3600},
        {"oklch(0.5 0.2 90)", 0x7E5E00},
        {"oklch(0.5 0.2 135)", 0x307600},
        {"oklch(0.5 0.2 180)", 0x007766},
        {"oklch(0.5 0.2 225)", 0x006F95},
        {"oklch(0.5 0.37 0)", 0xBB005E},
        {"oklch(0.5 0.37 45)", 0xAC3600},
        {"oklch(0.5 0.37 90)", 0x7E5E00},
        {"oklch(0.5 0.37 135)", 0x307600},
        {"oklch(0.5 0.37 180)", 0x007766},
        {"oklch(0.5 0.37 225)", 0x006F95},
        {"oklch(0.5 0.37 270)", 0x3425FF},
        {"oklch(0.5 0.37 315)", 0x9900C8},
        {"oklch(0.7 0.2 90)", 0xC59800},
        {"oklch(0.7 0.2 180)", 0x00BBA2},
        {"oklch(0.7 0.2 225)", 0x00B0E6},
        {"oklch(0.7 0.2 270)", 0x7494FF},
        {"oklch(0.7 0.37 0)", 0xFF4698},
        {"oklch(0.7 0.37 45)", 0xFF6100},
        {"oklch(0.7 0.37 90)", 0xC59800},
        {"oklch(0.7 0.37 135)", 0x55BB00},
        {"oklch(0.7 0.37 180)", 0x00BBA2},
        {"oklch(0.7 0.37 225)", 0x00B0E6},
        {"oklch(0.7 0.37 270)", 0x7494FF},
        {"oklch(0.7 0.37 315)", 0xDA55FF},
        {"oklch(0.9 0.2 0)", 0xFFC8DC},
        {"oklch(0.9 0.2 45)", 0xFFCEB2},
        {"oklch(0.9 0.2 90)", 0xFFD71D},
        {"oklch(0.9 0.2 180)", 0x00FFE3},
        {"oklch(0.9 0.2 225)", 0x97ECFF},
        {"oklch(0.9 0.2 270)", 0xCCDDFF},
        {"oklch(0.9 0.2 315)", 0xF8CAFF},
        {"oklch(0.9 0.37 0)", 0xFFC8DC},
        {"oklch(0.9 0.37 45)", 0xFFCEB2},
        {"oklch(0.9 0.37 90)", 0xFFD71D},
        {"oklch(0.9 0.37 135)", 0x81FF00},
        {"oklch(0.9 0.37 180)", 0x00FFE3},
        {"oklch(0.9 0.37 225)", 0x97ECFF},
        {"oklch(0.9 0.37 270)", 0xCCDDFF},
        {"oklch(0.9 0.37 315)", 0xF8CAFF},
        {"oklch(0.97 0.2 0)", 0xFFEBF4},
        {"oklch(0.97 0.2 45)", 0xFFEEE0},
        {"oklch(0.97 0.2 90)", 0xFFF3AD},
        {"oklch(0.97 0.2 135)", 0xD5FFBB},
        {"oklch(0.97 0.2 180)", 0xBDFFF7},
        {"oklch(0.97 0.2 225)", 0xD4FDFF},
        {"oklch(0.97 0.2 270)", 0xECF5FF},
        {"oklch(0.97 0.2 315)", 0xFFECFF},
        {"oklch(0.97 0.37 0)", 0xFFEBF4},
        {"oklch(0.97 0.37 45)", 0xFFEEE0},
        {"oklch(0.97 0.37 90)", 0xFFF3AD},
        {"oklch(0.97 0.37 135)", 0xD5FFBB},
        {"oklch(0.97 0.37 180)", 0xBDFFF7},
        {"oklch(0.97 0.37 225)", 0xD4FDFF},
        {"oklch(0.97 0.37 270)", 0xECF5FF},
        {"oklch(0.97 0.37 315)", 0xFFECFF},
        {"oklab(0.6075 -0.1606 0.0338)", 0x009D72},
        {"oklab(0.939 0.1377 0.0234)", 0xFFDDE3},
        {"oklab(0.8394 0.3323 -0.3404)", 0xEDACFF},
        {"oklab(0.9478 -0.2323 -0.2453)", 0xC4F7FF},
        {"oklab(0.9438 -0.3528 -0.0927)", 0x77FFFF},
        {"oklab(0.1257 -0.3424 0.1389)", 0x000C01},
        {"oklab(0.8854 0.2477 0.193)", 0xFFC6B1},
        {"oklab(0.1542 0.0945 -0.0032)", 0x23000C},
        {"oklab(0.2733 0.3139 -0.3449)", 0x40005D},
        {"oklab(0.7823 -0.2829 -0.3782)", 0x17C7FF},
        {"oklab(0.709 0.191 0.2906)", 0xF87900},
        {"oklab(0.795 0.2687 0.194)", 0xFF9879},
        {"oklab(0.1308 -0.1288 -0.2798)", 0x000720},
        {"oklab(0.66 -0.0935 -0.1605)", 0x009CF2},
        {"oklab(0.7717 -0.1497 0.2996)", 0xAFC300},
        {"oklab(0.5744 -0.2395 -0.0304)", 0x008E85},
        {"oklab(0.588 -0.0679 -0.1613)", 0x0081DD},
        {"oklab(0.8142 0.0806 -0.1174)", 0xD7AAFF},
        {"oklab(0.5877 -0.2101 -0.331)", 0x0086CC},
        {"oklab(0.3508 -0.0385 -0.3363)", 0x0000C1},
        {"oklab(0.7555 -0.2381 -0.3035)", 0x00C0FF},
        {"oklab(0.8226 0.0831 0.0941)", 0xFFAB7A},
        {"lab(88.899 -75.3925 -5.8702)", 0x00FCE5},
        {"lab(40.4165 39.477 54.0653)", 0xA13F00},
        {"lab(25.8467 -92.3859 35.2001)", 0x004623},
        {"lab(5.0325 -65.0546 83.0828)", 0x000400},
        {"lab(50.8351 -73.824 -62.2858)", 0x008598},
        {"lab(80.9138 -65.1772 28.4163)", 0x00E790},
        {"lab(10.2971 112.6992 56.1346)", 0x401600},
        {"lab(45.3643 -97.7504 98.2427)", 0x007C16},
        {"lab(30.9348 -83.5739 -13.4611)", 0x00514D},
        {"lab(74.7295 -40.7885 -149.6858)", 0x00CFF6},
        {"lab(42.9015 -117.4976 147.1568)", 0x117100},
        {"lab(85.8859 66.3274 142.3327)", 0xFFCCA3},
        {"lab(28.1045 -81.9726 -1.369)", 0x004A3F},
        {"lab(40.4883 85.8658 1.9751)", 0xC30062},
        {"lab(89.9595 83.6272 1.2042)", 0xFFDDEA},
        {"lab(84.9783 -11.3104 -48.7044)", 0xA6DCFF},
        {"lab(71.9677 119.5853 112.2578)", 0xFF9488},
        {"lab(21.2333 -76.2393 -47.7979)", 0x002A27},
        {"lab(9.4398 -109.1296 48.4705)", 0x000B02},
        {"lab(78.3908 -79.3456 15.7348)", 0x00DEA6},
        {"lab(30.6897 -94.3128 30.3742)", 0x00522F},
        {"lch(62.8529 188.4163 328.2582)", 0xFF5DFF},
        {"lch(27.0611 155.3676 42.8591)", 0x6E3B00},
        {"lch(79.1019 106.8227 112.2841)", 0x9AD600},
        {"lch(67.4026 75.5139 304.0932)", 0xBD8EFF},
        {"lch(36.9668 98.5959 220.287)", 0x005E67},
        {"lch(47.5855 137.8326 335.502)", 0xE100BC},
        {"lch(45.4558 197.5621 26.7601)", 0xEB0055},
        {"lch(57.6098 151.036 58.5888)", 0xFF4200},
        {"lch(59.7087 167.3556 210.8035)", 0x00959B},
        {"lch(9.6222 185.3716 171.2611)", 0x000802},
        {"lch(44.0232 175.5876 272.0965)", 0x005D5D},
        {"lch(19.1693 185.9008 116.9441)", 0x212E00},
        {"lch(13.7572 90.6539 22.9971)", 0x5A0005},
        {"lch(73.635 167.2314 208.1516)", 0x00C2CE},
        {"lch(6.1474 116.9455 293.4132)", 0x00191B},
        {"lch(44.9638 85.6448 79.2909)", 0x8F6100},
        {"lch(19.4248 143.8002 209.404)", 0x00211F},
        {"lch(33.0297 152.1147 44.4645)", 0xAC0000},
        {"lch(81.8914 75.3052 356.4511)", 0xFFB8D6},
        {"lch(17.5898 96.1781 32.3058)", 0x630100},
        {"lch(67.1424 121.2297 244.3094)", 0x00B6DE},
        {"lch(7.8484 68.5584 0.1645)", 0x41001C},
        {"lch(15.8254 129.0063 22.1613)", 0x67000D},
        {"lch(93.7913 103.8666 54.9958)", 0xFFE9D6},
        {"color(display-p3 0.5173 1.1243 0.773)", 0xCCFFE4},
        {"color(display-p3 0.6261 0.0551 0.2178)", 0xAF0035},
        {"color(display-p3 -0.0369 0.7937 0.8168)", 0x00CACD},
        {"color(display-p3 -0.0728 -0.003 0.2644)", 0x000E16},
        {"color(a98-rgb 0.9684 0.5098 0.0202)", 0xFF8C32},
        {"color(a98-rgb 0.8578 1.1328 0.6564)", 0xFFFFFF},
        {"color(a98-rgb 1.0425 0.4989 0.9902)", 0xFFA3ED},
        {"color(a98-rgb 1.0963 1.0655 0.9758)", 0xFFFFFF},
        {"color(a98-rgb 0.5625 -0.1013 0.766)", 0xA900C8},
        {"color(a98-rgb -0.0421 0.6358 -0.1045)", 0x009838},
        {"color(prophoto-rgb 1.0913 -0.1342 0.9541)", 0xFF64D7},
        {"color(prophoto-rgb 0.9449 -0.0929 0.4198)", 0xFF298D},
        {"color(prophoto-rgb -0.0134 0.5213 -0.0838)", 0x009337},
        {"color(prophoto-rgb 0.8676 0.8622 1.053)", 0xD8E2FF},
        {"color(prophoto-rgb 0.3214 0.9169 0.5547)", 0x00EDA7},
        {"color(prophoto-rgb 0.5154 0.016 0.5961)", 0xA7009F},
        {"color(prophoto-rgb 0.5348 -0.0268 0.2011)", 0xB5004E},
        {"color(rec2020 -0.137 0.0697 0.2619)", 0x000303},
        {"color(rec2020 0.2467 0.5406 1.1308)", 0x0090EB},
        {"color(rec2020 0.5398 0.604 1.031)", 0x6596FF},
        {"color(rec2020 1.0614 1.0621 0.578)", 0xFFFFFF},
        {"color(rec2020 0.8149 -0.0359 0.0472)", 0xED0020},
        {"color(rec2020 0.4648 1.0608 0.6952)", 0x35FFBD},
        {"color(rec2020 -0.1237 0.0993 0.8265)", 0x004270},
        {"color(srgb-linear 0.3814 -0.0969 0.1333)", 0x6D004C},
        {"color(srgb-linear -0.1328 0.9917 1.0704)", 0x00FCFF},
        {"color(srgb-linear -0.0219 0.3613 0.2835)", 0x00A291},
        {"color(srgb-linear 0.8508 0.9966 -0.0019)", 0xEDFF00},
        {"color(srgb-linear 0.1198 -0.0062 0.7298)", 0x6100DE},
        {"color(srgb-linear 0.2619 0.5118 1.1261)", 0x8CBDFF},
        {"color(xyz-d65 0.1716 0.7361 1.1313)", 0x00EEE0},
        {"color(xyz-d65 1.1044 0.6925 0.7409)", 0xFFD1E1},
        {"color(xyz-d65 0.6066 0.9362 0.6831)", 0xB6FFD9},
        {"color(xyz-d65 0.5615 0.881 0.5165)", 0x9DFFB9},
        {"color(xyz-d65 -0.0113 0.2156 1.1451)", 0x005650},
        {"color(xyz-d65 0.9708 1.1467 0.7041)", 0xFFFFFF},
        {"color(xyz-d65 0.0428 0.7126 0.202)", 0x00EDA5},
        {"color(xyz-d65 1.1426 0.675 0.1088)", 0xFFD3C5},
        {"color(xyz-d50 1.0849 0.5227 0.0775)", 0xFFADA9},
        {"color(xyz-d50 0.83 -0.0972 -0.0952)", 0x000000},
        {"color(xyz-d50 0.3176 0.7446 0.9031)", 0x00F8F3},
        {"color(xyz-d50 0.0137 0.6024 0.6375)", 0x00D7C2},
        {"color(xyz-d50 0.563 0.055 0.4929)", 0xB3008D},
        {"color(xyz-d50 0.334 0.0507 0.7135)", 0x9B00B0},
        {"color(xyz-d50 0.2356 0.0354 -0.0098)", 0x83002C},
        {"color(xyz-d50 0.9464 0.5143 0.95)", 0xFFA1F5},
        {"color(srgb 0.9883 1.0761 0.102)", 0xFFFFFF},
        {"color(srgb 1.0972 0.099 0.446)", 0xFF4578},
        {"color(srgb 0.2422 0.6216 -0.0224)", 0x3E9F00},
        {"color(srgb -0.0372 0.4263 0.0698)", 0x006D12},
        {"color(srgb 1.0929 0.7051 0.7372)", 0xFFBAC0},
        {"color(srgb -0.0729 0.6311 0.4469)", 0x00A172},
        {"color(srgb -0.0653 0.6382 0.9636)", 0x00A3F6},
    };
    int mapped = 0;
    for (const Row& row : rows) {
        const std::string_view name = row.text.substr(0, row.text.find('('));
        const Notation* notation = FindNotation(name == "color" ? "color-srgb" : name);
        ASSERT_NE(notation, nullptr) << row.text;
        const ReadResult result = notation->read(row.text);
        EXPECT_EQ(result.color, Hex(row.rrggbb)) << row.text << ": " << result.message;
        mapped += result.mapped ? 1 : 0;
    }
    // Every row lies outside sRGB; all but those a hair outside say they were mapped.
    EXPECT_GT(mapped, static_cast<int>(std::size(rows)) * 9 / 10);
}

} // namespace
} // namespace pelmora
