#include "outputs/output_panel.h"

#include "color/code_formats.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(OutputPanel, CopyButtonsCopyTheirVisibleField)
{
    struct Row {
        int copy;
        int field;
    };
    const Row rows[] = {{0, 2}, {1, 4}, {2, 3}, {3, 5}, {4, -1}, {-1, -1}};
    for (const Row& row : rows)
        EXPECT_EQ(CopySourceField(row.copy), row.field) << "cmdCopy " << row.copy;
}

TEST(OutputPanel, CopyingYellowGivesItsFourCodes)
{
    const ColorCodes codes = MakeColorCodes(Color(65535), DefaultSystemColors());
    auto copied = [&](int copy) { return codes.text[static_cast<std::size_t>(CopySourceField(copy))]; };
    EXPECT_EQ(copied(3), "&H00FFFF&");
    EXPECT_EQ(copied(1), "#FFFF00");
    EXPECT_EQ(copied(2), "65535");
    EXPECT_EQ(copied(0), "RGB(255, 255, 0)");
    const ColorCodes initial = InitialColorCodes();
    EXPECT_EQ(initial.text[static_cast<std::size_t>(CopySourceField(2))], "16777215");
    EXPECT_EQ(initial.text[static_cast<std::size_t>(CopySourceField(3))], "&H00FFFF&");
}

TEST(OutputPanel, CaptionsOfTheVisibleCodes)
{
    EXPECT_EQ(kCodeCaptions[static_cast<std::size_t>(kVisibleCodes[0].caption)], "RGB Color Code:");
    EXPECT_EQ(kCodeCaptions[static_cast<std::size_t>(kVisibleCodes[1].caption)], "Decimal Color Code:");
    EXPECT_EQ(kCodeCaptions[static_cast<std::size_t>(kVisibleCodes[2].caption)], "HTML Color Code:");
    EXPECT_EQ(kCodeCaptions[static_cast<std::size_t>(kVisibleCodes[3].caption)], "VB Hex Color Code:");
}

TEST(OutputPanel, ReadoutLines)
{
    using Lines = std::array<std::string, 4>;
    EXPECT_EQ(ReadoutLines({255, 255, 0}, "FFFF00"), (Lines{"R: 255", "G: 255", "B: 0", "Hex: #FFFF00"}));
    EXPECT_EQ(ReadoutLines({-241, -255, -255}, GetHexVal(-241, -255, -255)),
        (Lines{"R: -241", "G: -255", "B: -255", "Hex: #FF0FFF01FF01"}));
}

} // namespace
} // namespace pelmora
