// The worked examples of CSS Color 4 and other fixed points of the conversions.

#include "notations/color_spaces.h"
#include "notations/notation_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

Color Hex(std::uint32_t rrggbb)
{
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

Triple Lab(Color c) { return XyzD50ToLab(XyzD65ToD50(LinearSrgbToXyzD65(LinearOf(c)))); }
Triple Oklab(Color c) { return XyzD65ToOklab(LinearSrgbToXyzD65(LinearOf(c))); }

TEST(ColorSpaces, LinearLightToBytesAgreesWithEncodingAndRounding)
{
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(LinearToByte(ByteToLinear(byte)), byte);
    // A sweep through the whole range, finest near black where the levels are closest.
    for (int i = -10; i <= 200000; ++i) {
        const double linear = i < 100000 ? i / 1e7 : (i - 100000) / 1e5 + 0.01;
        const double encoded = 255 * EncodeSrgb(linear);
        if (std::fabs(encoded - std::floor(encoded) - 0.5) < 1e-9)
            continue; // a tie: the midpoint decides
        const int expected = std::clamp(static_cast<int>(std::lround(encoded)), 0, 255);
        ASSERT_EQ(LinearToByte(linear), expected) << linear;
    }
    EXPECT_EQ(LinearToByte(-0.5), 0);
    EXPECT_EQ(LinearToByte(1.5), 255);
    EXPECT_EQ(LinearToByte(std::nan("")), 0);
}

// Pure red as the CSS Color 4 text works it out, to the digits it shows.
TEST(CssColorExamples, PureRedToTheDigitsShown)
{
    const Color red = Hex(0xFF0000);
    const Triple lab = Lab(red);
    EXPECT_EQ(RoundTo(lab.a, 2), 54.29);
    EXPECT_EQ(RoundTo(lab.b, 1), 80.8);
    EXPECT_EQ(RoundTo(lab.c, 1), 69.9);
    const Triple lch = RectangularToPolar(lab);
    EXPECT_EQ(RoundTo(lch.b, 2), 106.84);
    EXPECT_EQ(RoundTo(lch.c, 2), 40.86);
    const Triple oklab = Oklab(red);
    EXPECT_EQ(RoundTo(oklab.a * 100, 1), 62.8);
    EXPECT_EQ(RoundTo(oklab.b, 4), 0.2249);
    EXPECT_EQ(RoundTo(oklab.c, 4), 0.1258);
    const Triple oklch = RectangularToPolar(oklab);
    EXPECT_EQ(RoundTo(oklch.b, 4), 0.2577);
    EXPECT_EQ(RoundTo(oklch.c, 2), 29.23);
}

TEST(CssColorExamples, WhiteIsTheReferenceWhite)
{
    const Triple lab = Lab(Hex(0xFFFFFF));
    EXPECT_NEAR(lab.a, 100, 1e-9);
    EXPECT_NEAR(lab.b, 0, 1e-4);
    EXPECT_NEAR(lab.c, 0, 1e-4);
    const Triple oklab = Oklab(Hex(0xFFFFFF));
    EXPECT_NEAR(oklab.a, 1, 1e-6);
    EXPECT_NEAR(oklab.b, 0, 1e-6);
    EXPECT_NEAR(oklab.c, 0, 1e-6);
}

TEST(CssColorExamples, ExampleTextsReadAsTheirColour)
{
    struct Row {
        std::string_view notation;
        std::string_view text;
        std::uint32_t rrggbb;
    };
    const Row rows[] = {
        {"oklch", "oklch(62.8% 0.2577 29.23)", 0xFF0000},
        {"oklab", "oklab(62.8% 0.2249 0.1258)", 0xFF0000},
        {"lab", "lab(54.29% 80.8 69.9)", 0xFF0000},
        {"lch", "lch(54.29% 106.84 40.86)", 0xFF0000},
        {"hsl", "hsl(120deg 100% 25%)", 0x008000}, // 127.5: a tie goes up to 128
        {"hsl", "hsl(120 100% 25%)", 0x008000},
        {"hsl", "hsl(0.5turn 100% 50%)", 0x00FFFF},
        {"hsl", "hsla(240, 100%, 50%, 0.5)", 0x0000FF},
        {"hwb", "hwb(0 0% 0%)", 0xFF0000},
        {"hwb", "hwb(200 100% 100%)", 0x808080}, // whiteness + blackness beyond 100%: grey 0.5
        {"hwb", "hwb(60 20% 30%)", 0xB3B333}, // 178.5: a tie goes up to 179, as in CSS
        {"hwb", "hwb(120 30% 50%)", 0x4D804D},
        {"hwb", "hwb(320deg 30% 40%)", 0x994D80},
        {"hsl", "hsl(0 0% 30%)", 0x4D4D4D},
        {"css-rgb", "rgb(30% 30% 30%)", 0x4D4D4D}, // 76.5
        {"color-srgb", "color(srgb 0.7 0.3 0.3)", 0xB34D4D},
        {"floats", "0.3, 0.7, 0.5", 0x4DB380},
        {"color-srgb", "color(srgb 1 0.5 0)", 0xFF8000},
        {"color-srgb", "color(sRGB 100% 50% 0% / 0.2)", 0xFF8000},
        {"css-rgb", "rgb(255 128 0)", 0xFF8000},
        {"css-rgb", "rgb(100% 50% 0%)", 0xFF8000},
        {"css-rgb", "RGBA(255, 128, 0, 50%)", 0xFF8000},
        {"css-rgb", "rgb(none 128 0 / none)", 0x008000},
        {"css-rgb", "rgb(300 -5 127.5)", 0xFF0080}, // clamped per channel, 127.5 up
        {"css-rgb", "rgb(300 -5 126.5)", 0xFF007F},
        {"css-hex", "#F80", 0xFF8800},
        {"css-hex", "#ff800080", 0xFF8000},
        {"css-hex", "#abcd", 0xAABBCC},
        {"css-name", "RebeccaPurple", 0x663399},
        {"lab", "lab(100 0 0)", 0xFFFFFF},
        {"lab", "lab(150% 0 0)", 0xFFFFFF}, // lightness clamped to 100
        {"oklch", "oklch(0.628 0.2577 29.23deg)", 0xFF0000},
        {"oklch", "oklch(0% none none)", 0x000000},
        {"oklab", "oklab(1 0 0)", 0xFFFFFF},
        {"lch", "lch(50% 200 40)", 0xFD0043}, // far outside sRGB: gamut-mapped, not clamped to red
        {"rgb-call", "rgb(255,128,0)", 0xFF8000},
        {"decimal", "33023", 0xFF8000},
        {"hex-literal", "&h80ff", 0xFF8000},
        {"hex-0x", "0xff8000", 0xFF8000},
        {"android", "0x80FF8000", 0xFF8000},
        {"qcolor", "QColor(255, 128, 0, 10)", 0xFF8000},
        {"floats", "1, 0.5, 0", 0xFF8000},
    };
    for (const Row& row : rows) {
        const Notation* notation = FindNotation(row.notation);
        ASSERT_NE(notation, nullptr) << row.notation;
        const ReadResult result = notation->read(row.text);
        EXPECT_EQ(result.color, Hex(row.rrggbb)) << row.text << ": " << result.message;
    }
}

TEST(CssColorExamples, FormatsOfOneColour)
{
    struct Row {
        std::string_view notation;
        std::string_view text;
    };
    // rgb(255 128 0): every notation of one colour as the program prints it.
    const Row rows[] = {
        {"rgb-call", "RGB(255, 128, 0)"},
        {"decimal", "33023"},
        {"html", "#FF8000"},
        {"hex-literal", "&H0080FF&"},
        {"css-hex", "#ff8000"},
        {"css-rgb", "rgb(255 128 0)"},
        {"css-rgb-legacy", "rgb(255, 128, 0)"},
        {"hsl", "hsl(30 100% 50%)"}, // 30.1 exactly, but 30 reads back the same
        {"hwb", "hwb(30 0% 0%)"},
        {"color-srgb", "color(srgb 1 0.5 0)"},
        {"hex-0x", "0xFF8000"},
        {"android", "0xFFFF8000"},
        {"qcolor", "QColor(255, 128, 0)"},
        {"floats", "1.000, 0.502, 0.000"},
    };
    for (const Row& row : rows) {
        const Notation* notation = FindNotation(row.notation);
        ASSERT_NE(notation, nullptr) << row.notation;
        EXPECT_EQ(FormatIn(*notation, Hex(0xFF8000)), std::string(row.text)) << row.notation;
    }
    EXPECT_EQ(FormatIn(*FindNotation("css-name"), Hex(0xFF8000)), std::nullopt);
    EXPECT_EQ(FormatIn(*FindNotation("css-name"), Hex(0xFFA500)), std::string("orange"));
}

// A CSS reader rounds a tie up, so the text of a colour just below a tie must not be the round one
// that lands on it: 30% is 76.5, which reads as 77.
TEST(CssColorExamples, TextsBesideATieReadBackInACssReader)
{
    struct Row {
        std::string_view notation;
        std::uint32_t rrggbb;
        std::string_view text;
    };
    const Row rows[] = {
        {"hsl", 0x4D4D4D, "hsl(0 0% 30%)"},
        {"hwb", 0x4D4D4D, "hwb(0 30% 70%)"},
        {"color-srgb", 0x4D4D4D, "color(srgb 0.3 0.3 0.3)"},
        {"hsl", 0x4C4C4C, "hsl(0 0% 29.8%)"},
        {"hwb", 0x4C4C4C, "hwb(0 29.8% 70.2%)"},
        {"color-srgb", 0x4C4C4C, "color(srgb 0.298 0.298 0.298)"},
        {"hwb", 0x800800, "hwb(3.8 0% 49.8%)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatIn(*FindNotation(row.notation), Hex(row.rrggbb)), std::string(row.text)) << row.notation;
}

TEST(CssColorExamples, GreysPrintAZeroHue)
{
    // The chroma of a grey is a rounding error away from zero, its hue is noise.
    for (const std::string_view name : {"hsl", "hwb"}) {
        const auto text = FormatIn(*FindNotation(name), Hex(0x777777));
        ASSERT_TRUE(text);
        EXPECT_TRUE(text->starts_with(std::string(name) + "(0 ")) << *text;
    }
    for (const std::string_view name : {"lch", "oklch"}) {
        const auto text = FormatIn(*FindNotation(name), Hex(0x777777));
        ASSERT_TRUE(text);
        EXPECT_TRUE(text->ends_with(" 0 0)")) << *text;
    }
}

// A decimal number printed with a trailing zero ("0.50", "12.0") has a digit it does not need.
bool HasTrailingZero(std::string_view text)
{
    bool inFraction = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.')
            inFraction = true;
        else if (c < '0' || c > '9') {
            if (inFraction && text[i - 1] == '0')
                return true;
            inFraction = false;
        }
    }
    return false;
}

TEST(CssColorExamples, NoTrailingZerosAndTheTextReadsBack)
{
    for (const std::uint32_t rrggbb : {0x3A7BD5u, 0x010203u, 0xFEFDFCu, 0x7F007Fu}) {
        for (const std::string_view name : {"hsl", "hwb", "lab", "lch", "oklab", "oklch", "color-srgb"}) {
            const auto text = FormatIn(*FindNotation(name), Hex(rrggbb));
            ASSERT_TRUE(text);
            EXPECT_EQ(FindNotation(name)->read(*text).color, Hex(rrggbb)) << *text;
            EXPECT_FALSE(HasTrailingZero(*text)) << *text;
        }
    }
}

} // namespace
} // namespace pelmora
