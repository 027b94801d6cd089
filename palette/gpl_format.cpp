#include "palette/gpl_format.h"

#include "palette/palette_text.h"

#include <algorithm>
#include <charconv>

namespace pelmora {
namespace {

constexpr std::string_view kMagic = "GIMP Palette";
constexpr int kMaxColumns = 256; // GIMP's own bound

// Names and the palette name are single-line texts in the file.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return line;
}

void AppendRightAligned(std::string& out, int value)
{
    char digits[4];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(3 - std::min<std::size_t>(3, static_cast<std::size_t>(end - digits)), ' ');
    out.append(digits, end);
}

std::string_view NextWord(std::string_view& rest)
{
    rest = rest.substr(std::min(rest.size(), rest.find_first_not_of(" \t")));
    const std::size_t end = std::min(rest.size(), rest.find_first_of(" \t"));
    const std::string_view word = rest.substr(0, end);
    rest = rest.substr(end);
    return word;
}

} // namespace

std::string WriteGpl(const Palette& palette)
{
    std::string out;
    out.reserve(64 + palette.entries.size() * 24);
    out += kMagic;
    out += "\nName: " + OneLine(palette.name) + "\nColumns: " + std::to_string(palette.columns) + "\n#\n";
    for (const PaletteEntry& entry : palette.entries) {
        AppendRightAligned(out, entry.color.red());
        out += ' ';
        AppendRightAligned(out, entry.color.green());
        out += ' ';
        AppendRightAligned(out, entry.color.blue());
        out += '\t';
        out += OneLine(entry.name);
        out += '\n';
    }
    return out;
}

PaletteReadResult ReadGpl(std::string_view bytes)
{
    std::string_view text;
    if (auto error = CheckPaletteText(bytes, text))
        return {{}, std::move(error)};
    LineCursor lines(text);
    std::string_view line;
    if (!lines.next(line) || TrimBlanks(line) != kMagic)
        return FailAtLine(1, "a GIMP palette starts with the line 'GIMP Palette', found " + Quoted(line));

    Palette palette;
    while (lines.next(line)) {
        const std::size_t number = lines.number();
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.starts_with('#'))
            continue;
        if (trimmed.starts_with("Name:")) {
            palette.name = std::string(TrimBlanks(trimmed.substr(5)));
            if (palette.name.size() > kMaxPaletteNameBytes)
                return FailAtLine(
                    number, "the palette name is longer than " + std::to_string(kMaxPaletteNameBytes) + " bytes");
            continue;
        }
        if (trimmed.starts_with("Columns:")) {
            const std::string_view value = TrimBlanks(trimmed.substr(8));
            int columns = -1;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), columns);
            if (ec != std::errc() || end != value.data() + value.size() || columns < 0 || columns > kMaxColumns)
                return FailAtLine(number, "Columns must be a whole number from 0 to 256, found " + Quoted(value));
            palette.columns = columns;
            continue;
        }
        std::string_view rest = trimmed;
        int channels[3];
        constexpr std::string_view kChannelNames[] = {"red", "green", "blue"};
        for (int i = 0; i < 3; ++i) {
            const std::string_view word = NextWord(rest);
            const auto value = ParseChannel(word);
            if (!value)
                return FailAtLine(number,
                    std::string(kChannelNames[i]) + " must be a whole number from 0 to 255, found "
                        + (word.empty() ? std::string("nothing") : Quoted(word)));
            channels[i] = *value;
        }
        if (palette.entries.size() == kMaxPaletteColors)
            return FailAtLine(number, "more than " + std::to_string(kMaxPaletteColors) + " colours");
        std::string name(TrimBlanks(rest));
        if (name.size() > kMaxPaletteNameBytes)
            return FailAtLine(
                number, "the colour name is longer than " + std::to_string(kMaxPaletteNameBytes) + " bytes");
        palette.entries.push_back({std::move(name), RGB(channels[0], channels[1], channels[2])});
    }
    return {std::move(palette), std::nullopt};
}

} // namespace pelmora
