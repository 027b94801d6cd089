// Colours as programmers write them in source code: hexadecimal integers, Qt's QColor constructor,
// and three floats from 0 to 1.

#include "notations/notation_parts.h"

#include "notations/color_spaces.h"
#include "notations/decimal_text.h"
#include "notations/text_scanner.h"

namespace pelmora::notation_parts {
namespace {

void AppendHexByte(std::string& out, int byte)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(byte >> 4) & 0xF];
    out += kDigits[byte & 0xF];
}

Color ColorOfRrggbb(std::uint32_t rrggbb)
{
    return RGB(static_cast<int>((rrggbb >> 16) & 0xFF), static_cast<int>((rrggbb >> 8) & 0xFF),
        static_cast<int>(rrggbb & 0xFF));
}

// "0x" and exactly `digits` hexadecimal digits.
ReadResult ReadHexInteger(std::string_view text, std::size_t digits)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.take('0') || !(scan.take('x') || scan.take('X')))
        return scan.expected("'0x'");
    const std::size_t start = scan.offset();
    const std::string_view run = scan.hexRun();
    if (run.size() != digits)
        return scan.failAt(
            start, "expected " + std::to_string(digits) + " hexadecimal digits, found " + std::to_string(run.size()));
    TextScanner digitsScan(run);
    // The alpha byte of 0xAARRGGBB is read and dropped: the colour is opaque.
    return scan.finish(ColorOfRrggbb(*digitsScan.hexDigits(digits)));
}

} // namespace

bool FormatHex0x(Color color, std::string& out)
{
    out += "0x";
    AppendHexByte(out, color.red());
    AppendHexByte(out, color.green());
    AppendHexByte(out, color.blue());
    return true;
}

ReadResult ReadHex0x(std::string_view text) { return ReadHexInteger(text, 6); }

bool FormatAndroid(Color color, std::string& out)
{
    out += "0xFF";
    AppendHexByte(out, color.red());
    AppendHexByte(out, color.green());
    AppendHexByte(out, color.blue());
    return true;
}

ReadResult ReadAndroid(std::string_view text) { return ReadHexInteger(text, 8); }

bool FormatQColor(Color color, std::string& out)
{
    AppendChannelCall(out, "QColor", color, ", ");
    return true;
}

ReadResult ReadQColor(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.takeWord("QColor"))
        return scan.expected("'QColor('");
    ReadResult error;
    const auto color = scan.channelList(true, error);
    return color ? scan.finish(*color) : error;
}

// Three decimals always tell the 256 levels apart (they are 1/255 apart), and lists of floats read
// best with one width, so this notation keeps its trailing zeros.
bool FormatFloats(Color color, std::string& out)
{
    AppendFixed(out, color.red() / 255.0, 3);
    out += ", ";
    AppendFixed(out, color.green() / 255.0, 3);
    out += ", ";
    AppendFixed(out, color.blue() / 255.0, 3);
    return true;
}

ReadResult ReadFloats(std::string_view text)
{
    TextScanner scan(text);
    Triple channels;
    double* slots[3] = {&channels.a, &channels.b, &channels.c};
    for (int i = 0; i < 3; ++i) {
        scan.skipBlanks();
        if (i > 0) {
            if (!scan.take(','))
                return scan.expected("','");
            scan.skipBlanks();
        }
        ReadResult error;
        const auto value = scan.cssValue(error);
        if (!value)
            return error;
        if (value->kind != CssValue::Kind::Number)
            return scan.failAt(value->offset, "expected a plain number 0 to 1");
        if (value->value < 0 || value->value > 1)
            return scan.failAt(value->offset, "number outside 0 to 1");
        *slots[i] = value->value;
    }
    return scan.finish(ColorOfEncoded(channels));
}

} // namespace pelmora::notation_parts
