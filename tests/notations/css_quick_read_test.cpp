// The shortcuts of the colour reader give what the general reader gives: the quick reader of the
// plain colour functions to the bit, a colour read only to be counted the same success or failure,
// and the names looked up by first letter and length every name and no other word.

#include "notations/css_color_reader.h"
#include "notations/named_colors.h"
#include "notations/plain_css_color.h"
#include "notations/read_any_color.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {
namespace {

// Function texts built from the pieces the plain forms are made of and the ones that leave them:
// calc(), from, exponents, long numbers, lengths, wrong separators, missing brackets.
class TextMaker {
public:
    std::string functionText()
    {
        static constexpr std::string_view kNames[]
            = {"rgb", "RGBA", "hsl", "Hsla", "hwb", "lab", "lch", "oklab", "OKLCH", "color", "rgb", "hsl"};
        static constexpr std::string_view kSpaces[] = {"srgb", "display-p3", "Rec2020", "xyz", "xyz-d50", "a98-rgb",
            "prophoto-rgb", "srgb-linear", "lab", "hsl", ""};
        static constexpr std::string_view kSeparators[] = {" ", " ", " ", ",", ", ", " ,", "\t", "  ", "/", "\n"};
        std::string text(pick(kNames));
        text += '(';
        if (chance(8))
            text += ' ';
        if (text.starts_with("color")) {
            text += pick(kSpaces);
            text += ' ';
        }
        if (chance(15))
            text += "from red ";
        const std::string_view separator = pick(kSeparators);
        // Mostly one kind of separator, as written by hand.
        const std::size_t count = chance(10) ? 2 + next(3) : 3;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0)
                text += chance(20) ? pick(kSeparators) : separator;
            text += component();
        }
        if (chance(3)) {
            text += chance(2) ? " / " : separator == "," || separator == ", " ? ", " : "/";
            text += component();
        }
        text += chance(12) ? "" : chance(8) ? " )" : ")";
        return text;
    }

private:
    std::string component()
    {
        static constexpr std::string_view kUnits[]
            = {"%", "%", "deg", "DEG", "grad", "rad", "turn", "px", "em", "e3", "x"};
        static constexpr std::string_view kOthers[]
            = {"none", "None", "nonex", "calc(1 + 2)", "r", "pi", "1e2", "-.5e-1", "+.", "123456789012345678",
                "0.000000000000001", "1234567890.12345", "12345678901.23456", "-0", ".", "5.", "--1"};
        if (chance(12))
            return std::string(pick(kOthers));
        std::string number;
        if (chance(5))
            number += chance(2) ? "-" : "+";
        const std::size_t digits = chance(20) ? 0 : 1 + next(chance(6) ? 17 : 3);
        for (std::size_t d = 0; d < digits; ++d)
            number += static_cast<char>('0' + next(10));
        if (chance(3)) {
            number += '.';
            for (std::size_t d = 1 + next(chance(6) ? 15 : 3); d > 0; --d)
                number += static_cast<char>('0' + next(10));
        }
        return chance(4) ? number + std::string(pick(kUnits)) : number;
    }

    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) { return items[next(N)]; }
    bool chance(std::uint64_t oneIn) { return next(oneIn) == 0; }
    std::size_t next(std::uint64_t below)
    {
        state_ = state_ * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::size_t>((state_ >> 33) % below);
    }

    std::uint64_t state_ = 2024;
};

// The quick reader at `text`, which is a function's name, '(' and the rest.
std::optional<CssColor> ReadQuickly(std::string_view text, std::size_t& end, CssColorUse use = CssColorUse::Shown)
{
    TextScanner scan(text);
    const std::string_view name = scan.word();
    scan.take('(');
    const std::size_t start = scan.offset();
    auto color = ReadPlainCssFunction(CssFunctionNamed(name), scan, use);
    end = scan.offset();
    EXPECT_TRUE(color || end == start) << text << ": the scanner moved on a text left to the general reader";
    return color;
}

TEST(QuickCssRead, PlainFunctionsReadToTheBitAsTheGeneralReaderDoes)
{
    TextMaker maker;
    std::size_t quick = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = maker.functionText();
        std::size_t quickEnd = 0;
        const auto quickly = ReadQuickly(text, quickEnd);
        // Counted, the same text reads or not and ends at the same place, its values left out.
        std::size_t countedEnd = 0;
        EXPECT_EQ(ReadQuickly(text, countedEnd, CssColorUse::Counted).has_value(), quickly.has_value()) << text;
        EXPECT_EQ(countedEnd, quickEnd) << text;
        // The check of a colour only counted, which looks at no value, says the same.
        const std::size_t open = text.find('(');
        const std::size_t length = PlainCssFunctionLength(
            CssFunctionNamed(std::string_view(text).substr(0, open)), std::string_view(text).substr(open + 1));
        EXPECT_EQ(length > 0, quickly.has_value()) << text;
        EXPECT_EQ(length > 0 ? open + 1 + length : open + 1, quickEnd) << text;
        TextScanner scan(text);
        ReadResult error;
        const auto generally = ReadCssColorGenerally(scan, error);
        if (!quickly)
            continue;
        ++quick;
        ASSERT_TRUE(generally) << text << " reads quickly, and generally fails: " << error.message;
        EXPECT_TRUE(IdenticalCssColors(*quickly, *generally)) << text;
        EXPECT_EQ(quickEnd, scan.offset()) << text;
    }
    // Most of the texts are plain, so a quick reader that reads nothing fails here.
    EXPECT_GT(quick, 2000u) << quick;
}

TEST(QuickCssRead, TakesThePlainFormsAndLeavesTheRest)
{
    const std::string_view plain[] = {"rgb(1 2 3)", "rgba(255, 0, 0, 50%)", "RGB(1,2,3)", "hsl(120deg 50% 50% / 0.5)",
        "hsla(0.5turn, 10%, 20%)", "hwb(none 10% 20%)", "lab(50% 40 -20)", "lch(50 30 100grad / none)",
        "oklab(0.5 0.1 -0.1)", "oklch(62% 0.2 1.5rad)", "color(display-p3 1 0 0)", "color(xyz 0.2 0.3 0.4 / 10%)",
        "rgb(  -1 .5 +300  )", "rgb(12345678901.345 0 0)"};
    const std::string_view general[]
        = {"rgb(1 2 calc(3))", "rgb(from red r g b)", "rgb(1e2 0 0)", "rgb(1234567890123456 0 0)", "rgb(1em 0 0)",
            "hsl(10% 20% 30%)", "rgb(1, 2 3)", "rgb(1 2, 3)", "rgb(1%, 2, 3)", "rgb(none, 2, 3)", "hsl(1, 2, 3%)",
            "lab(1deg 2 3)", "rgb(1 2 3 / 4deg)", "rgb(1 2 3", "color(lab 1 2 3)", "color(foo 1 2 3)", "rgb(1 2 3 4)",
            "color-mix(in lab, red, blue)", "rgb(1 2 pi)", "rgb(1x 2 3)", "rgb(nonex 2 3)"};
    std::size_t end = 0;
    for (const std::string_view text : plain)
        EXPECT_TRUE(ReadQuickly(text, end)) << text;
    for (const std::string_view text : general)
        EXPECT_FALSE(ReadQuickly(text, end)) << text;
}

TEST(QuickCssRead, ACountedColourReadsAndFailsAsAShownOne)
{
    // Relative colours and mixes whose channels are not worked out when they are only counted:
    // whether they read, where they end and where and why they fail must not change.
    const std::string_view texts[] = {"rgb(from red r g b)", "rgb(from red calc(r + 10%) g b)",
        "hsl(from rgb(10 20 30) calc(h + 180) s l / alpha)", "lch(from color(display-p3 1 0 0) l c calc(h * 2deg))",
        "oklch(from oklch(from red l c h) calc(l * 0.5) c round(up, h, 10))", "rgb(from red r g)",
        "color(from lab(50 20 30) xyz-d50 x y z)", "color(from red srgb r g b / calc(alpha / 2))",
        "color-mix(in lab, red, blue)", "color-mix(in lab, red 0%, blue 0%)",
        "color-mix(in oklch longer hue, red 30%,"
        " color-mix(in srgb, teal, color-mix(in hsl, gold, navy)))",
        "color-mix(in srgb, red 120%, blue)",
        "color-mix(in lch, rgb(from red r g b / 0.5) 20%, hwb(from blue h w b) 10%)", "rgb(from red x g b)",
        "color-mix(in hsl decreasing hue, red, blue)x", "rgb(from currentcolor r g b)", "rgb(from red r g b / h)"};
    for (const std::string_view text : texts) {
        TextScanner shownScan(text);
        TextScanner countedScan(text);
        ReadResult shownError;
        ReadResult countedError;
        const auto shown = ReadCssColorAt(shownScan, 0, shownError, CssColorUse::Shown);
        const auto counted = ReadCssColorAt(countedScan, 0, countedError, CssColorUse::Counted);
        EXPECT_EQ(shown.has_value(), counted.has_value()) << text;
        EXPECT_EQ(shownScan.offset(), countedScan.offset()) << text;
        EXPECT_EQ(shownError.position, countedError.position) << text;
        EXPECT_EQ(shownError.message, countedError.message) << text;
    }
}

TEST(QuickCssRead, TextsOfManyColoursAreCountedWhatEverTheirForm)
{
    const DefaultSystemColors system;
    struct Row {
        std::string_view colour;
        std::size_t copies;
    };
    const Row rows[] = {{"rgb(from red r g b) ", 9}, {"color-mix(in lab, red, blue) ", 6}, {"#fff ", 39},
        {"rgb(1 2 calc(3)) ", 11}, {"hsl(1 2% 3%) ", 15}, {"red ", 49}, {"rgb(1,2,3) ", 19},
        {"oklch(50% 0.1 90deg / none) ", 7}, {"color(display-p3 1 0 0) ", 8}};
    for (const Row& row : rows) {
        std::string text;
        for (std::size_t i = 0; i < row.copies; ++i)
            text += row.colour;
        const ReadResult read = ReadAnyColor(text, system);
        EXPECT_EQ(read.message,
            "the text holds " + std::to_string(row.copies) + " colours, the second starting here; keep only one"
                + " at position " + std::to_string(row.colour.size() + 1))
            << text;
    }
}

TEST(QuickCssRead, NamesAreFoundByFirstLetterAndLengthWithoutCase)
{
    for (const NamedColor& named : CssNamedColors()) {
        std::string upper(named.name);
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(CssColorOfName(upper), named.color) << upper;
        // One letter fewer or one more is no name, unless it is another name.
        for (const std::string& near :
            {std::string(named.name.substr(1)), std::string(named.name.substr(0, named.name.size() - 1)),
                std::string(named.name) + "e", "a" + std::string(named.name)}) {
            const bool isName = std::any_of(CssNamedColors().begin(), CssNamedColors().end(),
                [&](const NamedColor& other) { return other.name == near; });
            EXPECT_EQ(CssColorOfName(near).has_value(), isName) << near;
        }
    }
    EXPECT_EQ(CssColorOfName("lightgoldenrodyellowx"), std::nullopt);
    EXPECT_EQ(CssColorOfName("Ωred"), std::nullopt);
}

} // namespace
} // namespace pelmora
