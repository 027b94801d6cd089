// User templates, and reading a colour from any pasted text.

#include "notations/color_template.h"
#include "notations/css_calc.h"
#include "notations/read_any_color.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace pelmora {
namespace {

TEST(ColorTemplate, FillsEveryPlaceholder)
{
    struct Row {
        std::string_view pattern;
        std::string_view text;
    };
    const Color orange = RGB(255, 128, 0);
    const Row rows[] = {
        {"{r} {g} {b}", "255 128 0"},
        {"#{hex} #{HEX}", "#ff8000 #FF8000"},
        {"{rx}{gx}{bx}/{RX}{GX}{BX}", "ff8000/FF8000"},
        {"vec3({rf}, {gf}, {bf})", "vec3(1.000, 0.502, 0.000)"},
        {"{rf:.2} {gf:.0} {bf:.6}", "1.00 1 0.000000"},
        {"hsl({h}, {s}%, {l}%)", "hsl(30, 100%, 50%)"},
        {"{h:.2}", "30.12"},
        {"{decimal}", "33023"},
        {"{{r}} }}{{", "{r} }{"},
        {"", ""},
        {"no placeholders", "no placeholders"},
    };
    for (const Row& row : rows) {
        const auto parsed = ColorTemplate::Parse(row.pattern);
        ASSERT_TRUE(parsed.result) << row.pattern << ": " << parsed.message;
        EXPECT_EQ(parsed.result->format(orange), row.text) << row.pattern;
    }
}

TEST(ColorTemplate, ErrorsNamePlaceholderAndPosition)
{
    struct Row {
        std::string_view pattern;
        std::string_view message;
    };
    const Row rows[] = {
        {"x {red}", "unknown placeholder {red} at position 3"},
        {"{r:.2}", "{r} takes no decimals at position 4"},
        {"{rf:.7}", "expected decimals as .0 to .6 at position 5"},
        {"{rf:3}", "expected decimals as .0 to .6 at position 5"},
        {"{r", "'{' without '}' at position 1"},
        {"a } b", "a lone '}' (write }} for a brace) at position 3"},
        {"{R}", "unknown placeholder {R} at position 1"},
    };
    for (const Row& row : rows) {
        const auto parsed = ColorTemplate::Parse(row.pattern);
        EXPECT_FALSE(parsed.result) << row.pattern;
        EXPECT_EQ(parsed.message, row.message) << row.pattern;
    }
}

TEST(ReadAnyColor, EveryNotationAndTheWrappingOfAPaste)
{
    const DefaultSystemColors system;
    struct Row {
        std::string_view text;
        Color color;
    };
    const Row rows[] = {
        {"hsl(120 100% 25%)", RGB(0, 128, 0)},
        {"  #FF8000\n", RGB(255, 128, 0)},
        {"\"#ff8000\"", RGB(255, 128, 0)},
        {"rgb(255 128 0);", RGB(255, 128, 0)},
        {"'oklch(62.8% 0.2577 29.23)'", RGB(255, 0, 0)},
        {"Orange", RGB(255, 165, 0)},
        {"0xFFFF8000", RGB(255, 128, 0)},
        {"QColor(255, 128, 0)", RGB(255, 128, 0)},
        {"1.000, 0.502, 0.000", RGB(255, 128, 0)},
        {"&H0080FF&", RGB(255, 128, 0)},
        {"33023", RGB(255, 128, 0)},
        {"QBColor(14)", RGB(255, 255, 0)},
        {"vbYellow", RGB(255, 255, 0)},
        {"vbButtonFace", system.GetSysColor(15)},
        {"&H8000000F&", system.GetSysColor(15)},
        // What a developer copies from a style sheet or the browser's tools.
        {"color: #abcdef;", RGB(0xab, 0xcd, 0xef)},
        {"  --brand: oklch(62.8% 0.2577 29.23);\n", RGB(255, 0, 0)},
        {"background-color: rgb(0 0 0 / 50%) !important", RGB(0, 0, 0)},
        {"border-color:#ff8000 ! important;", RGB(255, 128, 0)},
        {"fill: 'orange'", RGB(255, 165, 0)},
        {"the brand colour is #ff8000.", RGB(255, 128, 0)},
        {"Use color-mix(in srgb, red, blue) for links", RGB(128, 0, 128)},
        {"shadow RGB(1, 2, 3) here", RGB(1, 2, 3)},
        {"#abc", RGB(0xaa, 0xbb, 0xcc)},
        {"rgb(300, 0, 0)", RGB(255, 0, 0)},
        // A colour at the start followed by words is read once, for both the whole text and the words.
        {"rgb(255 128 0) is the brand", RGB(255, 128, 0)},
        {"RGB(1, 2, 3) as the panel wrote it", RGB(1, 2, 3)},
        {"oklch(90% 0.4 30) pale", RGB(0xFF, 0xCC, 0xC1)},
        {"rgb(1 2 3)x then teal", RGB(0, 128, 128)},
        {"RGB(1, 2, 3)x then teal", RGB(0, 128, 128)},
        {"rgb(1 2 3 / 50%) and rgb(1 2", RGB(1, 2, 3)},
        // Names count only as whole words: not after a digit, a letter or '#', but after brackets.
        {"1red or a#fff, dark-red-ish or #abcgreen then teal", RGB(0, 128, 128)},
        {"[teal]", RGB(0, 128, 128)},
    };
    for (const Row& row : rows) {
        const ReadResult result = ReadAnyColor(row.text, system);
        EXPECT_EQ(result.color, row.color) << row.text << ": " << result.message;
    }
}

TEST(ReadAnyColor, TextWithoutAColourSaysWhy)
{
    const DefaultSystemColors system;
    struct Row {
        std::string_view text;
        std::string_view message;
    };
    const Row rows[] = {
        {"", "no colour in an empty text at position 1"},
        {"  nonsense", "'nonsense' is not a colour name at position 3"},
        {"hello world", "no colour notation starts here at position 1"},
        {"  rgb(255 128 0", "expected ')' or '/', found the end at position 16"},
        {"oklch(62.8% 0.2577)", "expected a number, found ')' at position 19"},
        {"-1", "not an RGB colour or a system colour at position 1"},
        // The panel's own RGB(r, g, b), in capitals, stays strict; CSS's rgb() is spelt otherwise.
        {"RGB(300, 0, 0)", "number above 255 at position 5"},
        {"color: RGB(300, 0, 0);", "number above 255 at position 12"},
        {"red and white", "the text holds 2 colours, the second starting here; keep only one at position 9"},
        {"from #ff8000 to rgb(0 0 255) and teal",
            "the text holds 3 colours, the second starting here; keep only one at position 17"},
        {"the brand colour is rgb(300 0", "expected a number, found the end at position 30"},
        {"rgb(1 2 3) rgb(1 2 3) oklch(90% 0.4 30) #fff",
            "the text holds 4 colours, the second starting here; keep only one at position 12"},
        {"RGB(1, 2, 3) RGB(4, 5, 6)",
            "the text holds 2 colours, the second starting here; keep only one at position 14"},
        {"color: currentcolor;",
            "currentcolor is the colour of the element it is used on, which a text does not have at position 8"},
        // Failures read first without a message, described once they turn out to be the answer.
        {"RGB(1, x", "expected a whole number 0 to 255, found 'x' at position 8"},
        {"RGB(1, 2, 3)x", "unexpected 'x' at position 13"},
        {"rgb(1 2 3)x", "unexpected 'x' at position 11"},
        {"RGB(1, RGB(1, 2", "expected ',', found the end at position 16"},
        {"#fff #fff rgb(1 2", "the text holds 2 colours, the second starting here; keep only one at position 6"},
    };
    for (const Row& row : rows) {
        const ReadResult result = ReadAnyColor(row.text, system);
        EXPECT_FALSE(result.color) << row.text;
        EXPECT_EQ(result.message, row.message) << row.text;
    }
}

// The search among words reads each function inside a broken or too deep nesting as a word of its
// own, though the text as a whole read it once already (what it found then is taken over, so that
// twenty broken levels cost one reading, not twenty).
TEST(ReadAnyColor, ABrokenOrTooDeepNestingIsSearchedLevelByLevel)
{
    const DefaultSystemColors system;
    const auto repeated = [](std::string_view part, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += part;
        return text;
    };
    // Past the limit, the outer levels are refused and the innermost that fit are read: one level
    // more outside changes nothing, and the levels inside are all taken (red turns darker).
    const int levels = kMostNestingDepth + 2;
    const std::string deeper = repeated("rgb(from ", levels) + "red" + repeated(" calc(r - 1) g b)", levels) + " x";
    const std::string shallower = repeated("rgb(from ", levels - 1) + "red" + repeated(" calc(r - 1) g b)", levels - 1);
    const ReadResult inner = ReadAnyColor(shallower, system);
    ASSERT_TRUE(inner.color) << inner.message;
    EXPECT_LT(inner.color->red(), 255 - 20);
    EXPECT_EQ(ReadAnyColor(deeper, system).color, inner.color);

    // The one colour of a broken nesting is the outermost level that reads, not a colour inside it:
    // green made of red, whichever reading found it first.
    for (const std::string_view text :
        {"lab(from rgb(from rgb(255 0 0) g r b) l a b", "x rgb(from rgb(255 0 0) g r b) y"}) {
        const ReadResult found = ReadAnyColor(text, system);
        ASSERT_TRUE(found.color) << text << ": " << found.message;
        EXPECT_EQ(*found.color, RGB(0, 255, 0)) << text;
    }

    struct Row {
        std::string text;
        std::string_view message;
    };
    const Row rows[] = {
        // Every colour inside counts once, found by the first reading or by the search.
        {"red color-mix(in srgb, rgb(0 0 255), rgb(0 255 0)",
            "the text holds 3 colours, the second starting here; keep only one at position 24"},
        {repeated("color-mix(in lab, red, ", 8),
            "the text holds 8 colours, the second starting here; keep only one at position 42"},
        // Every level stops where the innermost does, whichever is read first.
        {repeated("lch(from ", 22) + "#12", "expected 3, 4, 6 or 8 hexadecimal digits, found 2 at position 200"},
        {"née " + repeated("oklch(from ", 17) + "#12 l",
            "expected 3, 4, 6 or 8 hexadecimal digits, found 2 at position 193"},
    };
    for (const Row& row : rows) {
        const ReadResult result = ReadAnyColor(row.text, system);
        EXPECT_FALSE(result.color) << row.text;
        EXPECT_EQ(result.message, row.message) << row.text;
    }
}

TEST(ReadAnyColor, PositionsCountCharactersNotBytes)
{
    struct Row {
        std::string_view text;
        std::size_t characters;
    };
    // Sequences of two, three and four bytes before, across and after each eight-byte block.
    const Row rows[] = {
        {"", 0},
        {"abcdefgh", 8},
        {"abcdefghi", 9},
        {"abcdefg\u00e9", 8},
        {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", 9},
        {"abcdef\u20ac", 7},
        {"a\U0001D11Ebcdefghijklmnop\u00e9", 18},
        {"abcdefghijklmnopqrstuvwxyz0123456\u00e9", 34},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CharactersIn(row.text), row.characters) << row.text;
    const DefaultSystemColors system;
    EXPECT_EQ(
        ReadAnyColor("\u00ab\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00bb rgb(300 0", system).message,
        "expected a number, found the end at position 22");
}

TEST(ReadAnyColor, CodesKeptOrResolvedAndTheAlphaReported)
{
    const DefaultSystemColors system;
    // The command line and palette import keep a system colour as its code; a paste resolves it.
    EXPECT_EQ(ReadAnyColorKeepingCodes("vbButtonFace").color, Color::systemCode(15));
    EXPECT_EQ(ReadAnyColorKeepingCodes("&H8000000F&").color, Color::systemCode(15));
    EXPECT_EQ(ReadAnyColorKeepingCodes("-1").color, Color::none());
    EXPECT_EQ(ReadAnyColor("vbButtonFace", system).color, system.GetSysColor(15));
    EXPECT_FALSE(ReadAnyColorKeepingCodes("RGB(256, 0, 0)").color);
    EXPECT_EQ(ReadAnyColorKeepingCodes("Rgb(256, 0, 0)").color, RGB(255, 0, 0));

    struct Row {
        std::string_view text;
        double alpha;
    };
    const Row rows[] = {
        {"background-color: rgb(0 0 0 / 50%) !important", 0.5},
        {"#ff800080", 128 / 255.0},
        {"transparent", 0},
        {"the overlay is hsl(0 0% 0% / 0.25).", 0.25},
        {"#ff8000", 1},
        {"RGB(1, 2, 3)", 1},
    };
    for (const Row& row : rows) {
        const ReadResult read = ReadAnyColor(row.text, system);
        ASSERT_TRUE(read.color) << row.text << ": " << read.message;
        EXPECT_NEAR(read.alpha, row.alpha, 1e-9) << row.text;
    }
}

} // namespace
} // namespace pelmora
