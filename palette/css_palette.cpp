#include "palette/css_palette.h"

#include "palette/palette_text.h"

#include <set>

namespace pelmora {
namespace {

bool IsNameCharacter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c >= 0x80;
}

// The text with each comment replaced by blanks, line ends kept, so offsets and lines stay put.
// nullopt when a comment never ends.
std::optional<std::string> WithoutComments(std::string_view text, std::size_t& unclosedAt)
{
    std::string out(text);
    for (std::size_t start = out.find("/*"); start != std::string::npos; start = out.find("/*", start)) {
        const std::size_t end = out.find("*/", start + 2);
        if (end == std::string::npos) {
            unclosedAt = start;
            return std::nullopt;
        }
        for (std::size_t i = start; i < end + 2; ++i) {
            if (out[i] != '\n' && out[i] != '\r')
                out[i] = ' ';
        }
        start = end + 2;
    }
    return out;
}

} // namespace

std::string CssPropertyName(std::string_view name)
{
    std::string ident;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned char lower
            = (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
        const char kept = IsNameCharacter(lower) ? static_cast<char>(lower) : '-';
        if (kept == '-' && (ident.empty() || ident.back() == '-'))
            continue;
        ident += kept;
    }
    while (!ident.empty() && ident.back() == '-')
        ident.pop_back();
    return ident.empty() ? "color" : ident;
}

std::string WriteCss(const Palette& palette)
{
    std::string out = ":root {\n";
    std::set<std::string> used;
    for (const PaletteEntry& entry : palette.entries) {
        const std::string base = CssPropertyName(entry.name);
        std::string property = base;
        for (int suffix = 2; !used.insert(property).second; ++suffix)
            property = base + "-" + std::to_string(suffix);
        out += "  --" + property + ": " + HexText(entry.color, true) + ";\n";
    }
    out += "}\n";
    return out;
}

PaletteReadResult ReadCss(std::string_view bytes, const ColorReader& reader)
{
    std::string_view checked;
    if (auto error = CheckPaletteText(bytes, checked))
        return {{}, std::move(error)};
    std::size_t unclosedAt = 0;
    const std::optional<std::string> stripped = WithoutComments(checked, unclosedAt);
    if (!stripped)
        return FailAtLine(LineCursor::LineOf(checked, unclosedAt), "a comment '/*' is never closed");
    const std::string_view text = *stripped;

    Palette palette;
    LineCounter lines(text);
    std::size_t depth = 0;
    std::size_t openedAt = 0;
    std::size_t segmentStart = 0;
    constexpr std::size_t kMaxDepth = 32;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '{' && c != '}' && c != ';')
            continue;
        const std::string_view segment = text.substr(segmentStart, i - segmentStart);
        const std::size_t firstNonBlank = segment.find_first_not_of(" \t\f\v\r\n");
        const std::size_t segmentOffset = segmentStart + (firstNonBlank == std::string_view::npos ? 0 : firstNonBlank);
        segmentStart = i + 1;
        if (c == '{') {
            if (depth == kMaxDepth)
                return FailAtLine(LineCursor::LineOf(text, i), "blocks nested deeper than 32");
            if (depth++ == 0)
                openedAt = i;
            continue;
        }
        if (c == '}' && depth == 0)
            return FailAtLine(LineCursor::LineOf(text, i), "a '}' closes no block");
        const std::string_view declaration = TrimBlanks(segment);
        if (depth > 0 && !declaration.empty()) {
            const std::size_t line = lines.lineAt(segmentOffset);
            const std::size_t colon = declaration.find(':');
            if (colon == std::string_view::npos)
                return FailAtLine(line, "expected 'name: colour', found " + Quoted(declaration));
            std::string_view property = TrimBlanks(declaration.substr(0, colon));
            std::string_view value = TrimBlanks(declaration.substr(colon + 1));
            if (value.ends_with("!important"))
                value = TrimBlanks(value.substr(0, value.size() - 10));
            const std::optional<Color> color = reader ? reader(value) : std::nullopt;
            if (!color)
                return FailAtLine(line, Quoted(value) + " is not a colour");
            if (palette.entries.size() == kMaxPaletteColors)
                return FailAtLine(line, "more than " + std::to_string(kMaxPaletteColors) + " colours");
            if (property.starts_with("--"))
                property.remove_prefix(2);
            if (property.size() > kMaxPaletteNameBytes)
                return FailAtLine(line, "the name is longer than " + std::to_string(kMaxPaletteNameBytes) + " bytes");
            palette.entries.push_back({std::string(property), *color});
        }
        if (c == '}')
            --depth;
    }
    if (depth > 0)
        return FailAtLine(LineCursor::LineOf(text, openedAt), "this '{' is never closed");
    return {std::move(palette), std::nullopt};
}

} // namespace pelmora
