#include "notations/decimal_text.h"

#include <charconv>
#include <cmath>

namespace pelmora {
namespace {

constexpr std::array<double, 16> kPowersOfTen
    = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int kMostDecimals = 9;

double At(const Triple& t, int i) { return i == 0 ? t.a : (i == 1 ? t.b : t.c); }

} // namespace

void AppendInteger(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

void AppendChannelCall(std::string& out, std::string_view name, Color color, std::string_view separator)
{
    out += name;
    out += '(';
    AppendInteger(out, color.red());
    out += separator;
    AppendInteger(out, color.green());
    out += separator;
    AppendInteger(out, color.blue());
    out += ')';
}

void AppendScaled(std::string& out, std::int64_t scaled, int decimals)
{
    while (decimals > 0 && scaled % 10 == 0) {
        scaled /= 10;
        --decimals;
    }
    if (decimals == 0) {
        AppendInteger(out, scaled);
        return;
    }
    if (scaled < 0)
        out += '-';
    const std::uint64_t magnitude
        = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) {
        out += "0.";
        out.append(fraction - digits.size(), '0');
        out += digits;
    } else {
        out += digits.substr(0, digits.size() - fraction);
        out += '.';
        out += digits.substr(digits.size() - fraction);
    }
}

void AppendFixed(std::string& out, double value, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    // No "-0.000": a negative zero or a value that rounds to zero prints without a sign.
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos)
        text.remove_prefix(1);
    out += text;
}

FractionalText FewestDecimals(const FractionalLayout& layout, Color color)
{
    const Triple exact = layout.components(color);
    FractionalText text;
    for (int common = 0; common <= kMostDecimals; ++common) {
        Triple rounded;
        for (int i = 0; i < 3; ++i) {
            const int decimals = common + layout.extraDecimals[static_cast<std::size_t>(i)];
            const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
            text.decimals[static_cast<std::size_t>(i)] = decimals;
            text.scaled[static_cast<std::size_t>(i)] = static_cast<std::int64_t>(std::nearbyint(At(exact, i) * scale));
        }
        if (layout.hue >= 0 && text.scaled[static_cast<std::size_t>(layout.chroma)] == 0)
            text.scaled[static_cast<std::size_t>(layout.hue)] = 0;
        // Exactly the double that reading the printed digits gives: both are the correctly rounded
        // quotient of two exactly representable numbers.
        const auto value = [&](int i) {
            return static_cast<double>(text.scaled[static_cast<std::size_t>(i)])
                / kPowersOfTen[static_cast<std::size_t>(text.decimals[static_cast<std::size_t>(i)])];
        };
        rounded = {value(0), value(1), value(2)};
        if (layout.color(rounded) == color)
            return text;
    }
    return text;
}

} // namespace pelmora
