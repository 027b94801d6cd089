// The four codes of the output panel: formatted by the panel's own code builders, read strictly in
// the form the panel prints (case aside).

#include "notations/notation_parts.h"

#include "color/code_formats.h"
#include "notations/text_scanner.h"

namespace pelmora::notation_parts {
namespace {

Color Rgb24(Color color) { return RGB(color.red(), color.green(), color.blue()); }

} // namespace

bool FormatRgbCall(Color color, std::string& out)
{
    AppendRgbCall(out, Rgb24(color));
    return true;
}

ReadResult ReadRgbCall(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.takeWord("RGB"))
        return scan.expected("'RGB('");
    ReadResult error;
    const auto color = scan.channelList(false, error);
    return color ? scan.finish(*color) : error;
}

bool FormatDecimal(Color color, std::string& out)
{
    AppendDecimalValue(out, Rgb24(color));
    return true;
}

ReadResult ReadDecimal(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    const std::size_t start = scan.offset();
    const auto value = scan.integer();
    if (!value)
        return scan.expected("a decimal colour value 0 to 16777215");
    if (*value > 0xFFFFFF)
        return scan.failAt(start, "decimal colour value above 16777215");
    return scan.finish(Color(*value));
}

bool FormatHexLiteral(Color color, std::string& out)
{
    AppendHexLiteral(out, Rgb24(color));
    return true;
}

ReadResult ReadHexLiteral(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.take('&') || !(scan.take('H') || scan.take('h')))
        return scan.expected("'&H'");
    const std::size_t start = scan.offset();
    const std::string_view digits = scan.hexRun();
    if (digits.empty() || digits.size() > 8)
        return scan.failAt(start, "expected 1 to 8 hexadecimal digits");
    std::uint32_t value = 0;
    for (const char c : digits)
        value = value * 16 + static_cast<std::uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    if (value > 0xFFFFFF)
        return scan.failAt(start, "not an RGB colour (more than BBGGRR)");
    scan.take('&');
    return scan.finish(Color(static_cast<std::int32_t>(value)));
}

bool FormatHtml(Color color, std::string& out)
{
    AppendHtmlColor(out, Rgb24(color));
    return true;
}

ReadResult ReadHtml(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.take('#'))
        return scan.expected("'#'");
    const auto rrggbb = scan.hexDigits(6);
    if (!rrggbb)
        return scan.expected("6 hexadecimal digits");
    return scan.finish(RGB(
        static_cast<int>(*rrggbb >> 16), static_cast<int>((*rrggbb >> 8) & 0xFF), static_cast<int>(*rrggbb & 0xFF)));
}

} // namespace pelmora::notation_parts
