// The cells set to black, kept beside the custom colours file: their list's text, and the set cells
// an export takes. How the list gives way to a colours file changed since: user_colors_file_test.

#include "palette/palette_cells.h"
#include "palette/set_cells.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

namespace pelmora {
namespace {

constexpr std::string_view kHeading = "Pelmora custom colour cells set to black\n";

std::vector<std::size_t> Marked(const CellMarks& marks)
{
    std::vector<std::size_t> cells;
    for (std::size_t cell = 0; cell < marks.size(); ++cell) {
        if (marks.test(cell))
            cells.push_back(cell);
    }
    return cells;
}

struct MarksCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> cells;
};

class ReadingMarks : public testing::TestWithParam<MarksCase> { };

TEST_P(ReadingMarks, ListsTheCellNumbersAfterTheHeadingOnly)
{
    EXPECT_EQ(Marked(ParseBlackCellMarks(GetParam().text)), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadingMarks,
    testing::Values(MarksCase{"empty", "", {}}, MarksCase{"heading only", std::string(kHeading), {}},
        MarksCase{"written list", std::string(kHeading) + "1\n100\n224\n", {1, 100, 224}},
        MarksCase{"no heading", "1\n100\n", {}}, MarksCase{"another heading", "Pelmora custom colour cells\n5\n", {}},
        MarksCase{"CR LF and CR line ends", "Pelmora custom colour cells set to black\r\n7\r\n8\r9", {7, 8, 9}},
        MarksCase{"element 0 and cells past the grid", std::string(kHeading) + "0\n225\n4294967296\n3\n", {3}},
        MarksCase{"signs, blanks, letters", std::string(kHeading) + "+4\n-4\n 4\n4 \n4x\n\n12\n", {12}}),
    [](const testing::TestParamInfo<MarksCase>& info) {
        std::string name;
        for (const char c : std::string_view(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(ReadingMarks, WrittenMarksReadBackExactly)
{
    CellMarks marks;
    for (const std::size_t cell : {1, 2, 99, 224})
        marks.set(cell);
    EXPECT_EQ(FormatBlackCellMarks(marks), std::string(kHeading) + "1\n2\n99\n224\n");
    EXPECT_EQ(ParseBlackCellMarks(FormatBlackCellMarks(marks)), marks);
}

TEST(PaletteFromCells, SetOnlyTakesTheBlackCellsMarkedSet)
{
    UserColorArray cells{};
    cells[100] = RGB(255, 0, 0);
    cells[102] = RGB(0, 255, 0);
    CellMarks blackSet;
    blackSet.set(99).set(101);
    const Palette palette
        = PaletteFromCells(cells, CellSelection::SetOnly, DefaultSystemColors(), CssColorName, blackSet);
    ASSERT_EQ(palette.entries.size(), 4u);
    EXPECT_EQ(palette.entries[0], (PaletteEntry{"black", Color::black()}));
    EXPECT_EQ(palette.entries[1], (PaletteEntry{"red", RGB(255, 0, 0)}));
    EXPECT_EQ(palette.entries[2], (PaletteEntry{"black", Color::black()}));
    EXPECT_EQ(palette.entries[3], (PaletteEntry{"lime", RGB(0, 255, 0)}));
    EXPECT_EQ(PaletteFromCells(cells, CellSelection::All, DefaultSystemColors(), CssColorName, blackSet).entries.size(),
        224u);
}

} // namespace
} // namespace pelmora
