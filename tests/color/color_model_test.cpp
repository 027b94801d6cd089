#include "color/color_model.h"
#include "color/safe_palette.h"

#include <gtest/gtest.h>

#include <set>

namespace pelmora {
namespace {

static_assert(SafePaletteColor(216) == Color::white() && SafePaletteColor(217) == Color::black());

TEST(SafePalette, CellOrderIsRedSlowestBlueFastest)
{
    struct Row {
        int cell;
        Color expected;
    };
    const Row rows[] = {
        {1, RGB(0, 0, 0)},
        {2, RGB(0, 0, 51)},
        {6, RGB(0, 0, 255)},
        {7, RGB(0, 51, 0)},
        {16, RGB(0, 102, 153)},
        {36, RGB(0, 255, 255)},
        {37, RGB(51, 0, 0)},
        {216, RGB(255, 255, 255)},
        {217, RGB(0, 0, 0)},
        {224, RGB(0, 0, 0)},
        {0, RGB(0, 0, 0)},
        {225, RGB(0, 0, 0)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SafePaletteColor(row.cell), row.expected) << "cell " << row.cell;

    std::set<std::int32_t> distinct;
    for (int cell = 1; cell <= kSafeColorCount; ++cell) {
        const Color c = SafePaletteColor(cell);
        EXPECT_EQ(c.red() % 51 + c.green() % 51 + c.blue() % 51, 0) << "cell " << cell;
        EXPECT_EQ(1 + 36 * (c.red() / 51) + 6 * (c.green() / 51) + c.blue() / 51, cell);
        distinct.insert(c.value());
        ASSERT_TRUE(SafeColorAt(cell).has_value());
        EXPECT_EQ(SafeColorAt(cell)->color, c) << "cell " << cell;
    }
    EXPECT_EQ(distinct.size(), 216u);
}

TEST(ColorModel, StartsAtBlackWithTheInitialTexts)
{
    const DefaultSystemColors system;
    const ColorModel model(system);
    EXPECT_EQ(model.CurrentColor(), Color(0));
    EXPECT_EQ(model.codes(), InitialColorCodes());
}

TEST(ColorModel, SplitColorSetsCurrentRefreshesAndNotifies)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    int refreshes = 0;
    std::string lastHex;
    model.setCodesListener([&](const ColorCodes& codes) {
        ++refreshes;
        lastHex = codes.text[kFieldHex];
    });
    EXPECT_EQ(model.SplitColor(Color(65535)), (Channels{255, 255, 0}));
    EXPECT_EQ(model.CurrentColor(), Color(65535));
    EXPECT_EQ(model.codes().text[kFieldHtml], "#FFFF00");
    EXPECT_EQ(lastHex, "&H00FFFF&");
    EXPECT_EQ(model.SplitColor(Color::systemCode(15)), (Channels{-241, -255, -255}));
    EXPECT_EQ(model.codes().text[kFieldSystemCode], "&H8000000F&");
    EXPECT_EQ(refreshes, 2);

    model.SetCurrentColor(Color(255));
    EXPECT_EQ(model.codes().text[kFieldHex], "&HEFEFEF&"); // not refreshed yet
    model.UpdateColorCodes();
    EXPECT_EQ(model.codes().text[kFieldHex], "&H0000FF&");
    EXPECT_EQ(refreshes, 3);
}

TEST(ColorModel, ThemeChangeShowsAtTheNextRefresh)
{
    const DefaultSystemColors light;
    std::array<Color, kSysColorCount> table{};
    table.fill(RGB(1, 2, 3));
    const TableSystemColors dark(table);
    ColorModel model(light);
    model.SplitColor(Color::systemCode(15));
    EXPECT_EQ(model.codes().text[kFieldRgb], "RGB(239, 239, 239)");
    model.setSystemColors(dark);
    model.UpdateColorCodes();
    EXPECT_EQ(model.codes().text[kFieldRgb], "RGB(1, 2, 3)");
}

TEST(ColorModel, GetSafeColor)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    Channels rgb{7, 7, 7};
    std::string hex = "untouched";

    EXPECT_EQ(model.GetSafeColor(2, rgb, hex), Color(3342336));
    EXPECT_EQ(rgb, (Channels{0, 0, 51}));
    EXPECT_EQ(hex, "000033");
    EXPECT_EQ(model.CurrentColor(), Color(3342336));
    EXPECT_EQ(model.codes().text[kFieldHtml], "#000033");

    EXPECT_EQ(model.GetSafeColor(216, rgb, hex), RGB(255, 255, 255));
    EXPECT_EQ(hex, "FFFFFF");
    EXPECT_EQ(rgb, (Channels{255, 255, 255}));

    for (const int outside : {217, 0, -1, 224, 32767}) {
        Channels before{1, 2, 3};
        std::string beforeHex = "kept";
        const ColorCodes codesBefore = model.codes();
        EXPECT_EQ(model.GetSafeColor(outside, before, beforeHex), Color(0)) << outside;
        EXPECT_EQ(before, (Channels{1, 2, 3})) << outside;
        EXPECT_EQ(beforeHex, "kept") << outside;
        EXPECT_EQ(model.CurrentColor(), RGB(255, 255, 255)) << outside;
        EXPECT_EQ(model.codes(), codesBefore) << outside;
    }
}

} // namespace
} // namespace pelmora
