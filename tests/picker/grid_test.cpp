#include "test_support.h"

#include "color/safe_palette.h"
#include "picker/geometry.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::PickerBench;
using testing::Where;

TEST(CellRect, FollowsTheStepwiseLayout)
{
    // The layout as described step by step: +3 gaps, a new row after every 16th cell.
    Rect expected = {10, 10, 25, 25};
    for (int n = 1; n <= CellCount; ++n) {
        if (n > 1) {
            if ((n - 1) % 16 == 0)
                expected = {10, expected.bottom + 3, 25, expected.bottom + 18};
            else
                expected = {expected.right + 3, expected.top, expected.right + 18, expected.bottom};
        }
        ASSERT_EQ(CellRect(n), expected) << "cell " << n;
    }
    EXPECT_EQ(CellRect(224), (Rect{280, 244, 295, 259}));
    EXPECT_EQ(CellRect(0), Rect{});
    EXPECT_EQ(CellRect(225), Rect{});
}

TEST(SafePalette, ColoursRunRedSlowestBlueFastest)
{
    const std::pair<int, Color> cells[] = {
        {1, RGB(0, 0, 0)},
        {6, RGB(0, 0, 255)},
        {7, RGB(0, 51, 0)},
        {16, RGB(0, 102, 153)},
        {36, RGB(0, 255, 255)},
        {37, RGB(51, 0, 0)},
        {216, RGB(255, 255, 255)},
        {217, RGB(0, 0, 0)},
        {224, RGB(0, 0, 0)},
    };
    for (auto [n, color] : cells)
        EXPECT_EQ(SafePaletteColor(n), color) << "cell " << n;
}

TEST(SafePalette, PaintsCellsWithBlackOutlineAndTheHighlight)
{
    PickerBench bench;
    bench.picker.DrawSafePalette();
    for (int y = 245; y <= 257; ++y)
        for (int x = 137; x <= 149; ++x)
            ASSERT_EQ(bench.at(x, y), Color::white()) << "cell 216 interior " << Where(x, y);
    for (int t = 136; t <= 150; ++t) {
        EXPECT_EQ(bench.at(t, 244), Color::black()) << "cell 216 top outline " << Where(t, 244);
        EXPECT_EQ(bench.at(t, 258), Color::black()) << "cell 216 bottom outline " << Where(t, 258);
    }
    for (int t = 244; t <= 258; ++t) {
        EXPECT_EQ(bench.at(136, t), Color::black()) << Where(136, t);
        EXPECT_EQ(bench.at(150, t), Color::black()) << Where(150, t);
    }
    EXPECT_EQ(bench.at(151, 250), testing::kTestBackground) << "gap right of cell 216";
    EXPECT_EQ(bench.at(11 + 18 * 5, 11), RGB(0, 0, 255)) << "cell 6 interior";
    // Cell 1 carries the highlight: outer bevel starts at (7, 7).
    EXPECT_EQ(bench.at(7, 7), bench.sys(SysColor::DarkShadow3D));
    EXPECT_EQ(bench.at(6, 6), testing::kTestBackground);
}

TEST(SafePicker, HighlightExtentsAndTheUntouchedInnerGap)
{
    PickerBench bench;
    bench.picker.DrawCellHighlight(16); // cell 16 = {280, 10, 295, 25}
    const std::tuple<int, int, Color> pixels[] = {
        {277, 7, bench.sys(SysColor::DarkShadow3D)},
        {278, 8, bench.sys(SysColor::ButtonShadow)},
        {297, 15, bench.sys(SysColor::Highlight3D)},
        {296, 15, bench.sys(SysColor::Light3D)},
        {287, 27, bench.sys(SysColor::Highlight3D)},
        {287, 26, bench.sys(SysColor::Light3D)},
        {298, 15, testing::kTestBackground},
        {295, 15, testing::kTestBackground},
        {279, 15, testing::kTestBackground},
        {287, 15, testing::kTestBackground},
        {276, 15, testing::kTestBackground},
    };
    for (auto [x, y, color] : pixels)
        EXPECT_EQ(bench.at(x, y), color) << "cell 16 highlight " << Where(x, y);
}

TEST(SafePicker, EraseRepaintsOnlyTheBandAroundTheCell)
{
    PickerBench bench;
    bench.picker.DrawSafePalette();
    bench.picker.EraseCellHighlight(1);
    bench.picker.DrawCellHighlight(20);
    PickerBench fresh;
    fresh.picker.setSelectedCell(20);
    fresh.picker.DrawSafePalette();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(bench.at(x, y), fresh.at(x, y))
                << "moving the highlight from cell 1 to 20 left a trace at " << Where(x, y);
    // Erasing a highlight that is not drawn paints the band but keeps the cell.
    bench.picker.EraseCellHighlight(100);
    const Rect cell = CellRect(100);
    EXPECT_EQ(bench.at(cell.left - 3, cell.top - 3), testing::kTestBackground);
    EXPECT_EQ(bench.at(cell.right + 2, cell.bottom + 2), testing::kTestBackground);
    EXPECT_EQ(bench.at(cell.left, cell.top), Color::black());
    EXPECT_EQ(bench.at(cell.left + 1, cell.top + 1), SafePaletteColor(100));
}

TEST(SafePicker, IgnoresCellNumbersOutsideTheGrid)
{
    PickerBench bench;
    const std::uint32_t* pixels = bench.surface.pixels();
    const std::vector<std::uint32_t> before(pixels, pixels + 480 * 519);
    bench.picker.DrawCellHighlight(0);
    bench.picker.EraseCellHighlight(225);
    bench.picker.PaintCell(-7, Color::white());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), bench.surface.pixels()));
}

} // namespace
} // namespace pelmora
