#include "color/code_formats.h"
#include "notations/panel_codes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace pelmora {
namespace {

using Texts = std::array<std::string, 8>;
using Flags = std::array<bool, 8>;

constexpr Flags kNoSystemColor = {true, true, true, true, true, true, false, false};
constexpr Flags kNoPaletteNoSystem = {false, false, true, true, true, true, false, false};

// System colours where nothing in the tests' palette rows is a system colour.
TableSystemColors NoPaletteSystemColors()
{
    std::array<Color, kSysColorCount> table{};
    for (int i = 0; i < kSysColorCount; ++i)
        table[static_cast<std::size_t>(i)] = RGB(100 + i, 7, 9);
    table[15] = RGB(212, 208, 200);
    return TableSystemColors(table);
}

TEST(MakeColorCodes, EdgeValues)
{
    const TableSystemColors system = NoPaletteSystemColors();
    struct Row {
        std::int32_t value;
        Texts text;
        Flags enabled;
    };
    const Row rows[] = {
        {65535, {"vbYellow", "QBColor(14)", "RGB(255, 255, 0)", "65535", "#FFFF00", "&H00FFFF&", "N/A", "N/A"},
            kNoSystemColor},
        {255, {"vbRed", "QBColor(12)", "RGB(255, 0, 0)", "255", "#FF0000", "&H0000FF&", "N/A", "N/A"}, kNoSystemColor},
        {0, {"vbBlack", "QBColor(0)", "RGB(0, 0, 0)", "0", "#000000", "&H000000&", "N/A", "N/A"}, kNoSystemColor},
        {1193046, {"N/A", "QBColor(N/A)", "RGB(86, 52, 18)", "1193046", "#563412", "&H123456&", "N/A", "N/A"},
            kNoPaletteNoSystem},
        {8421504, {"N/A", "QBColor(8)", "RGB(128, 128, 128)", "8421504", "#808080", "&H808080&", "N/A", "N/A"},
            {false, true, true, true, true, true, false, false}},
        {0x800000, {"N/A", "QBColor(1)", "RGB(0, 0, 128)", "8388608", "#000080", "&H800000&", "N/A", "N/A"},
            {false, true, true, true, true, true, false, false}},
        {-1, {"N/A", "QBColor(N/A)", "RGB(255, 255, 255)", "-1", "#FFFFFF", "&HFFFFFFFF&", "N/A", "N/A"},
            kNoPaletteNoSystem},
        {static_cast<std::int32_t>(0x8000000Fu),
            {"N/A", "QBColor(N/A)", "RGB(212, 208, 200)", "13160660", "#D4D0C8", "&HC8D0D4&", "vbButtonFace",
                "&H8000000F&"},
            {false, false, true, true, true, true, true, true}},
        {0xFF, {"vbRed", "QBColor(12)", "RGB(255, 0, 0)", "255", "#FF0000", "&H0000FF&", "N/A", "N/A"}, kNoSystemColor},
        {1, {"N/A", "QBColor(N/A)", "RGB(1, 0, 0)", "1", "#010000", "&H000001&", "N/A", "N/A"}, kNoPaletteNoSystem},
        // Above the RGB range: the mask drops the top byte, the hex keeps it; HTML takes positions.
        {0x1234567, {"N/A", "QBColor(N/A)", "RGB(103, 69, 35)", "19088743", "#673412", "&H1234567&", "N/A", "N/A"},
            kNoPaletteNoSystem},
        {0x7FFFFFFF,
            {"N/A", "QBColor(N/A)", "RGB(255, 255, 255)", "2147483647", "#FFFF7F", "&H7FFFFFFF&", "N/A", "N/A"},
            kNoPaletteNoSystem},
    };
    for (const Row& row : rows) {
        const ColorCodes codes = MakeColorCodes(Color(row.value), system);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(codes.text[i], row.text[i]) << "value " << row.value << " field " << i;
            EXPECT_EQ(codes.enabled[i], row.enabled[i]) << "value " << row.value << " field " << i;
        }
        EXPECT_EQ(codes.sysColorSelection, row.value == static_cast<std::int32_t>(0x8000000Fu) ? 15 : -1)
            << "value " << row.value;
    }
}

TEST(MakeColorCodes, RgbValueEqualToSystemColoursNamesTheLowestIndex)
{
    const DefaultSystemColors system; // black is menu text (7), window text (8), button text (18), ...
    const ColorCodes black = MakeColorCodes(Color(0), system);
    EXPECT_EQ(black.text[kFieldSystemName], "vbMenuText");
    EXPECT_EQ(black.text[kFieldSystemCode], "&H80000007&");
    EXPECT_EQ(black.sysColorSelection, 7);
    EXPECT_EQ(black.text[kFieldConstant], "vbBlack"); // the rest still describes black
    EXPECT_EQ(black.text[kFieldHex], "&H000000&");
    EXPECT_TRUE(black.enabled[kFieldSystemName]);

    EXPECT_EQ(GetSysColorCode(Color(0), system), Color::systemCode(7));
    EXPECT_EQ(GetSysColorCode(RGB(255, 255, 255), system), Color::systemCode(5));
    EXPECT_EQ(GetSysColorCode(Color(1193046), system), Color::none());
    EXPECT_EQ(GetSysColorCode(Color(-1), system), Color(-1));
    EXPECT_EQ(GetSysColorCode(Color(-5), system), Color(-5));
}

TEST(MakeColorCodes, EverySystemCodeDescribesTheCurrentSystemColour)
{
    const DefaultSystemColors system;
    for (int i = 0; i < kSysColorCount; ++i) {
        const ColorCodes codes = MakeColorCodes(Color::systemCode(i), system);
        const ColorCodes plain = MakeColorCodes(system.GetSysColor(i), system);
        EXPECT_EQ(codes.text[kFieldSystemName], SysColorNames[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(codes.sysColorSelection, i);
        for (int f = kFieldConstant; f <= kFieldHex; ++f)
            EXPECT_EQ(codes.text[f], plain.text[f]) << "system colour " << i << " field " << f;
    }
    EXPECT_EQ(MakeColorCodes(Color::systemCode(24), system).text[kFieldSystemCode], "&H80000018&");
}

TEST(MakeColorCodes, NegativeValuesNamingNoElementAreDescribedAsBlackWithoutName)
{
    const DefaultSystemColors system;
    for (const std::int32_t value : {-2, static_cast<std::int32_t>(0x800000FFu), static_cast<std::int32_t>(0x80000019u),
             static_cast<std::int32_t>(0x8000007Fu), INT32_MIN + 200}) {
        const ColorCodes codes = MakeColorCodes(Color(value), system);
        EXPECT_EQ(codes.text[kFieldSystemName], "N/A") << value;
        EXPECT_EQ(codes.sysColorSelection, -1) << value;
        EXPECT_EQ(codes.text[kFieldHex], "&H000000&") << value;
        EXPECT_EQ(codes.text[kFieldSystemCode].size(), 11u) << value;
    }
    // A negative code whose low byte is a valid element is that element, whatever the middle bytes.
    const ColorCodes odd = MakeColorCodes(Color(static_cast<std::int32_t>(0xFFFFFF0Fu)), system);
    EXPECT_EQ(odd.text[kFieldSystemName], "vbButtonFace");
    EXPECT_EQ(odd.text[kFieldSystemCode], "&HFFFFFF0F&");
}

TEST(MakeColorCodes, WritingInPlaceMatchesAFreshResult)
{
    const DefaultSystemColors system;
    ColorCodes reused = InitialColorCodes();
    for (const std::int32_t value : {0x123456, -1, static_cast<std::int32_t>(0x8000000Fu), 65535, 0x1234567, 0}) {
        WriteColorCodes(Color(value), system, reused);
        EXPECT_EQ(reused, MakeColorCodes(Color(value), system)) << value;
    }
}

TEST(InitialColorCodes, TextsBeforeTheFirstColour)
{
    const ColorCodes codes = InitialColorCodes();
    const Texts expected = {"vbConst", "QBColor(15)", "RGB(255, 255, 255)", "16777215", "#FFFF00", "&H00FFFF&",
        "vbButtonFace", "&H8000000F&"};
    EXPECT_EQ(codes.text, expected);
    EXPECT_EQ(codes.enabled, (Flags{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(codes.sysColorSelection, -1);
}

TEST(GetHexVal, ChannelsAsSixDigitsAndNegativesAsFour)
{
    struct Row {
        std::int16_t r, g, b;
        const char* expected;
    };
    const Row rows[] = {
        {255, 10, 0, "FF0A00"},
        {0, 0, 0, "000000"},
        {-241, 0, 0, "FF0F0000"},
        {-241, -255, -255, "FF0FFF01FF01"},
        {-1, 0, 0, "FFFF0000"},
        {15, 16, 1, "0F1001"},
        {256, 0, 0, "1000000"},
        {32767, -32768, 0, "7FFF800000"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GetHexVal(row.r, row.g, row.b), row.expected) << row.r << ", " << row.g << ", " << row.b;
}

TEST(QBColorTable, ConstantNamesMatchTheirColours)
{
    EXPECT_EQ(QBColorTable[14], RGB(255, 255, 0));
    EXPECT_EQ(QBColorTable[9], RGB(0, 0, 255));
    EXPECT_EQ(QBColorTable[7], RGB(192, 192, 192));
    EXPECT_EQ(QBColorTable[4], RGB(128, 0, 0));
    for (std::size_t n = 0; n < 16; ++n) {
        EXPECT_EQ(QBColorIndexOf(QBColorTable[n]), static_cast<int>(n));
        const bool named = n == 0 || n >= 9;
        EXPECT_EQ(QBColorConstantNames[n] != "N/A", named) << n;
    }
}

// Each byte value in each channel position, paired with many values of the other two channels,
// plus pseudo-random values: the HTML and hex texts read back as the same colour.
TEST(MakeColorCodes, HtmlAndHexTextsRoundTripThroughTheParser)
{
    const DefaultSystemColors system;
    ColorCodes codes;
    std::mt19937 random(20261207);
    auto check = [&](std::int32_t value) {
        WriteColorCodes(Color(value), system, codes);
        const auto html = ParseColorNotation(codes.text[kFieldHtml]);
        const auto hex = ParseColorNotation(codes.text[kFieldHex]);
        const auto decimal = ParseColorNotation(codes.text[kFieldDecimal]);
        const auto rgb = ParseColorNotation(codes.text[kFieldRgb]);
        if (html != Color(value) || hex != Color(value) || decimal != Color(value) || rgb != Color(value)) {
            ADD_FAILURE() << "value " << value << ": " << codes.text[kFieldHtml] << " " << codes.text[kFieldHex];
            return false;
        }
        return true;
    };
    int failures = 0;
    for (int shift : {0, 8, 16})
        for (std::int32_t byte = 0; byte < 256 && failures < 5; ++byte)
            for (int other = 0; other < 256 && failures < 5; ++other) {
                const std::int32_t rest = static_cast<std::int32_t>(random() & 0xFFFFFF) & ~(0xFF << shift);
                failures += check(rest | (byte << shift)) ? 0 : 1;
            }
    for (int i = 0; i < 50000 && failures < 5; ++i)
        failures += check(static_cast<std::int32_t>(random() & 0xFFFFFF)) ? 0 : 1;
    EXPECT_EQ(failures, 0);
}

// Every code text of any 32-bit value is well formed and the hex literal gives back the value.
TEST(MakeColorCodes, AnySignedValueGivesWellFormedTexts)
{
    const DefaultSystemColors system;
    ColorCodes codes;
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const auto value = static_cast<std::int32_t>(random());
        WriteColorCodes(Color(value), system, codes);
        const Color described = value < -1 ? system.GetSysColor(value & 255) : Color(value);
        ASSERT_EQ(ParseColorNotation(codes.text[kFieldHex]), described) << value;
        ASSERT_EQ(codes.text[kFieldHtml].size(), 7u) << value;
        if (value < -1) {
            ASSERT_EQ(ParseColorNotation(codes.text[kFieldSystemCode]), Color(value)) << value;
        }
    }
}

} // namespace
} // namespace pelmora
