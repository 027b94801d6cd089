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
    EXPECT_FALSE(model.ChosenColor());
    EXPECT_EQ(model.codes(), InitialColorCodes());
}

TEST(ColorModel, MakeCurrentRefreshesAndNotifiesAndChangesNothingElse)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    int refreshes = 0;
    std::string lastHex;
    model.setCodesListener([&](const ColorCodes& codes) {
        ++refreshes;
        lastHex = codes.text[kFieldHex];
    });
    // Before any colour is chosen a refresh keeps the initial texts and tells no one.
    model.UpdateColorCodes();
    EXPECT_EQ(model.codes(), InitialColorCodes());
    EXPECT_FALSE(model.ChosenColor());
    EXPECT_EQ(refreshes, 0);

    model.MakeCurrent(Color(65535));
    EXPECT_EQ(model.ChosenColor(), Color(65535));
    EXPECT_EQ(model.codes().text[kFieldHtml], "#FFFF00");
    EXPECT_EQ(lastHex, "&H00FFFF&");
    model.MakeCurrent(Color::systemCode(15));
    EXPECT_EQ(model.codes().text[kFieldSystemCode], "&H8000000F&");
    EXPECT_EQ(refreshes, 2);
}

TEST(ColorModel, ThemeChangeShowsAtTheNextRefresh)
{
    const DefaultSystemColors light;
    std::array<Color, kSysColorCount> table{};
    table.fill(RGB(1, 2, 3));
    const TableSystemColors dark(table);
    ColorModel model(light);
    model.MakeCurrent(Color::systemCode(15));
    EXPECT_EQ(model.codes().text[kFieldRgb], "RGB(239, 239, 239)");
    model.setSystemColors(dark);
    model.UpdateColorCodes();
    EXPECT_EQ(model.codes().text[kFieldRgb], "RGB(1, 2, 3)");
}

} // namespace
} // namespace pelmora
