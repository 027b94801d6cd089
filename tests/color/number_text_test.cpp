#include "color/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace pelmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValRow {
    std::string_view text;
    double expected;
};

TEST(Val, ReadsTheLeadingNumber)
{
    const ValRow rows[] = {
        {"180", 180},
        {"  42  ", 42},
        {"1 2 3", 123},
        {"\t-7", -7},
        {"+5", 5},
        {"- 5", -5},
        {"12.5", 12.5},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2D2", 200},
        {"2.5e+1", 25},
        {"007", 7},
        {"0.000", 0},
        {"1,000", 1},
        {"12abc", 12},
        {"1.2.3", 1.2},
        {"3e", 3},
        {"3e+", 3},
        {"3 e 2", 300},
        {"360°", 360},
        {"0.1", 0.1},
        {"-0.5e1", -5},
        {"&HFF", 255},
        {"&hff", 255},
        {"&H FF", 255},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H8000000F&", -2147483633},
        {"&H00FFFF&", 65535},
        {"&H100000000", 4294967296.0},
        {"&O17", 15},
        {"&HFFFF&", 65535},
        {"&H8000&", 32768},
        {"&O177777", -1},
        {"&HFFG", 255},
    };
    for (const ValRow& row : rows)
        EXPECT_EQ(Val(row.text), row.expected) << "Val(\"" << row.text << "\")";
}

TEST(Val, TextWithoutALeadingNumberIsZero)
{
    const std::string_view rows[] = {
        "",
        "   ",
        "abc",
        "-",
        "+",
        ".",
        "-.",
        "e5",
        "E",
        "&",
        "&H",
        "&Hxyz",
        "&X12",
        "-&H10",
        "x12",
        "\xff\xfe",
        std::string_view("\0"
                         "5",
            2),
        "++5",
        "--5",
        "$5",
    };
    for (const std::string_view text : rows)
        EXPECT_EQ(Val(text), 0.0) << "Val of " << testing::PrintToString(std::string(text));
}

TEST(Val, HugeTextStaysDefined)
{
    EXPECT_EQ(Val("1e400"), kInf);
    EXPECT_EQ(Val("-1e400"), -kInf);
    EXPECT_EQ(Val("1e-400"), 0.0);
    EXPECT_EQ(Val("1e99999999999999999999999999"), kInf);
    EXPECT_EQ(Val("1e-99999999999999999999999999"), 0.0);
    EXPECT_EQ(Val(std::string(500, '9')), kInf);
    EXPECT_EQ(Val("0." + std::string(500, '0') + "1"), 0.0);
    EXPECT_EQ(Val(std::string(400, '0') + "12"), 12.0);
    EXPECT_EQ(Val("0." + std::string(300, '0') + "1e305"), 1e4);
    EXPECT_EQ(Val("1" + std::string(300, '0') + "e-300"), 1.0);
    EXPECT_DOUBLE_EQ(Val("&H" + std::string(30, 'F')), std::pow(16.0, 30)); // beyond 32 bits: plain value
    EXPECT_EQ(Val("&H" + std::string(30, 'F')),
        std::ldexp(1.0, 120) - std::ldexp(1.0, 0) * 0 - (std::ldexp(1.0, 120) - std::pow(16.0, 30) + 1));
}

} // namespace
} // namespace pelmora
