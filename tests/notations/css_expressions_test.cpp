// calc() and the other math functions, color-mix() and relative colours as CSS Values 4 and CSS
// Color 4 and 5 define them, and what a colour text alone cannot say.

#include "notations/css_color_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {
namespace {

struct ColorRow {
    std::string_view text;
    Color color;
};

struct RefusalRow {
    std::string_view text;
    std::string_view message;
};

void ExpectColors(std::span<const ColorRow> rows)
{
    for (const ColorRow& row : rows) {
        const ReadResult read = ReadCssColorText(row.text);
        EXPECT_EQ(read.color, row.color) << row.text << ": " << read.message;
    }
}

void ExpectRefusals(std::span<const RefusalRow> rows)
{
    for (const RefusalRow& row : rows) {
        const ReadResult read = ReadCssColorText(row.text);
        EXPECT_FALSE(read.color) << row.text;
        EXPECT_EQ(read.message, row.message) << row.text;
    }
}

TEST(CssNumbers, ShortDecimalsAreTheNearestDouble)
{
    // Digits that fill a double's mantissa, points everywhere, and the longest run read the quick way.
    std::vector<std::string> numbers = {"0", "0.1", "0.3", "1.005", "255", "99.99999999999", "123456789012345",
        "12345678901234.5", ".000000000000001", "9007199254740.993", "0.29999999999999", "1234567890123456", "1e2",
        "-0.7", "+0.7", "-0"};
    std::uint64_t state = 12345;
    for (int i = 0; i < 2000; ++i) {
        std::string digits;
        state = state * 6364136223846793005u + 1442695040888963407u;
        const std::size_t length = 1 + (state >> 60);
        for (std::size_t d = 0; d < length; ++d)
            digits += static_cast<char>('0' + (state >> (4 * d + 3)) % 10);
        digits.insert((state >> 20) % (length + 1), ".");
        if (digits.back() != '.')
            numbers.push_back(digits);
    }
    for (const std::string& number : numbers) {
        TextScanner scan(number);
        ReadResult error;
        const auto value = scan.cssValue(error);
        ASSERT_TRUE(value) << number;
        double expected = 0;
        const std::size_t from = number.front() == '+' ? 1 : 0;
        std::from_chars(number.data() + from, number.data() + number.size(), expected);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value->value), std::bit_cast<std::uint64_t>(expected)) << number;
    }
}

// The quick reader of plain numbers takes what the general one reads as a plain number, to the
// bit and to the same place, and leaves everything else to it without moving.
TEST(CssNumbers, PlainNumbersReadAsTheGeneralReaderReadsThem)
{
    struct Row {
        std::string_view text;
        std::size_t taken; // 0: left to the general reader
    };
    const Row rows[] = {{"255", 3}, {"-0.5", 4}, {"+.5", 3}, {"-0", 2}, {"0.1", 3}, {"7*2", 1}, {"1)", 1}, {"1 ", 1},
        {"1.", 1}, // the point is not part of it
        {"1.5.3", 3}, {"1\xc3\xa9", 1}, {"123456789012345", 15}, {"1234567890123.5", 15},
        // Too long to read exactly on the way, an exponent, a unit, '%', or no number at all.
        {"1234567890123456", 0}, {"12345678901234.5", 0}, {"1e2", 0}, {"1E-2", 0}, {"1e", 0}, {"50%", 0}, {"10deg", 0},
        {"1-2", 0}, {"1_", 0}, {".", 0}, {"-", 0}, {"+-1", 0}, {"", 0}, {"none", 0}, {"e", 0}};
    for (const Row& row : rows) {
        TextScanner quick(row.text);
        const auto plain = quick.plainNumber();
        EXPECT_EQ(plain.has_value(), row.taken > 0) << row.text;
        EXPECT_EQ(quick.offset(), row.taken) << row.text;
        if (!plain)
            continue;
        TextScanner general(row.text);
        ReadResult error;
        const auto value = general.cssValue(error);
        ASSERT_TRUE(value) << row.text;
        EXPECT_EQ(value->kind, CssValue::Kind::Number) << row.text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*plain), std::bit_cast<std::uint64_t>(value->value)) << row.text;
        EXPECT_EQ(general.offset(), row.taken) << row.text;
    }
}

TEST(CssCalc, MathFunctionsAndConstants)
{
    const ColorRow rows[] = {
        {"rgb(calc(100 + 28) calc(2 * 32) calc(300 / 3))", RGB(128, 64, 100)},
        {"rgb(calc((1 + 2) * 10) calc(-1 * -5) calc(10 - 2 - 3))", RGB(30, 5, 5)},
        {"rgb(min(10, 20, 5) max(10, 20, 5) clamp(0, 300, 255))", RGB(5, 20, 255)},
        {"rgb(clamp(100, 50, 20) 0 0)", RGB(100, 0, 0)}, // the minimum wins over the maximum
        {"rgb(round(12.5) round(up, 11, 5) round(down, 14, 5))", RGB(13, 15, 10)},
        {"rgb(round(to-zero, -7, 5) round(nearest, 17.5, 5) round(-12.5))", RGB(0, 20, 0)},
        {"rgb(mod(-7, 5) rem(-7, 5) mod(7, -5))", RGB(3, 0, 0)},
        {"rgb(abs(-40) calc(sign(-3) * -50) calc(sign(0) + 9))", RGB(40, 50, 9)},
        {"rgb(calc(e * 10) calc(pi * 10) 0)", RGB(27, 31, 0)},
        {"rgb(calc(50%) calc(25% * 2) calc(200% / 4))", RGB(128, 128, 128)},
        {"hsl(calc(0.5turn - 60deg) 100% 50%)", RGB(0, 255, 0)},
        {"hsl(calc(1rad * pi) 100% 50%)", RGB(0, 255, 255)},
        {"rgb(calc(infinity) calc(-infinity) calc(NaN))", RGB(255, 0, 0)},
        {"rgb(calc(1 / 0) calc(0 / 0) min(NaN, 5))", RGB(255, 0, 0)},
        {"RGB(CALC(10 * 2) Min(1, 2) 3)", RGB(20, 1, 3)},
        {"rgb(calc( ( 2 ) * ( 3 + 4 ) ) 0 0)", RGB(14, 0, 0)},
    };
    ExpectColors(rows);
}

TEST(CssCalc, TypesUnitsAndNestingAreChecked)
{
    const RefusalRow rows[] = {
        {"rgb(calc(1em) 0 0)", "'em' is a length, which only a document can resolve at position 10"},
        {"rgb(calc(10px * 2) 0 0)", "'px' is a length, which only a document can resolve at position 10"},
        {"hsl(10vw 50% 50%)", "'vw' is a length, which only a document can resolve at position 5"},
        {"rgb(calc(50% + 10) 0 0)", "cannot add a number to a percentage at position 16"},
        {"rgb(calc(2% * 3%) 0 0)", "cannot multiply two values that both have units at position 15"},
        {"rgb(calc(10 / 2%) 0 0)", "can only divide by a number at position 15"},
        {"rgb(calc(1 -2) 0 0)", "expected a blank after '-' at position 13"},
        {"rgb(calc(1 +2) 0 0)", "expected a blank after '+' at position 13"},
        {"rgb(calc(10deg) 0 0)", "expected a number or a percentage, not an angle at position 5"},
        {"rgb(10deg 0 0)", "unexpected unit 'deg' at position 5"},
        {"hsl(calc(10%) 50% 50%)", "expected a hue (a number or an angle) at position 5"},
        {"rgb(calc(r) 0 0)", "'r' is not a number at position 10"},
        {"rgb(infinity 0 0)", "expected a number, found 'i' at position 5"},
        {"rgb(sin(1) 0 0)", "expected a number, found 's' at position 5"},
        {"rgb(calc(5) 0 0", "expected ')' or '/', found the end at position 16"},
        {"rgb(round(10%) 0 0)", "round() of a percentage needs a step at position 14"},
    };
    ExpectRefusals(rows);
    // Nesting stops at a stated depth instead of at the end of the stack.
    const std::string deep = "rgb(calc(" + std::string(500, '(') + "1" + std::string(500, ')') + ") 0 0)";
    EXPECT_EQ(ReadCssColorText(deep).message, "nested deeper than 24 levels at position 33");
    const std::string fine = "rgb(calc(" + std::string(20, '(') + "1" + std::string(20, ')') + ") 0 0)";
    EXPECT_EQ(ReadCssColorText(fine).color, RGB(1, 0, 0));
    // The place is where the level too many starts: after a bracket, before the blanks that follow
    // it; inside a function, after them.
    std::string brackets = "rgb(calc(";
    std::string calls = "rgb(calc(";
    for (int i = 0; i < 24; ++i) {
        brackets += "( ";
        calls += "calc( ";
    }
    EXPECT_EQ(ReadCssColorText(brackets + "1").message, "nested deeper than 24 levels at position 55");
    EXPECT_EQ(ReadCssColorText(calls + "1").message, "nested deeper than 24 levels at position 148");
}

// calc() is told apart from other words in one look at its letters: in any case, and only when the
// word is "calc" itself and '(' follows at once.
TEST(CssCalc, CalcIsToldInAnyCaseAndOnlyWhole)
{
    const ColorRow colors[] = {
        {"rgb(1 2 calc(CALC(3)))", RGB(1, 2, 3)},
        {"rgb(1 2 calc(Calc( 3 ) + cAlC(1)))", RGB(1, 2, 4)},
        {"rgb(1 2 calc(1 + calc(2)*3))", RGB(1, 2, 7)},
    };
    ExpectColors(colors);
    const RefusalRow refusals[] = {
        {"rgb(1 2 calc(calc (3)))", "'calc' is not a number at position 14"},
        {"rgb(1 2 calc(calcx(3)))", "'calcx()' is not a math function at position 14"},
        {"rgb(1 2 calc(cal(3)))", "'cal()' is not a math function at position 14"},
        {"rgb(1 2 calc(-calc(3)))", "'-calc()' is not a math function at position 14"},
        {"rgb(1 2 calc(calc", "'calc' is not a number at position 14"},
        {"rgb(1 2 calc(calc(3)", "expected ')', found the end at position 21"},
    };
    ExpectRefusals(refusals);
}

// Every way one piece of a colour can hold another stops at the same depth, however it is mixed:
// 24 levels read, far deeper ones are refused with the reason (and do not exhaust the stack).
TEST(CssNesting, EveryRouteStopsAtTheSameDepth)
{
    struct Route {
        std::string_view name;
        std::string_view open; // one level, repeated
        std::string_view inner;
        std::string_view close; // one level's end, repeated
        std::string_view around; // "%s" stands for the nest
    };
    const Route routes[] = {
        {"parentheses", "(", "1", ")", "rgb(calc(%s) 0 0)"},
        {"calc in calc", "calc(", "1", ")", "rgb(%s 0 0)"},
        {"min in max", "max(0, min(", "1", "))", "rgb(%s 0 0)"},
        {"round in clamp", "clamp(0, round(", "1", "), 9)", "rgb(%s 0 0)"},
        {"color-mix in color-mix", "color-mix(in srgb, red, ", "blue", ")", "%s"},
        {"relative origins", "rgb(from ", "red", " r g b)", "%s"},
        {"relative origin in a mix", "color-mix(in lab, white, oklch(from ", "red", " l c h))", "%s"},
        {"mixes with calc() percentages", "color-mix(in srgb, red calc(50% * (1)), ", "blue", ")", "%s"},
        {"calc of channels in relative origins", "hsl(from ", "red", " calc(h + (1)) s l)", "%s"},
    };
    const auto nest = [](const Route& route, int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i)
            text += route.open;
        text += route.inner;
        for (int i = 0; i < levels; ++i)
            text += route.close;
        std::string whole(route.around);
        whole.replace(whole.find("%s"), 2, text);
        return whole;
    };
    for (const Route& route : routes) {
        const ReadResult shallow = ReadCssColorText(nest(route, 10));
        EXPECT_TRUE(shallow.color) << route.name << ": " << shallow.message;
        const ReadResult deep = ReadCssColorText(nest(route, 5000));
        EXPECT_FALSE(deep.color) << route.name;
        EXPECT_NE(deep.message.find("nested deeper than 24 levels"), std::string::npos)
            << route.name << ": " << deep.message;
    }
}

TEST(CssColorMix, SpacesHuesAndPercentages)
{
    const ColorRow rows[] = {
        {"color-mix(in srgb, red, blue)", RGB(128, 0, 128)},
        {"color-mix(in srgb, red 25%, blue)", RGB(64, 0, 191)},
        {"color-mix(in srgb, 25% red, blue 25%)", RGB(128, 0, 128)}, // scaled to 100%
        {"color-mix(in srgb, red 10%, blue 20%)", RGB(85, 0, 170)}, // and the alpha faded
        {"color-mix(in srgb-linear, black, white)", RGB(188, 188, 188)},
        {"color-mix(in xyz, black, white)", RGB(188, 188, 188)},
        {"color-mix(in lab, black, white)", RGB(119, 119, 119)},
        {"color-mix(in oklab, black, white)", RGB(99, 99, 99)},
        {"color-mix(in srgb, transparent, red)", RGB(255, 0, 0)}, // premultiplied: transparent weighs nothing
        {"color-mix(in hsl, red, lime)", RGB(255, 255, 0)},
        {"color-mix(in hsl longer hue, red, lime)", RGB(0, 0, 255)},
        {"color-mix(in hsl increasing hue, lime, red)", RGB(0, 0, 255)},
        {"color-mix(in hsl decreasing hue, red, lime)", RGB(0, 0, 255)},
        {"color-mix(in hwb, white, red)", RGB(255, 128, 128)},
    };
    ExpectColors(rows);
    const RefusalRow refusals[] = {
        {"color-mix(srgb, red, blue)", "expected 'in' before the colour space 'srgb' at position 11"},
        {"color-mix(in cmyk, red, blue)", "'cmyk' is not a colour space color-mix() knows at position 14"},
        {"color-mix(in srgb longer hue, red, blue)", "'srgb' has no hue to interpolate at position 19"},
        {"color-mix(in srgb, red 120%, blue)", "expected a percentage from 0% to 100% at position 24"},
        {"color-mix(in srgb)",
            "expected ',' or a hue interpolation method (shorter, longer, increasing, decreasing) at position 18"},
        {"color-mix()", "expected a colour, found ')' at position 11"},
        {"color-mix(in srgb, red,)", "expected a colour, found ')' at position 24"},
        {"color-mix(red, blue", "expected a number, found the end at position 20"},
    };
    ExpectRefusals(refusals);
}

// The CSS Color 5 draft's color-mix(): one colour or more, Oklab when no space is named, each
// colour mixed in turn into what the ones before it gave.
TEST(CssColorMix, OneColourOrMoreAndOklabByDefault)
{
    const ColorRow rows[] = {
        {"color-mix(red, blue)", RGB(140, 83, 162)},
        {"color-mix(indigo, white)", RGB(159, 136, 195)}, // "indigo" is a colour, not "in"
        {"color-mix(in srgb, red)", RGB(255, 0, 0)},
        {"color-mix(in lch, hsl(0 50% 50%))", RGB(191, 64, 64)},
        {"color-mix(in srgb, red, lime, blue)", RGB(85, 85, 85)},
        {"color-mix(in srgb, red 20%, lime 40%, blue 40%)", RGB(51, 102, 102)},
        {"color-mix(in srgb, red 60%, lime, blue)", RGB(153, 51, 51)}, // the omitted share the rest
        {"color-mix(in srgb, red 50%, lime 50%, blue)", RGB(128, 128, 0)}, // nothing left for blue
        {"color-mix(in srgb, red 100%, lime 100%, blue 100%)", RGB(85, 85, 85)},
        {"color-mix(in hsl, red, lime, blue)", RGB(0, 255, 0)}, // yellow, then a third of 180deg on
        {"color-mix(in hsl, blue, red, lime)", RGB(0, 0, 255)}, // magenta, then a third of 180deg back
        {"color-mix(in srgb, red 0%, blue 0%)", RGB(0, 0, 0)}, // nothing of either: transparent black
        {"color-mix(in oklch, teal 0%, olive 0%, red 0%)", RGB(0, 0, 0)},
        // More colours than a mix keeps in place.
        {"color-mix(in srgb, red, red, red, blue, blue)", RGB(153, 0, 102)},
        {"color-mix(in srgb, red 20%, lime 20%, blue 20%, black 20%, white 20%)", RGB(102, 102, 102)},
        {"color-mix(in srgb, red, lime, blue, red, lime, blue, red, lime, blue)", RGB(85, 85, 85)},
    };
    ExpectColors(rows);
}

TEST(CssRelativeColor, ChannelKeywordsOfEverySpace)
{
    const ColorRow rows[] = {
        {"rgb(from #ff8000 b g r)", RGB(0, 128, 255)},
        {"rgb(from #ff8000 calc(r / 2) g b / calc(alpha / 2))", RGB(128, 128, 0)},
        {"hsl(from red calc(h + 240) s l)", RGB(0, 0, 255)},
        {"hwb(from red h w calc(b + 50))", RGB(128, 0, 0)},
        {"lab(from #ff8000 l a b)", RGB(255, 128, 0)},
        {"lch(from #808080 l c h)", RGB(128, 128, 128)},
        {"oklab(from #ff8000 l 0 0)", RGB(168, 168, 168)}, // OK lightness 0.7328 kept, grey
        {"oklch(from #336699 l c h)", RGB(51, 102, 153)},
        {"color(from #ff8000 srgb b g r)", RGB(0, 128, 255)},
        {"color(from red xyz x y z)", RGB(255, 0, 0)},
        {"color(from red srgb-linear r calc(g + 0.5) b)", RGB(255, 188, 0)},
        {"rgb(from color-mix(in srgb, red, blue) r g b)", RGB(128, 0, 128)},
        {"rgb(from hsl(from red calc(h + 120) s l) r g b)", RGB(0, 255, 0)},
    };
    ExpectColors(rows);
    const RefusalRow refusals[] = {
        {"rgb(from red h s l)", "'h' is not a channel of this relative colour (r, g, b, alpha) at position 14"},
        {"rgb(from red, r, g, b)", "expected a number, found ',' at position 13"},
        {"rgb(from r g b)", "'r' is not a CSS colour name at position 10"},
    };
    ExpectRefusals(refusals);
}

TEST(CssColorText, WhatATextAloneCannotSayIsRefusedWithTheReason)
{
    const RefusalRow rows[] = {
        {"currentcolor",
            "currentcolor is the colour of the element it is used on, which a text does not have at position 1"},
        {"Canvas", "'Canvas' is a CSS system colour, which the browser and the desktop choose at position 1"},
        {"buttontext", "'buttontext' is a CSS system colour, which the browser and the desktop choose at position 1"},
        {"light-dark(white, black)",
            "light-dark() depends on the colour scheme of the page it is used on at position 1"},
        {"var(--brand)", "var() needs the style sheet that defines the custom property at position 1"},
        {"attr(data-color type(<color>))", "attr() needs the element of a document at position 1"},
        {"color-mix(in srgb, currentcolor, red)",
            "currentcolor is the colour of the element it is used on, which a text does not have at position 20"},
        {"rgb(from var(--x) r g b)", "var() needs the style sheet that defines the custom property at position 10"},
    };
    ExpectRefusals(rows);
}

TEST(CssColorText, AlphaIsReadAndReported)
{
    struct Row {
        std::string_view text;
        double alpha;
    };
    const Row rows[] = {
        {"rgb(0 0 0 / 50%)", 0.5},
        {"#ff800080", 128 / 255.0},
        {"transparent", 0},
        {"hsl(0 0% 0% / 1.5)", 1},
        {"oklch(50% 0.1 30 / -1)", 0},
        {"color-mix(in srgb, red 25%, blue 25%)", 0.5},
        {"color-mix(in srgb, red 50%)", 0.5},
        {"color-mix(in srgb, red 20%, lime 20%, blue 20%)", 0.6},
        {"color-mix(in srgb, red 0%, blue 0%)", 0},
        {"rgb(from rgb(0 0 0 / 40%) r g b)", 0.4},
        {"rgb(1, 2, 3)", 1},
    };
    for (const Row& row : rows) {
        const ReadResult read = ReadCssColorText(row.text);
        ASSERT_TRUE(read.color) << row.text << ": " << read.message;
        EXPECT_NEAR(read.alpha, row.alpha, 1e-9) << row.text;
    }
}

} // namespace
} // namespace pelmora
