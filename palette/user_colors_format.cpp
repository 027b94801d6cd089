#include "palette/user_colors_format.h"

#include "color/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pelmora {
namespace {

// A line's value: its leading number when that is within the 32-bit range, otherwise 0.
Color ColorOfLine(std::string_view line)
{
    const double value = std::nearbyint(Val(line)); // the default rounding mode: halves to even
    if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
        return Color::black();
    return Color(static_cast<std::int32_t>(value));
}

} // namespace

std::string FormatUserColors(const UserColorArray& colors)
{
    std::string text;
    text.reserve(colors.size() * 12);
    char digits[16];
    for (Color color : colors) {
        if (color.value() >= 0)
            text += ' ';
        const auto result = std::to_chars(digits, digits + sizeof digits, color.value());
        text.append(digits, result.ptr);
        text += " \r\n";
    }
    return text;
}

UserColorArray ParseUserColors(std::string_view text)
{
    UserColorArray colors{};
    std::size_t line = 0;
    std::size_t start = 0;
    while (line < colors.size() && start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        colors[line++] = ColorOfLine(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n' && (start == 0 || text[start - 1] == '\r' || end == start))
            ++start;
    }
    return colors;
}

} // namespace pelmora
