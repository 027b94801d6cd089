#include "color/code_formats.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace pelmora {

const std::array<Color, 16> QBColorTable = {
    Color(0x000000),
    Color(0x800000),
    Color(0x008000),
    Color(0x808000),
    Color(0x000080),
    Color(0x800080),
    Color(0x008080),
    Color(0xC0C0C0),
    Color(0x808080),
    Color(0xFF0000),
    Color(0x00FF00),
    Color(0xFFFF00),
    Color(0x0000FF),
    Color(0xFF00FF),
    Color(0x00FFFF),
    Color(0xFFFFFF),
};

const std::array<std::string_view, 16> QBColorConstantNames = {
    "vbBlack",
    "N/A",
    "N/A",
    "N/A",
    "N/A",
    "N/A",
    "N/A",
    "N/A",
    "N/A",
    "vbBlue",
    "vbGreen",
    "vbCyan",
    "vbRed",
    "vbMagenta",
    "vbYellow",
    "vbWhite",
};

namespace {

constexpr std::string_view kNotAvailable = "N/A";

// Upper-case hexadecimal digits of the bit pattern, no leading zeros ("0" for 0).
std::string_view HexDigits(std::uint32_t bits, char (&buffer)[8])
{
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, bits, 16).ptr;
    for (char* p = buffer; p != end; ++p)
        if (*p >= 'a' && *p <= 'f')
            *p = static_cast<char>(*p - 'a' + 'A');
    return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

void AppendDecimal(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

} // namespace

std::optional<int> QBColorIndexOf(Color color)
{
    for (int n = 0; n < 16; ++n)
        if (QBColorTable[static_cast<std::size_t>(n)] == color)
            return n;
    return std::nullopt;
}

Color GetSysColorCode(Color color, const SystemColors& systemColors)
{
    if (color.value() < 0)
        return color;
    for (int i = 0; i < kSysColorCount; ++i)
        if (systemColors.GetSysColor(i) == color)
            return Color::systemCode(i);
    return Color::none();
}

std::string GetHexVal(std::int16_t r, std::int16_t g, std::int16_t b)
{
    std::string hex;
    hex.reserve(12);
    for (const std::int16_t channel : {r, g, b}) {
        char buffer[8];
        const std::string_view digits = HexDigits(static_cast<std::uint16_t>(channel), buffer);
        if (digits.size() == 1)
            hex += '0';
        hex += digits;
    }
    return hex;
}

void AppendRgbCall(std::string& out, Color v)
{
    out += "RGB(";
    AppendDecimal(out, v.red());
    out += ", ";
    AppendDecimal(out, v.green());
    out += ", ";
    AppendDecimal(out, v.blue());
    out += ')';
}

void AppendDecimalValue(std::string& out, Color v) { AppendDecimal(out, v.value()); }

void AppendHexLiteral(std::string& out, Color v)
{
    char buffer[8];
    const std::string_view digits = HexDigits(static_cast<std::uint32_t>(v.value()), buffer);
    out += "&H";
    if (digits.size() < 6)
        out.append(6 - digits.size(), '0');
    out += digits;
    out += '&';
}

void AppendHtmlColor(std::string& out, Color v)
{
    char buffer[8];
    const std::string_view digits = HexDigits(static_cast<std::uint32_t>(v.value()), buffer);
    char padded[8];
    const std::size_t padding = digits.size() < 6 ? 6 - digits.size() : 0;
    std::fill_n(padded, padding, '0');
    std::copy(digits.begin(), digits.end(), padded + padding);
    // Characters taken by position from the padded hex text, whatever its length (6 to 8):
    // for BBGGRR this is RRGGBB.
    const std::string_view h(padded, padding + digits.size());
    out += '#';
    out += h.substr(h.size() - 2);
    out += h.substr(2, 2);
    out += h.substr(0, 2);
}

ColorCodes InitialColorCodes()
{
    ColorCodes codes;
    codes.text = {"vbConst", "QBColor(15)", "RGB(255, 255, 255)", "16777215", "#FFFF00", "&H00FFFF&", "vbButtonFace",
        "&H8000000F&"};
    for (int i = 0; i < kCodeFieldCount; ++i)
        codes.enabled[static_cast<std::size_t>(i)]
            = codes.text[static_cast<std::size_t>(i)].find(kNotAvailable) == std::string::npos;
    codes.sysColorSelection = -1;
    return codes;
}

void WriteColorCodes(Color current, const SystemColors& systemColors, ColorCodes& codes)
{
    auto& text = codes.text;
    char hexBuffer[8];

    const Color systemCode = GetSysColorCode(current, systemColors);
    Color v = current;
    if (systemCode.value() < -1) {
        const int element = systemCode.value() & 255;
        // A negative value whose low byte names no display element (&H800000FF, -2, ...) has no
        // name and no list entry; it is described as the colour the desktop gives unknown
        // elements (black).
        if (element < kSysColorCount) {
            codes.sysColorSelection = element;
            text[kFieldSystemName] = SysColorNames[static_cast<std::size_t>(element)];
        } else {
            codes.sysColorSelection = -1;
            text[kFieldSystemName] = kNotAvailable;
        }
        auto& code = text[kFieldSystemCode];
        code.assign("&H");
        code += HexDigits(static_cast<std::uint32_t>(systemCode.value()), hexBuffer);
        code += '&';
        v = systemColors.GetSysColor(element);
    } else {
        codes.sysColorSelection = -1;
        text[kFieldSystemName] = kNotAvailable;
        text[kFieldSystemCode] = kNotAvailable;
    }

    if (const auto n = QBColorIndexOf(v)) {
        text[kFieldConstant] = QBColorConstantNames[static_cast<std::size_t>(*n)];
        auto& qb = text[kFieldQBColor];
        qb.assign("QBColor(");
        AppendDecimal(qb, *n);
        qb += ')';
    } else {
        text[kFieldConstant] = kNotAvailable;
        text[kFieldQBColor] = "QBColor(N/A)";
    }

    text[kFieldRgb].clear();
    AppendRgbCall(text[kFieldRgb], v);
    text[kFieldDecimal].clear();
    AppendDecimalValue(text[kFieldDecimal], v);
    text[kFieldHex].clear();
    AppendHexLiteral(text[kFieldHex], v);
    text[kFieldHtml].clear();
    AppendHtmlColor(text[kFieldHtml], v);

    for (int i = 0; i < kCodeFieldCount; ++i)
        codes.enabled[static_cast<std::size_t>(i)]
            = text[static_cast<std::size_t>(i)].find(kNotAvailable) == std::string::npos;
}

ColorCodes MakeColorCodes(Color current, const SystemColors& systemColors)
{
    ColorCodes codes;
    WriteColorCodes(current, systemColors, codes);
    return codes;
}

} // namespace pelmora
