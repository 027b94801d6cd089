// Palettes written from the custom colours and the history: exact bytes against golden files,
// names, and what a written file must look like for the programs that read it.

#include "notations/named_colors.h"
#include "palette/css_palette.h"
#include "palette/palette_cells.h"
#include "palette/palette_formats.h"
#include "palette_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace pelmora {
namespace {

std::string ReadGolden(const std::string& name)
{
    std::ifstream file(std::string(PELMORA_PALETTE_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

Palette SamplePalette()
{
    const TestCells cells = SampleCells();
    return PaletteFromCells(cells, CellSelection::SetOnly, DefaultSystemColors(), CssColorName);
}

struct GoldenCase {
    PaletteFormat format;
    std::string file;
};

class GoldenExport : public testing::TestWithParam<GoldenCase> { };

// PELMORA_UPDATE_GOLDEN=1 rewrites the golden files from the current writers (check the diff!).
TEST_P(GoldenExport, WrittenBytesMatchTheGoldenFile)
{
    const std::string written = WritePalette(GetParam().format, SamplePalette());
    if (std::getenv("PELMORA_UPDATE_GOLDEN")) {
        std::ofstream(std::string(PELMORA_PALETTE_GOLDEN_DIR) + "/" + GetParam().file, std::ios::binary) << written;
        GTEST_SKIP() << "golden file rewritten";
    }
    EXPECT_EQ(written, ReadGolden(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, GoldenExport,
    testing::Values(GoldenCase{PaletteFormat::Gpl, "custom.gpl"}, GoldenCase{PaletteFormat::Ase, "custom.ase"},
        GoldenCase{PaletteFormat::Css, "custom.css"}, GoldenCase{PaletteFormat::Json, "custom.json"},
        GoldenCase{PaletteFormat::Hex, "custom.txt"}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return std::string(InfoOf(info.param.format).keyword); });

TEST(PaletteFromCells, SetCellsAreNamedByCssNameOrCellNumberAndSystemCodesExportTheirColour)
{
    const Palette palette = SamplePalette();
    EXPECT_EQ(palette.name, "Pelmora custom colours");
    EXPECT_EQ(palette.columns, 16);
    const std::vector<PaletteEntry> expected = {
        {"red", RGB(255, 0, 0)},
        {"cell 2", RGB(0x12, 0x34, 0x56)},
        {"cell 5", RGB(0xEF, 0xEF, 0xEF)},
        {"white", RGB(255, 255, 255)},
        {"aqua", RGB(0, 255, 255)},
        {"cell 224", RGB(1, 2, 3)},
    };
    EXPECT_EQ(palette.entries, expected);
}

TEST(PaletteFromCells, AllCellsGivesTheWholeGridInCellOrderWithoutElementZero)
{
    TestCells cells = SampleCells();
    cells[0] = RGB(9, 9, 9); // belongs to no cell
    const Palette palette = PaletteFromCells(cells, CellSelection::All, DefaultSystemColors(), {});
    ASSERT_EQ(palette.entries.size(), 224u);
    EXPECT_EQ(palette.entries[0], (PaletteEntry{"cell 1", RGB(255, 0, 0)}));
    EXPECT_EQ(palette.entries[2], (PaletteEntry{"cell 3", Color::black()}));
    EXPECT_EQ(palette.entries[223], (PaletteEntry{"cell 224", RGB(1, 2, 3)}));
}

TEST(PaletteFromCells, ValuesThatAreNoColourExportAsTheBlackTheGridPaints)
{
    TestCells cells{};
    cells[1] = Color::none();
    cells[2] = Color(0x7F000000);
    const Palette palette = PaletteFromCells(cells, CellSelection::SetOnly, DefaultSystemColors(), CssColorName);
    ASSERT_EQ(palette.entries.size(), 2u);
    EXPECT_EQ(palette.entries[0], (PaletteEntry{"black", Color::black()}));
    EXPECT_EQ(palette.entries[1], (PaletteEntry{"black", Color::black()}));
}

TEST(PaletteFromHistory, NewestFirstNamedHistoryN)
{
    const std::array<Color, 3> history = {RGB(1, 1, 1), RGB(255, 255, 0), RGB(2, 2, 2)};
    const Palette palette = PaletteFromHistory(history, DefaultSystemColors(), CssColorName);
    EXPECT_EQ(palette.name, "Pelmora colour history");
    EXPECT_EQ(palette.columns, 18);
    const std::vector<PaletteEntry> expected
        = {{"history 1", RGB(1, 1, 1)}, {"yellow", RGB(255, 255, 0)}, {"history 3", RGB(2, 2, 2)}};
    EXPECT_EQ(palette.entries, expected);
}

TEST(CssColorNames, TableHas148DistinctNamesInOrderAndSynonymsResolveToTheFirst)
{
    // The notation engine's table names exported colours.
    const std::span<const NamedColor> table = CssNamedColors();
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < table.size(); ++i) {
        names.insert(table[i].name);
        if (i > 0) {
            EXPECT_LT(table[i - 1].name, table[i].name);
        }
    }
    EXPECT_EQ(names.size(), 148u);
    EXPECT_EQ(CssColorName(RGB(0x66, 0x33, 0x99)), "rebeccapurple");
    EXPECT_EQ(CssColorName(RGB(0, 255, 255)), "aqua"); // not cyan
    EXPECT_EQ(CssColorName(RGB(255, 0, 255)), "fuchsia"); // not magenta
    EXPECT_EQ(CssColorName(RGB(128, 128, 128)), "gray"); // not grey
    EXPECT_EQ(CssColorName(RGB(0xF0, 0xF8, 0xFF)), "aliceblue");
    EXPECT_EQ(CssColorName(RGB(0xF5, 0xF5, 0xF5)), "whitesmoke");
    EXPECT_EQ(CssColorName(RGB(254, 0, 0)), std::nullopt);
    EXPECT_EQ(CssColorName(Color::systemCode(5)), std::nullopt);
}

TEST(CssExport, PropertyNamesAreValidCustomPropertyNames)
{
    struct Row {
        std::string_view name;
        std::string_view property;
    } rows[] = {
        {"cell 17", "cell-17"},
        {"Sky Blue!", "sky-blue"},
        {"  --a  b--", "a-b"},
        {"", "color"},
        {"%%%", "color"},
        {"grün", "grün"},
        {"x_y", "x_y"},
        {"7", "7"},
        {"a;}b{c:d", "a-b-c-d"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CssPropertyName(row.name), row.property) << "name '" << row.name << "'";
}

TEST(CssExport, RepeatedNamesGetNumberedSoNoDeclarationHidesAnother)
{
    const Palette palette{"", 0, {{"red", RGB(255, 0, 0)}, {"red", RGB(255, 0, 0)}, {"Red", RGB(255, 0, 0)}}};
    EXPECT_EQ(WritePalette(PaletteFormat::Css, palette),
        ":root {\n  --red: #ff0000;\n  --red-2: #ff0000;\n  --red-3: #ff0000;\n}\n");
}

TEST(GplExport, FirstLineIsExactlyTheMagicAndControlCharactersInNamesCannotBreakRows)
{
    const Palette palette{"two\nlines", 0, {{"tab\there", RGB(7, 80, 255)}}};
    EXPECT_EQ(WritePalette(PaletteFormat::Gpl, palette),
        "GIMP Palette\nName: two lines\nColumns: 0\n#\n  7  80 255\ttab here\n");
}

TEST(JsonExport, EmptyPaletteIsAnEmptyListAndNamesAreEscaped)
{
    EXPECT_EQ(WritePalette(PaletteFormat::Json, Palette{"a\"b\\c\x01", 0, {}}),
        "{\n  \"name\": \"a\\\"b\\\\c\\u0001\",\n  \"columns\": 0,\n  \"colors\": []\n}\n");
}

TEST(AseExport, HeaderCountsTheGroupBlocksAndNamesAreUtf16BigEndianWithTheirNul)
{
    const std::string bytes = WritePalette(PaletteFormat::Ase, Palette{"G", 0, {{"é", RGB(255, 0, 0)}}});
    const std::string expected = Bytes({'A', 'S', 'E', 'F', 0, 1, 0, 0, 0, 0, 0, 3, // 3 blocks
        0xC0, 0x01, 0, 0, 0, 6, 0, 2, 0, 'G', 0, 0, // group start "G"
        0x00, 0x01, 0, 0, 0, 24, 0, 2, 0, 0xE9, 0, 0, 'R', 'G', 'B', ' ', 0x3F, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, // 1.0f, 0.0f, 0.0f
        0, 2, // normal colour
        0xC0, 0x02, 0, 0, 0, 0}); // group end
    EXPECT_EQ(bytes, expected);
}

TEST(PlacementMessage, SaysWhereTheColoursWentAndHowManyWereLeftOut)
{
    EXPECT_EQ(PlacementMessage({1, 0}, 224), "Imported 1 colour into cell 224.");
    EXPECT_EQ(PlacementMessage({3, 0}, 5), "Imported 3 colours into cells 5 to 7.");
    EXPECT_EQ(PlacementMessage({224, 1}, 1),
        "Imported 224 colours into cells 1 to 224. 1 colour was left out: the grid has no more cells.");
    EXPECT_EQ(PlacementMessage({4, 96}, 221),
        "Imported 4 colours into cells 221 to 224. 96 colours were left out: the grid has no more cells.");
}

TEST(PaletteFormats, ChosenByKeywordOrFileNameInAnyCase)
{
    EXPECT_EQ(PaletteFormatFromKeyword("ase"), PaletteFormat::Ase);
    EXPECT_EQ(PaletteFormatFromKeyword("hex"), PaletteFormat::Hex);
    EXPECT_EQ(PaletteFormatFromKeyword("txt"), std::nullopt);
    EXPECT_EQ(PaletteFormatFromKeyword(""), std::nullopt); // the read-only list has no keyword
    EXPECT_EQ(PaletteFormatFromFileName("/a.b/Colours.GPL"), PaletteFormat::Gpl);
    EXPECT_EQ(PaletteFormatFromFileName("web.css"), PaletteFormat::Css);
    EXPECT_EQ(PaletteFormatFromFileName("list.txt"), PaletteFormat::ColorLines);
    EXPECT_EQ(PaletteFormatFromFileName("a.json"), PaletteFormat::Json);
    EXPECT_EQ(PaletteFormatFromFileName("dir.ase/file"), std::nullopt);
    EXPECT_EQ(PaletteFormatFromFileName("noextension"), std::nullopt);
    EXPECT_EQ(SniffPaletteFormat("ASEF\0\1"), PaletteFormat::Ase);
    EXPECT_EQ(SniffPaletteFormat("\xEF\xBB\xBF GIMP Palette\n"), PaletteFormat::Gpl);
    EXPECT_EQ(SniffPaletteFormat(" {\"colors\": []}"), PaletteFormat::Json);
    EXPECT_EQ(SniffPaletteFormat(":root { --a: red; }"), PaletteFormat::Css);
    EXPECT_EQ(SniffPaletteFormat("#FF0000\n"), PaletteFormat::ColorLines);
}

} // namespace
} // namespace pelmora
