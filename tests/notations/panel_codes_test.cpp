#include "notations/panel_codes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pelmora {
namespace {

TEST(ParseColorNotation, AcceptsEveryNotationTheProgramShows)
{
    struct Row {
        std::string_view text;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"65535", 65535},
        {"-1", -1},
        {"-2147483633", -2147483633},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"+12", 12},
        {"0", 0},
        {"#FFFF00", 65535},
        {"#ffff00", 65535},
        {"#563412", 1193046},
        {"&H00FFFF&", 65535},
        {"&H00FFFF", 65535},
        {"&hffff&", 65535},
        {"&H8000000F&", -2147483633},
        {"&HFFFFFFFF&", -1},
        {"&H0&", 0},
        {"RGB(255, 255, 0)", 65535},
        {"RGB(255,255,0)", 65535},
        {" rgb ( 86 , 52 , 18 ) ", 1193046},
        {"QBColor(14)", 65535},
        {"QBColor( 0 )", 0},
        {"qbcolor(15)", 0xFFFFFF},
        {"vbYellow", 65535},
        {"VBRED", 255},
        {"vbBlack", 0},
        {"vbButtonFace", -2147483633},
        {"vbScrollBars", static_cast<std::int32_t>(0x80000000u)},
        {"vbInfoBackground", static_cast<std::int32_t>(0x80000018u)},
        {"  255  ", 255},
    };
    for (const Row& row : rows) {
        const auto color = ParseColorNotation(row.text);
        ASSERT_TRUE(color.has_value()) << "\"" << row.text << "\"";
        EXPECT_EQ(*color, Color(row.expected)) << "\"" << row.text << "\"";
    }
}

TEST(ParseColorNotation, RejectsAnythingElse)
{
    const std::string_view rows[] = {
        "",
        "  ",
        "abc",
        "N/A",
        "QBColor(N/A)",
        "12abc",
        "1.5",
        "1e3",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "--1",
        "-",
        "+",
        "+-1",
        "#",
        "#FFFF0",
        "#FFFF000",
        "#GGGGGG",
        "#-FFFFF",
        "&H",
        "&H&",
        "&H123456789&",
        "&HXYZ&",
        "&H12&&",
        "&H-1&",
        "&H+1",
        "RGB(256, 0, 0)",
        "RGB(1, 2)",
        "RGB(1, 2, 3, 4)",
        "RGB(-1, 0, 0)",
        "RGB(1,,3)",
        "RGB(1, 2, 3",
        "RGB 1, 2, 3",
        "RGB(1, 2, 3)x",
        "RGBA(1, 2, 3)",
        "RGB(+1, 2, 3)",
        "QBColor(16)",
        "QBColor(-1)",
        "QBColor()",
        "QBColor(1) 2",
        "vbYellowish",
        "vb",
        "vbNothing",
        "Yellow",
        "0x00FFFF",
        "65535 1",
        "6 5535",
        std::string_view("65535\0", 6),
        "vbButtonFace\n",
    };
    for (const std::string_view text : rows)
        EXPECT_FALSE(ParseColorNotation(text).has_value()) << testing::PrintToString(std::string(text));
}

} // namespace
} // namespace pelmora
