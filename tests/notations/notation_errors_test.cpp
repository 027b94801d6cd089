// Text that holds no colour: every reader stops with a message naming the position.

#include "notations/notation_table.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(NotationErrors, MessageNamesWhereReadingStopped)
{
    struct Row {
        std::string_view notation;
        std::string_view text;
        std::size_t position;
        std::string_view message;
    };
    const Row rows[] = {
        {"css-rgb", "rgb(255 128 0", 14, "expected ')' or '/', found the end at position 14"},
        {"css-rgb", "rgb(255, 128 0)", 14, "expected ',', found '0' at position 14"},
        {"css-rgb", "rgb(255, 50%, 0)", 10, "expected a number like the first value at position 10"},
        {"css-rgb", "rgb(none, 1, 2)", 5, "none is not allowed with commas at position 5"},
        {"css-rgb", "rgb(1 2 3) x", 12, "unexpected 'x' at position 12"},
        {"css-rgb", "rgb(1 2deg 3)", 7, "unexpected unit 'deg' at position 7"},
        {"css-rgb", "rgb(1e999 0 0)", 5, "number out of range at position 5"},
        {"css-rgb", "rgb(. 0 0)", 5, "expected a number, found '.' at position 5"},
        {"css-rgb", "hsl(1 2 3)", 1, "expected 'rgb(' at position 1"},
        {"hsl", "hsl(120, 100, 50%)", 10, "expected a percentage at position 10"},
        {"hsl", "hsl(120% 100% 50%)", 5, "expected a hue (a number or an angle) at position 5"},
        {"hsl", "hsl(1parsec 0% 0%)", 5, "unknown angle unit 'parsec' at position 5"},
        {"oklch", "  oklch(62.8% 0.25)", 19, "expected a number, found ')' at position 19"},
        {"color-srgb", "color(lab 50 0 0)", 7, "'lab' is not a colour space of color() at position 7"},
        {"display-p3", "color(p3 1 0 0)", 7, "'p3' is not a colour space of color() at position 7"},
        {"display-p3", "color(display-p3 1 0deg 0)", 20, "unexpected unit 'deg' at position 20"},
        {"css-hex", "#12345", 2, "expected 3, 4, 6 or 8 hexadecimal digits, found 5 at position 2"},
        {"css-hex", "#ff8000ég", 8, "unexpected 'é' at position 8"},
        {"css-hex", "é#ff8000", 1, "expected '#', found 'é' at position 1"},
        {"css-name", "orangey", 1, "'orangey' is not a CSS colour name at position 1"},
        {"html", "#FF80", 2, "expected 6 hexadecimal digits, found 'F' at position 2"},
        {"rgb-call", "RGB(256, 0, 0)", 5, "number above 255 at position 5"},
        {"rgb-call", "RGB(1, 2)", 9, "expected 3 numbers, found 2 at position 9"},
        {"decimal", "16777216", 1, "decimal colour value above 16777215 at position 1"},
        {"hex-literal", "&H8000000F&", 3, "not an RGB colour (more than BBGGRR) at position 3"},
        {"hex-0x", "0xFF80", 3, "expected 6 hexadecimal digits, found 4 at position 3"},
        {"qcolor", "QColor(1, 2, 3, 4, 5)", 18, "expected ')', found ',' at position 18"},
        {"floats", "1.0, 0.5, 2", 11, "number outside 0 to 1 at position 11"},
        {"floats", "1.0; 0.5; 0", 4, "expected ',', found ';' at position 4"},
        {"lab", "", 1, "expected 'lab(' at position 1"},
    };
    for (const Row& row : rows) {
        const ReadResult result = FindNotation(row.notation)->read(row.text);
        EXPECT_FALSE(result.color) << row.text;
        EXPECT_EQ(result.position, row.position) << row.text;
        EXPECT_EQ(result.message, row.message) << row.text;
    }
}

TEST(NotationErrors, EveryReaderRejectsEveryOtherNotationsPrintedText)
{
    // A reader accepts only its own syntax: no notation's text of this colour is read by a
    // reader of a different form, except where two notations share a syntax.
    const Color colour = RGB(18, 52, 86);
    for (const Notation& printer : BuiltInNotations()) {
        const auto text = FormatIn(printer, colour);
        if (!text)
            continue;
        for (const Notation& reader : BuiltInNotations()) {
            const ReadResult result = reader.read(*text);
            // Shared syntaxes (RGB() and legacy rgb(), #RRGGBB in both cases) read the same colour.
            if (reader.read == printer.read || result.color) {
                EXPECT_EQ(result.color, colour) << reader.name << " reading " << *text;
            }
        }
    }
}

} // namespace
} // namespace pelmora
