// User templates, and reading a colour from any pasted text.

#include "notations/color_template.h"
#include "notations/read_any_color.h"

#include <gtest/gtest.h>

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
    };
    for (const Row& row : rows) {
        const ReadResult result = ReadAnyColor(row.text, system);
        EXPECT_FALSE(result.color) << row.text;
        EXPECT_EQ(result.message, row.message) << row.text;
    }
}

} // namespace
} // namespace pelmora
