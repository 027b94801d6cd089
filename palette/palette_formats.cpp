#include "palette/palette_formats.h"

#include "palette/ase_format.h"
#include "palette/css_palette.h"
#include "palette/gpl_format.h"
#include "palette/hex_list.h"
#include "palette/json_palette.h"
#include "palette/palette_text.h"

#include <algorithm>

namespace pelmora {

const std::array<PaletteFormatInfo, 6> kPaletteFormats = {{
    {PaletteFormat::Gpl, "gpl", "gpl", "GIMP palette", true},
    {PaletteFormat::Ase, "ase", "ase", "Adobe swatch exchange", true},
    {PaletteFormat::Css, "css", "css", "CSS custom properties", true},
    {PaletteFormat::Json, "json", "json", "JSON palette", true},
    {PaletteFormat::Hex, "hex", "txt", "#RRGGBB list", true},
    {PaletteFormat::ColorLines, "", "txt", "Colour list", false},
}};

const PaletteFormatInfo& InfoOf(PaletteFormat format)
{
    return *std::find_if(kPaletteFormats.begin(), kPaletteFormats.end(),
        [format](const PaletteFormatInfo& info) { return info.format == format; });
}

std::optional<PaletteFormat> PaletteFormatFromKeyword(std::string_view keyword)
{
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (info.writable && info.keyword == keyword)
            return info.format;
    }
    return std::nullopt;
}

std::optional<PaletteFormat> PaletteFormatFromFileName(std::string_view fileName)
{
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos || fileName.find_first_of("/\\", dot) != std::string_view::npos)
        return std::nullopt;
    std::string extension(fileName.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; });
    if (extension == "txt")
        return PaletteFormat::ColorLines;
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (info.extension == extension)
            return info.format;
    }
    return std::nullopt;
}

PaletteFormat SniffPaletteFormat(std::string_view bytes)
{
    if (bytes.starts_with("ASEF"))
        return PaletteFormat::Ase;
    const std::string_view text = TrimBlanks(bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
    if (text.starts_with("GIMP Palette"))
        return PaletteFormat::Gpl;
    if (text.starts_with('{'))
        return PaletteFormat::Json;
    if (text.find('{') != std::string_view::npos)
        return PaletteFormat::Css;
    return PaletteFormat::ColorLines;
}

ColorReader ReadColorNotationDefault() { return ReadColorNotation; }

std::string WritePalette(PaletteFormat format, const Palette& palette)
{
    switch (format) {
    case PaletteFormat::Gpl:
        return WriteGpl(palette);
    case PaletteFormat::Ase:
        return WriteAse(palette);
    case PaletteFormat::Css:
        return WriteCss(palette);
    case PaletteFormat::Json:
        return WriteJsonPalette(palette);
    case PaletteFormat::Hex:
    case PaletteFormat::ColorLines:
        break;
    }
    return WriteHexList(palette);
}

PaletteReadResult ReadPalette(PaletteFormat format, std::string_view bytes, const ColorReader& reader)
{
    switch (format) {
    case PaletteFormat::Gpl:
        return ReadGpl(bytes);
    case PaletteFormat::Ase:
        return ReadAse(bytes);
    case PaletteFormat::Css:
        return ReadCss(bytes, reader);
    case PaletteFormat::Json:
        return ReadJsonPalette(bytes, reader);
    case PaletteFormat::Hex:
    case PaletteFormat::ColorLines:
        break;
    }
    return ReadColorLines(bytes, reader);
}

} // namespace pelmora
