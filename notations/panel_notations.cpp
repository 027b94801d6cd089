// The four codes of the output panel: formatted by the panel's own code builders, read strictly in
// the form the panel prints (case aside).

#include "notations/notation_parts.h"
#include "notations/panel_codes.h"

#include "color/ascii_case.h"
#include "color/code_formats.h"
#include "color/system_colors.h"
#include "notations/text_scanner.h"

#include <array>
#include <charconv>
#include <cstdint>

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

namespace pelmora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

// The whole of `s` as an unsigned number in `base`, nothing else allowed.
template <typename Int> std::optional<Int> WholeNumber(std::string_view s, int base = 10)
{
    if (s.empty() || s.front() == '-' || s.front() == '+')
        return std::nullopt;
    Int value{};
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<Color> ParseDecimal(std::string_view s)
{
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '+' || negative))
        s.remove_prefix(1);
    const auto magnitude = WholeNumber<std::uint32_t>(s);
    if (!magnitude)
        return std::nullopt;
    if (negative) {
        if (*magnitude > 0x80000000u)
            return std::nullopt;
        return Color(static_cast<std::int32_t>(-static_cast<std::int64_t>(*magnitude)));
    }
    if (*magnitude > 0x7FFFFFFFu)
        return std::nullopt;
    return Color(static_cast<std::int32_t>(*magnitude));
}

std::optional<Color> ParseHtml(std::string_view digits)
{
    if (digits.size() != 6)
        return std::nullopt;
    const auto rrggbb = WholeNumber<std::uint32_t>(digits, 16);
    if (!rrggbb)
        return std::nullopt;
    return RGB(
        static_cast<int>(*rrggbb >> 16), static_cast<int>((*rrggbb >> 8) & 0xFF), static_cast<int>(*rrggbb & 0xFF));
}

std::optional<Color> ParseHexLiteral(std::string_view digits)
{
    if (!digits.empty() && digits.back() == '&')
        digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    const auto bits = WholeNumber<std::uint32_t>(digits, 16);
    if (!bits)
        return std::nullopt;
    return Color(static_cast<std::int32_t>(*bits));
}

// "name(" arguments ")" with blanks tolerated around every part; returns the argument text.
std::optional<std::string_view> CallArguments(std::string_view s, std::string_view name)
{
    if (!StartsWithIgnoringCase(s, name))
        return std::nullopt;
    s = Trim(s.substr(name.size()));
    if (s.size() < 2 || s.front() != '(' || s.back() != ')')
        return std::nullopt;
    return s.substr(1, s.size() - 2);
}

std::optional<int> Channel(std::string_view s)
{
    const auto value = WholeNumber<int>(Trim(s));
    if (!value || *value > 255)
        return std::nullopt;
    return *value;
}

std::optional<Color> ParseRgbCall(std::string_view s)
{
    const auto args = CallArguments(s, "RGB");
    if (!args)
        return std::nullopt;
    std::array<int, 3> channels{};
    std::string_view rest = *args;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const std::size_t comma = rest.find(',');
        const bool last = i + 1 == channels.size();
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        const auto channel = Channel(rest.substr(0, comma));
        if (!channel)
            return std::nullopt;
        channels[i] = *channel;
        rest = last ? std::string_view() : rest.substr(comma + 1);
    }
    return RGB(channels[0], channels[1], channels[2]);
}

std::optional<Color> ParseQBColorCall(std::string_view s)
{
    const auto args = CallArguments(s, "QBColor");
    if (!args)
        return std::nullopt;
    const auto n = WholeNumber<int>(Trim(*args));
    if (!n || *n > 15)
        return std::nullopt;
    return QBColorTable[static_cast<std::size_t>(*n)];
}

std::optional<Color> ParseConstantName(std::string_view s)
{
    // Every constant is "vb..."; a pasted sentence is turned away without comparing all of them.
    if (!StartsWithIgnoringCase(s, "vb"))
        return std::nullopt;
    for (std::size_t n = 0; n < QBColorConstantNames.size(); ++n)
        if (QBColorConstantNames[n] != "N/A" && EqualsIgnoringCase(s, QBColorConstantNames[n]))
            return QBColorTable[n];
    for (int i = 0; i < kSysColorCount; ++i)
        if (EqualsIgnoringCase(s, SysColorNames[static_cast<std::size_t>(i)]))
            return Color::systemCode(i);
    return std::nullopt;
}

} // namespace

std::optional<Color> ParseColorNotation(std::string_view text)
{
    const std::string_view s = Trim(text);
    if (s.empty())
        return std::nullopt;
    if (s.front() == '#')
        return ParseHtml(s.substr(1));
    if (StartsWithIgnoringCase(s, "&H"))
        return ParseHexLiteral(s.substr(2));
    if (s.front() == '-' || s.front() == '+' || (s.front() >= '0' && s.front() <= '9'))
        return ParseDecimal(s);
    if (auto rgb = ParseRgbCall(s))
        return rgb;
    if (auto qb = ParseQBColorCall(s))
        return qb;
    return ParseConstantName(s);
}

} // namespace pelmora
