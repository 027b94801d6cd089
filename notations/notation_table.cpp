#include "notations/notation_table.h"

#include "notations/notation_parts.h"
#include "notations/text_scanner.h"

#include <array>

namespace pelmora {
namespace {

using namespace notation_parts;

constexpr std::array<Notation, 20> kNotations = {{
    {"rgb-call", "RGB(r, g, b)", FormatRgbCall, ReadRgbCall},
    {"decimal", "Decimal", FormatDecimal, ReadDecimal},
    {"html", "HTML #RRGGBB", FormatHtml, ReadHtml},
    {"hex-literal", "&HBBGGRR&", FormatHexLiteral, ReadHexLiteral},
    {"css-hex", "CSS #rrggbb", FormatCssHex, ReadCssHex},
    {"css-rgb", "CSS rgb()", FormatCssRgb, ReadCssRgb},
    {"css-rgb-legacy", "CSS rgb() with commas", FormatCssRgbLegacy, ReadCssRgb},
    {"hsl", "CSS hsl()", FormatHsl, ReadHsl},
    {"hwb", "CSS hwb()", FormatHwb, ReadHwb},
    {"lab", "CSS lab()", FormatLab, ReadLab},
    {"lch", "CSS lch()", FormatLch, ReadLch},
    {"oklab", "CSS oklab()", FormatOklab, ReadOklab},
    {"oklch", "CSS oklch()", FormatOklch, ReadOklch},
    {"color-srgb", "CSS color(srgb)", FormatColorSrgb, ReadColorFunction},
    {"display-p3", "CSS color(display-p3)", FormatColorDisplayP3, ReadColorFunction},
    {"css-name", "CSS name", FormatCssName, ReadCssName},
    {"hex-0x", "0xRRGGBB", FormatHex0x, ReadHex0x},
    {"android", "Android 0xAARRGGBB", FormatAndroid, ReadAndroid},
    {"qcolor", "Qt QColor(r, g, b)", FormatQColor, ReadQColor},
    {"floats", "Floats 0 to 1", FormatFloats, ReadFloats},
}};

} // namespace

std::span<const Notation> BuiltInNotations() { return kNotations; }

const Notation* FindNotation(std::string_view name)
{
    for (const Notation& notation : kNotations)
        if (EqualsIgnoringCase(notation.name, name))
            return &notation;
    return nullptr;
}

std::optional<std::string> FormatIn(const Notation& notation, Color color)
{
    std::string text;
    if (!notation.format(color, text))
        return std::nullopt;
    return text;
}

} // namespace pelmora
