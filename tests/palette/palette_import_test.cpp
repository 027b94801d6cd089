// Reading palette files as other programs write them, and placing their colours in the grid.

#include "palette/palette_formats.h"
#include "palette/palette_import.h"
#include "palette_test_support.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

std::vector<Color> ColorsOf(const PaletteReadResult& result)
{
    std::vector<Color> colors;
    for (const PaletteEntry& entry : result.palette.entries)
        colors.push_back(entry.color);
    return colors;
}

TEST(GplImport, ReadsWhatGimpReadsCommentsBlankLinesCrLfAndRowsWithoutNames)
{
    const PaletteReadResult result = ReadPalette(PaletteFormat::Gpl,
        "\xEF\xBB\xBFGIMP Palette\r\n"
        "Name: Mine\r\n"
        "Columns: 4\r\n"
        "# comment\r\n"
        "\r\n"
        "255 0 0\tRed one\r\n"
        "  0\t128   255\r\n"
        "1 2 3 name with  blanks \r\n");
    ASSERT_TRUE(result.ok()) << result.error->describe();
    EXPECT_EQ(result.palette.name, "Mine");
    EXPECT_EQ(result.palette.columns, 4);
    const std::vector<PaletteEntry> expected
        = {{"Red one", RGB(255, 0, 0)}, {"", RGB(0, 128, 255)}, {"name with  blanks", RGB(1, 2, 3)}};
    EXPECT_EQ(result.palette.entries, expected);
}

TEST(AseImport, ReadsRgbGrayAndCmykInsideAndOutsideGroups)
{
    const std::string bytes = Bytes({'A', 'S', 'E', 'F', 0, 1, 0, 0, 0, 0, 0, 5,
        // a colour before any group: Gray 0.5, no name (length 0)
        0, 1, 0, 0, 0, 12, 0, 0, 'G', 'r', 'a', 'y', 0x3F, 0, 0, 0, 0, 2,
        // group "P"
        0xC0, 0x01, 0, 0, 0, 6, 0, 2, 0, 'P', 0, 0,
        // RGB (0, 1, 0.2) named "x", spot colour
        0, 1, 0, 0, 0, 24, 0, 2, 0, 'x', 0, 0, 'R', 'G', 'B', ' ', 0, 0, 0, 0, 0x3F, 0x80, 0, 0, 0x3E, 0x4C, 0xCC, 0xCD,
        0, 1,
        // CMYK (0, 1, 1, 0.5): dark red
        0, 1, 0, 0, 0, 26, 0, 1, 0, 0, 'C', 'M', 'Y', 'K', 0, 0, 0, 0, 0x3F, 0x80, 0, 0, 0x3F, 0x80, 0, 0, 0x3F, 0, 0,
        0, 0, 0,
        // group end
        0xC0, 0x02, 0, 0, 0, 0});
    const PaletteReadResult result = ReadPalette(PaletteFormat::Ase, bytes);
    ASSERT_TRUE(result.ok()) << result.error->describe();
    EXPECT_EQ(result.palette.name, "P");
    const std::vector<PaletteEntry> expected = {{"", RGB(128, 128, 128)}, {"x", RGB(0, 255, 51)}, {"", RGB(128, 0, 0)}};
    EXPECT_EQ(result.palette.entries, expected);
}

TEST(CssImport, ReadsDeclarationsInAnyBlockInAnyNotationAndSkipsCommentsAndAtRules)
{
    const PaletteReadResult result = ReadPalette(PaletteFormat::Css,
        "@charset \"utf-8\";\n"
        "/* palette; with { braces } */\n"
        ":root {\n"
        "  --brand: #0af;  --text: RGB(1, 2, 3);\n"
        "}\n"
        "@media print { .x { color: vbYellow !important } }\n");
    ASSERT_TRUE(result.ok()) << result.error->describe();
    const std::vector<PaletteEntry> expected
        = {{"brand", RGB(0, 0xAA, 0xFF)}, {"text", RGB(1, 2, 3)}, {"color", RGB(255, 255, 0)}};
    EXPECT_EQ(result.palette.entries, expected);
}

TEST(CssImport, TheInjectedReaderDecidesWhatIsAColour)
{
    const ColorReader onlyBlue = [](std::string_view text) -> std::optional<Color> {
        return text == "blue" ? std::optional(RGB(0, 0, 255)) : std::nullopt;
    };
    const PaletteReadResult read = ReadPalette(PaletteFormat::Css, "a { --x: blue; }", onlyBlue);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(ColorsOf(read), std::vector<Color>{RGB(0, 0, 255)});
    EXPECT_EQ(ReadPalette(PaletteFormat::Css, "a { --x: #0000FF; }", onlyBlue).error->describe(),
        "line 1: '#0000FF' is not a colour");
}

TEST(ColorLinesImport, EveryNotationOneALineBlankLinesSkipped)
{
    const PaletteReadResult result = ReadPalette(
        PaletteFormat::ColorLines, "#FF0000\n\n  #0f0  \r\nRGB(0, 0, 255)\r65535\nvbWhite\n&H8000000F&\n");
    ASSERT_TRUE(result.ok()) << result.error->describe();
    EXPECT_EQ(ColorsOf(result),
        (std::vector<Color>{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
            Color::systemCode(15)}));
}

TEST(ColorLinesImport, ReadsEveryNotationOfTheEngineButKeepsThePanelsRgbStrict)
{
    const PaletteReadResult result = ReadPalette(PaletteFormat::ColorLines,
        "hsl(120 100% 25%)\noklch(62.8% 0.2577 29.23)\ndarkorange\n0xFF8000\nQColor(1, 2, 3)\nrgb(300 0 0)\n");
    ASSERT_TRUE(result.ok()) << result.error->describe();
    EXPECT_EQ(ColorsOf(result),
        (std::vector<Color>{
            RGB(0, 128, 0), RGB(255, 0, 0), RGB(255, 140, 0), RGB(255, 128, 0), RGB(1, 2, 3), RGB(255, 0, 0)}));
    EXPECT_EQ(ReadPalette(PaletteFormat::ColorLines, "RGB(256, 0, 0)\n").error->describe(),
        "line 1: 'RGB(256, 0, 0)' is not a colour");
    const PaletteReadResult css = ReadPalette(PaletteFormat::Css, ":root { --green: hsl(120 100% 25%); }");
    ASSERT_TRUE(css.ok()) << css.error->describe();
    EXPECT_EQ(ColorsOf(css), std::vector<Color>{RGB(0, 128, 0)});
}

TEST(JsonImport, ReadsHexRgbAndPlainStringsIgnoringUnknownKeys)
{
    const PaletteReadResult result = ReadPalette(PaletteFormat::Json, R"json({
      "version": {"deep": [1, 2.5e3, true, false, null]},
      "name": "J\u00e9 \ud83d\ude00",
      "colors": [
        {"rgb": [1, 2, 3], "name": "a", "extra": [{}]},
        {"hex": "#0000ff", "rgb": [9, 9, 9]},
        "RGB(4, 5, 6)"
      ],
      "columns": 3
    })json");
    ASSERT_TRUE(result.ok()) << result.error->describe();
    EXPECT_EQ(result.palette.name, "J\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(result.palette.columns, 3);
    const std::vector<PaletteEntry> expected = {{"a", RGB(1, 2, 3)}, {"", RGB(0, 0, 255)}, {"", RGB(4, 5, 6)}};
    EXPECT_EQ(result.palette.entries, expected);
}

TEST(PlaceColors, FillsFromTheStartCellAndCountsWhatDidNotFit)
{
    struct Row {
        const char* name;
        std::size_t count;
        int start;
        std::size_t placed;
        std::size_t leftOut;
    } rows[] = {
        {"fits from cell 1", 10, 1, 10, 0},
        {"exactly fills the grid", 224, 1, 224, 0},
        {"one too many", 225, 1, 224, 1},
        {"from the last cell", 3, 224, 1, 2},
        {"start before the first cell", 3, 0, 0, 3},
        {"start after the last cell", 3, 225, 0, 3},
    };
    for (const Row& row : rows) {
        Palette palette;
        for (std::size_t i = 0; i < row.count; ++i)
            palette.entries.push_back({"", Color(static_cast<std::int32_t>(i + 100))});
        TestCells cells = SampleCells();
        const TestCells before = cells;
        const Placement placement = PlaceColors(cells, palette, row.start);
        EXPECT_EQ(placement.placed, row.placed) << row.name;
        EXPECT_EQ(placement.leftOut, row.leftOut) << row.name;
        for (std::size_t cell = 0; cell < cells.size(); ++cell) {
            const bool written = row.start >= 1 && cell >= static_cast<std::size_t>(row.start)
                && cell < static_cast<std::size_t>(row.start) + row.placed;
            const Color expected = written
                ? Color(static_cast<std::int32_t>(cell - static_cast<std::size_t>(row.start) + 100))
                : before[cell];
            ASSERT_EQ(cells[cell], expected) << row.name << ", cell " << cell;
        }
    }
}

TEST(ImportIntoCells, ChangesTheGridOnlyWhenTheFileHoldsColoursAndTheStartIsACell)
{
    TestCells cells = SampleCells();
    const TestCells before = cells;
    const CellImport empty = ImportIntoCells(cells, PaletteFormat::Gpl, "GIMP Palette\nName: none\n", 1);
    ASSERT_TRUE(empty.error);
    EXPECT_EQ(empty.error->describe(), "the file holds no colours");
    const CellImport badStart = ImportIntoCells(cells, PaletteFormat::ColorLines, "#FFFFFF\n", 225);
    ASSERT_TRUE(badStart.error);
    EXPECT_EQ(badStart.error->describe(), "there is no cell 225; the cells are 1 to 224");
    EXPECT_EQ(cells, before);

    const CellImport done = ImportIntoCells(cells, PaletteFormat::ColorLines, "#FFFFFF\n#000001\n#000002\n", 223);
    ASSERT_FALSE(done.error);
    EXPECT_EQ(done.placement.placed, 2u);
    EXPECT_EQ(done.placement.leftOut, 1u);
    EXPECT_EQ(cells[223], RGB(255, 255, 255));
    EXPECT_EQ(cells[224], RGB(0, 0, 1));
    EXPECT_EQ(cells[222], before[222]);
}

} // namespace
} // namespace pelmora
