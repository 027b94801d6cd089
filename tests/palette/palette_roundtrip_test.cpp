// Export then import gives the same cells, in every format, for a grid full of distinct colours
// (CSS-named ones among them, whose names repeat).

#include "notations/named_colors.h"
#include "palette/palette_cells.h"
#include "palette/palette_import.h"
#include "palette_test_support.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// Every cell a different colour spread over the whole cube, with exact CSS colours mixed in.
TestCells FullGrid()
{
    TestCells cells{};
    for (std::size_t cell = 1; cell < cells.size(); ++cell) {
        const auto n = static_cast<int>(cell);
        cells[cell] = RGB((n * 37) % 256, (n * 101 + 13) % 256, (255 - n) % 256);
    }
    cells[3] = RGB(255, 0, 0);
    cells[4] = RGB(255, 0, 0); // the same name twice
    cells[10] = RGB(0, 0, 0);
    cells[11] = RGB(255, 255, 255);
    cells[12] = RGB(1, 1, 1);
    cells[224] = RGB(254, 254, 254);
    return cells;
}

class RoundTrip : public testing::TestWithParam<PaletteFormat> { };

TEST_P(RoundTrip, ExportThenImportGivesTheSameCells)
{
    const TestCells original = FullGrid();
    const Palette palette = PaletteFromCells(original, CellSelection::All, DefaultSystemColors(), CssColorName);
    const std::string bytes = WritePalette(GetParam(), palette);

    TestCells imported{};
    const CellImport import = ImportIntoCells(imported, GetParam(), bytes, 1);
    ASSERT_FALSE(import.error) << import.error->describe();
    EXPECT_EQ(import.placement.placed, 224u);
    EXPECT_EQ(import.placement.leftOut, 0u);
    EXPECT_EQ(imported, original);
}

TEST_P(RoundTrip, NamesSurviveWhereTheFormatKeepsThem)
{
    const Palette palette{"Pelmora custom colours", 16, {{"red", RGB(255, 0, 0)}, {"cell 2", RGB(1, 2, 3)}}};
    const PaletteReadResult read = ReadPalette(GetParam(), WritePalette(GetParam(), palette));
    ASSERT_TRUE(read.ok()) << read.error->describe();
    std::vector<std::string> names;
    for (const PaletteEntry& entry : read.palette.entries)
        names.push_back(entry.name);
    switch (GetParam()) {
    case PaletteFormat::Css:
        EXPECT_EQ(names, (std::vector<std::string>{"red", "cell-2"}));
        break;
    case PaletteFormat::Hex:
        EXPECT_EQ(names, (std::vector<std::string>{"", ""}));
        break;
    default:
        EXPECT_EQ(names, (std::vector<std::string>{"red", "cell 2"}));
        EXPECT_EQ(read.palette.name, "Pelmora custom colours");
    }
}

TEST_P(RoundTrip, TheLargestPaletteTheReadersTakeIsReadBack)
{
    Palette palette{"largest", 16, {}};
    for (std::size_t i = 0; i < kMaxPaletteColors; ++i)
        palette.entries.push_back(
            {"cell " + std::to_string(i), Color(static_cast<std::int32_t>((i * 40503u) & 0xFFFFFF))});
    const PaletteReadResult read = ReadPalette(GetParam(), WritePalette(GetParam(), palette));
    ASSERT_TRUE(read.ok()) << read.error->describe();
    ASSERT_EQ(read.palette.entries.size(), kMaxPaletteColors);
    EXPECT_EQ(read.palette.entries.back().color, palette.entries.back().color);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RoundTrip,
    testing::Values(
        PaletteFormat::Gpl, PaletteFormat::Ase, PaletteFormat::Css, PaletteFormat::Json, PaletteFormat::Hex),
    [](const testing::TestParamInfo<PaletteFormat>& info) { return std::string(InfoOf(info.param).keyword); });

TEST(RoundTrip, EveryByteValueOfEveryChannelSurvivesTheAseFloats)
{
    Palette palette;
    for (int value = 0; value < 256; ++value)
        palette.entries.push_back({"", RGB(value, 255 - value, value)});
    const PaletteReadResult read = ReadPalette(PaletteFormat::Ase, WritePalette(PaletteFormat::Ase, palette));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.palette.entries, palette.entries);
}

} // namespace
} // namespace pelmora
