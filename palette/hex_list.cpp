#include "palette/hex_list.h"

#include "palette/palette_text.h"

namespace pelmora {

std::string WriteHexList(const Palette& palette)
{
    std::string out;
    out.reserve(palette.entries.size() * 8);
    for (const PaletteEntry& entry : palette.entries)
        out += HexText(entry.color) + "\n";
    return out;
}

PaletteReadResult ReadColorLines(std::string_view bytes, const ColorReader& reader)
{
    std::string_view text;
    if (auto error = CheckPaletteText(bytes, text))
        return {{}, std::move(error)};
    Palette palette;
    LineCursor lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty())
            continue;
        const std::optional<Color> color = reader ? reader(trimmed) : std::nullopt;
        if (!color)
            return FailAtLine(lines.number(), Quoted(trimmed) + " is not a colour");
        if (palette.entries.size() == kMaxPaletteColors)
            return FailAtLine(lines.number(), "more than " + std::to_string(kMaxPaletteColors) + " colours");
        palette.entries.push_back({std::string(), *color});
    }
    return {std::move(palette), std::nullopt};
}

} // namespace pelmora
