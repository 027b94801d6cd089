#pragma once
// The palette file formats side by side: choosing one by file name or by name on the command line,
// and reading or writing any of them.

#include "palette/palette.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

enum class PaletteFormat { Gpl, Ase, Css, Json, Hex, ColorLines };

struct PaletteFormatInfo {
    PaletteFormat format;
    std::string_view keyword; // for --format
    std::string_view extension; // without the dot
    std::string_view title; // for a file dialog's filter
    bool writable;
};

// Gpl, Ase, Css, Json, Hex ("#RRGGBB" lines, .txt) and ColorLines (any notation a line, read only).
extern const std::array<PaletteFormatInfo, 6> kPaletteFormats;

const PaletteFormatInfo& InfoOf(PaletteFormat format);
// A writable format by its --format keyword: gpl, ase, css, json, hex.
std::optional<PaletteFormat> PaletteFormatFromKeyword(std::string_view keyword);
// The format a file name's extension announces (any case); a .txt file reads as ColorLines.
std::optional<PaletteFormat> PaletteFormatFromFileName(std::string_view fileName);
// The format the content announces: "ASEF", "GIMP Palette", a JSON object, a CSS block, else lines.
PaletteFormat SniffPaletteFormat(std::string_view bytes);

// The ColorReader used when none is given: the one reader of colour text (ReadColorNotation).
ColorReader ReadColorNotationDefault();

std::string WritePalette(PaletteFormat format, const Palette& palette);
// Hex and ColorLines read alike. `reader` reads colours written as text (CSS, JSON, lines).
PaletteReadResult ReadPalette(
    PaletteFormat format, std::string_view bytes, const ColorReader& reader = ReadColorNotationDefault());

} // namespace pelmora
