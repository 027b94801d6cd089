// Damaged palette files: every importer names the line (or byte) and the reason, and the grid
// stays exactly as it was.

#include "palette/palette_import.h"
#include "palette_test_support.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

struct DamagedFile {
    const char* name;
    PaletteFormat format;
    std::string bytes;
    std::string message;
};

std::string Repeat(std::string_view piece, std::size_t count)
{
    std::string out;
    out.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        out += piece;
    return out;
}

const std::string kAseHeader = "ASEF" + Bytes({0, 1, 0, 0});

std::string AseWithBlocks(std::uint32_t count, const std::string& blocks)
{
    return kAseHeader
        + Bytes({static_cast<int>(count >> 24), static_cast<int>((count >> 16) & 0xFF),
            static_cast<int>((count >> 8) & 0xFF), static_cast<int>(count & 0xFF)})
        + blocks;
}

// A colour block with no name, the given model and component bytes, kind normal.
std::string AseColorBlock(std::string_view model, const std::string& components)
{
    const std::string content = Bytes({0, 0}) + std::string(model) + components + Bytes({0, 2});
    return Bytes({0, 1, 0, 0, 0, static_cast<int>(content.size())}) + content;
}

const std::string kFloatOne = Bytes({0x3F, 0x80, 0, 0});
const std::string kFloatZero = Bytes({0, 0, 0, 0});

std::vector<DamagedFile> DamagedFiles()
{
    const std::string tooLarge(kMaxPaletteFileBytes + 1, ' ');
    return {
        // GIMP palettes
        {"gpl: empty file", PaletteFormat::Gpl, "",
            "line 1: a GIMP palette starts with the line 'GIMP Palette', found ''"},
        {"gpl: wrong magic", PaletteFormat::Gpl, "GIMP palette\n1 2 3\n",
            "line 1: a GIMP palette starts with the line 'GIMP Palette', found 'GIMP palette'"},
        {"gpl: UTF-16 text", PaletteFormat::Gpl, Bytes({0xFF, 0xFE, 'G', 0, 'I', 0}),
            "line 1: the file is UTF-16 or UTF-32 text; save it as UTF-8"},
        {"gpl: Latin-1 name", PaletteFormat::Gpl, "GIMP Palette\n1 2 3 caf\xE9\n", "line 2: is not valid UTF-8 text"},
        {"gpl: NUL byte", PaletteFormat::Gpl, std::string("GIMP Palette\n\n1 2\0 3\n", 21),
            "line 3: holds a NUL byte; this is not a text file"},
        {"gpl: truncated row", PaletteFormat::Gpl, "GIMP Palette\n255 0",
            "line 2: blue must be a whole number from 0 to 255, found nothing"},
        {"gpl: hexadecimal number", PaletteFormat::Gpl, "GIMP Palette\n255 0x1 0\n",
            "line 2: green must be a whole number from 0 to 255, found '0x1'"},
        {"gpl: number above 255", PaletteFormat::Gpl, "GIMP Palette\n256 0 0\n",
            "line 2: red must be a whole number from 0 to 255, found '256'"},
        {"gpl: negative number", PaletteFormat::Gpl, "GIMP Palette\n1 2 -3\n",
            "line 2: blue must be a whole number from 0 to 255, found '-3'"},
        {"gpl: huge column count", PaletteFormat::Gpl, "GIMP Palette\nColumns: 99999999999\n",
            "line 2: Columns must be a whole number from 0 to 256, found '99999999999'"},
        {"gpl: too many colours", PaletteFormat::Gpl, "GIMP Palette\n" + Repeat("1 2 3\n", kMaxPaletteColors + 1),
            "line 65538: more than 65536 colours"},
        {"gpl: file too large", PaletteFormat::Gpl, "GIMP Palette\n" + tooLarge, "the file is larger than 8 MiB"},

        // Adobe swatch exchange
        {"ase: empty file", PaletteFormat::Ase, "", "byte 0: an Adobe swatch exchange file starts with 'ASEF'"},
        {"ase: wrong magic", PaletteFormat::Ase, "ASEX" + Bytes({0, 1, 0, 0, 0, 0, 0, 0}),
            "byte 0: an Adobe swatch exchange file starts with 'ASEF'"},
        {"ase: truncated header", PaletteFormat::Ase, "ASEF" + Bytes({0, 1}),
            "byte 6: the file ends inside its 12-byte header"},
        {"ase: version 2", PaletteFormat::Ase, "ASEF" + Bytes({0, 2, 0, 0, 0, 0, 0, 0}),
            "byte 4: version 2.0 cannot be read, only version 1"},
        {"ase: huge block count", PaletteFormat::Ase, AseWithBlocks(0xFFFFFFFF, ""),
            "byte 8: 4294967295 blocks announced, but the file has room for at most 0"},
        {"ase: fewer blocks announced than present", PaletteFormat::Ase,
            AseWithBlocks(1, AseColorBlock("Gray", kFloatOne) + AseColorBlock("Gray", kFloatOne)),
            "byte 30: 18 bytes follow the last of the 1 announced blocks"},
        {"ase: truncated before the last block", PaletteFormat::Ase,
            AseWithBlocks(2, AseColorBlock("Gray", kFloatOne) + Bytes({0, 1, 0})),
            "byte 30: the file ends before block 2 of 2"},
        {"ase: block longer than the file", PaletteFormat::Ase, AseWithBlocks(1, Bytes({0, 1, 0, 0, 3, 0xE8})),
            "byte 12: a block of 1000 bytes runs past the end of the file"},
        {"ase: name longer than its block", PaletteFormat::Ase,
            AseWithBlocks(1, Bytes({0, 1, 0, 0, 0, 4, 0, 200, 0, 'a'})),
            "byte 12: a name of 200 characters runs past the end of its block"},
        {"ase: name with an unpaired surrogate", PaletteFormat::Ase,
            AseWithBlocks(1, Bytes({0xC0, 0x01, 0, 0, 0, 6, 0, 2, 0xD8, 0x00, 0, 0})),
            "byte 12: the name is not valid UTF-16"},
        {"ase: component not a number", PaletteFormat::Ase,
            AseWithBlocks(1, AseColorBlock("RGB ", Bytes({0x7F, 0xC0, 0, 0}) + kFloatZero + kFloatZero)),
            "byte 12: component 1 is nan, not a number from 0 to 1"},
        {"ase: component above 1", PaletteFormat::Ase,
            AseWithBlocks(1, AseColorBlock("RGB ", kFloatZero + Bytes({0x3F, 0xC0, 0, 0}) + kFloatZero)),
            "byte 12: component 2 is 1.5, not a number from 0 to 1"},
        {"ase: too few components", PaletteFormat::Ase, AseWithBlocks(1, AseColorBlock("RGB ", kFloatOne + kFloatOne)),
            "byte 12: a RGB colour needs 14 bytes after its model, the block has 10"},
        {"ase: Lab colour", PaletteFormat::Ase,
            AseWithBlocks(1, AseColorBlock("LAB ", kFloatOne + kFloatZero + kFloatZero)),
            "byte 12: Lab colours cannot be read; export the swatches as RGB"},
        {"ase: unknown colour model", PaletteFormat::Ase, AseWithBlocks(1, AseColorBlock("XYZ ", kFloatOne)),
            "byte 12: unknown colour model 'XYZ '"},
        {"ase: unknown block type", PaletteFormat::Ase, AseWithBlocks(1, Bytes({0xBE, 0xEF, 0, 0, 0, 0})),
            "byte 12: unknown block type 0xbeef"},
        {"ase: group ends that never started", PaletteFormat::Ase, AseWithBlocks(1, Bytes({0xC0, 0x02, 0, 0, 0, 0})),
            "byte 12: a group ends that never started"},
        {"ase: too many colours", PaletteFormat::Ase,
            AseWithBlocks(kMaxPaletteColors + 1, Repeat(AseColorBlock("Gray", kFloatOne), kMaxPaletteColors + 1)),
            "byte 1179660: more than 65536 colours"},
        {"ase: file too large", PaletteFormat::Ase, "ASEF" + tooLarge, "the file is larger than 8 MiB"},

        // CSS
        {"css: UTF-16 big-endian text", PaletteFormat::Css, Bytes({0xFE, 0xFF, 0, ':'}),
            "line 1: the file is UTF-16 or UTF-32 text; save it as UTF-8"},
        {"css: Latin-1 text", PaletteFormat::Css, ":root {\n  --gr\xFCn: #0f0;\n}\n",
            "line 2: is not valid UTF-8 text"},
        {"css: value that is no colour", PaletteFormat::Css, ":root {\n  --a: #fff;\n  --b: #12345;\n}\n",
            "line 3: '#12345' is not a colour"},
        {"css: channel out of range", PaletteFormat::Css, "a { color: RGB(256, 0, 0) }",
            "line 1: 'RGB(256, 0, 0)' is not a colour"},
        {"css: declaration without colon", PaletteFormat::Css, ":root {\n  --a #fff;\n}\n",
            "line 2: expected 'name: colour', found '--a #fff'"},
        {"css: truncated block", PaletteFormat::Css, ":root {\n  --a: #fff;\n", "line 1: this '{' is never closed"},
        {"css: stray closing brace", PaletteFormat::Css, "}\n", "line 1: a '}' closes no block"},
        {"css: unclosed comment", PaletteFormat::Css, ":root {}\n/* --a: #fff; }",
            "line 2: a comment '/*' is never closed"},
        {"css: blocks nested too deep", PaletteFormat::Css, Repeat("a {", 33), "line 1: blocks nested deeper than 32"},
        {"css: too many colours", PaletteFormat::Css, ":root {\n" + Repeat("--a: #000;\n", kMaxPaletteColors + 1) + "}",
            "line 65538: more than 65536 colours"},

        // Colour lines
        {"txt: line that is no colour", PaletteFormat::ColorLines, "#FF0000\n\nnot a colour\n",
            "line 3: 'not a colour' is not a colour"},
        {"txt: long line is shortened in the message", PaletteFormat::ColorLines, Repeat("#", 100),
            "line 1: '########################################...' is not a colour"},
        {"txt: UTF-32 text", PaletteFormat::ColorLines, Bytes({0, 0, 0xFE, 0xFF, 0, 0, 0, '#'}),
            "line 1: the file is UTF-16 or UTF-32 text; save it as UTF-8"},
        {"txt: too many colours", PaletteFormat::ColorLines, Repeat("#000\n", kMaxPaletteColors + 1),
            "line 65537: more than 65536 colours"},

        // JSON
        {"json: empty file", PaletteFormat::Json, "", "line 1: the file ends where '{' should follow"},
        {"json: not an object", PaletteFormat::Json, "[\"#fff\"]", "line 1: expected '{', found '[\"#fff\"]'"},
        {"json: no colours list", PaletteFormat::Json, "{\"name\": \"x\"}",
            "line 1: the palette has no \"colors\" list"},
        {"json: truncated", PaletteFormat::Json, "{\"colors\": [\n  {\"hex\": \"#fff\"},",
            "line 2: the file ends where '{' should follow"},
        {"json: unclosed string", PaletteFormat::Json, "{\"colors\": [\n\"#fff", "line 2: a string is never closed"},
        {"json: channel above 255", PaletteFormat::Json, "{\"colors\": [{\"rgb\": [1, 2, 300]}]}",
            "line 1: blue must be a whole number from 0 to 255, found '300'"},
        {"json: fractional channel", PaletteFormat::Json, "{\"colors\": [{\"rgb\": [1.5, 2, 3]}]}",
            "line 1: red must be a whole number from 0 to 255, found '1.5'"},
        {"json: two channels", PaletteFormat::Json, "{\"colors\": [\n{\"rgb\": [1, 2]}]}",
            "line 2: \"rgb\" must hold three numbers: red, green, blue"},
        {"json: four channels", PaletteFormat::Json, "{\"colors\": [{\"rgb\": [1, 2, 3, 4]}]}",
            "line 1: \"rgb\" holds more than three numbers"},
        {"json: colour without hex or rgb", PaletteFormat::Json, "{\"colors\": [\n\n{\"name\": \"x\"}]}",
            "line 3: a colour needs \"hex\" or \"rgb\""},
        {"json: hex that is no colour", PaletteFormat::Json, "{\"colors\": [{\"hex\": \"#GG0000\"}]}",
            "line 1: '#GG0000' is not a colour"},
        {"json: huge column count", PaletteFormat::Json, "{\"columns\": 1e9, \"colors\": []}",
            "line 1: \"columns\" must be a whole number from 0 to 256, found '1e9'"},
        {"json: bad number", PaletteFormat::Json, "{\"colors\": [{\"rgb\": [1, -, 3]}]}",
            "line 1: expected a number, found '-, 3]}]}'"},
        {"json: text after the object", PaletteFormat::Json, "{\"colors\": [\"#fff\"]} x",
            "line 1: text follows the palette object"},
        {"json: nested too deep", PaletteFormat::Json, "{\"x\": " + Repeat("[", 40),
            "line 1: values nested deeper than 32"},
        {"json: lone surrogate", PaletteFormat::Json, "{\"name\": \"\\ud800\", \"colors\": [\"#fff\"]}",
            "line 1: a lone UTF-16 surrogate in a string"},
        {"json: line end inside a string", PaletteFormat::Json, "{\"name\": \"a\nb\", \"colors\": []}",
            "line 1: a line end or control character inside a string"},
        {"json: Latin-1 text", PaletteFormat::Json, "{\"name\": \"caf\xE9\", \"colors\": []}",
            "line 1: is not valid UTF-8 text"},
        {"json: too many colours", PaletteFormat::Json,
            "{\"colors\": [" + Repeat("\"#000\",", kMaxPaletteColors) + "\"#000\"]}",
            "line 1: more than 65536 colours"},
    };
}

TEST(DamagedPaletteFiles, EachNamesWhereAndWhyAndLeavesTheGridUnchanged)
{
    for (const DamagedFile& file : DamagedFiles()) {
        TestCells cells = SampleCells();
        const CellImport import = ImportIntoCells(cells, file.format, file.bytes, 1);
        ASSERT_TRUE(import.error) << file.name;
        EXPECT_EQ(import.error->describe(), file.message) << file.name;
        EXPECT_EQ(cells, SampleCells()) << file.name;
    }
}

} // namespace
} // namespace pelmora
