#include "color/notation.h"

#include "color/ascii_case.h"
#include "color/code_formats.h"
#include "color/system_colors.h"

#include <array>
#include <charconv>
#include <cstdint>

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
