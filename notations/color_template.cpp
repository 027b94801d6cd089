#include "notations/color_template.h"

#include "notations/color_spaces.h"
#include "notations/decimal_text.h"
#include "notations/read_result.h"

#include <array>

namespace pelmora {
namespace {

using Kind = ColorTemplate::Part::Kind;

struct Placeholder {
    std::string_view name;
    Kind kind;
    bool upperCase;
    int defaultDecimals; // -1: takes no decimals
};

constexpr std::array<Placeholder, 17> kPlaceholders = {{
    {"r", Kind::Red, false, -1},
    {"g", Kind::Green, false, -1},
    {"b", Kind::Blue, false, -1},
    {"rx", Kind::RedHex, false, -1},
    {"gx", Kind::GreenHex, false, -1},
    {"bx", Kind::BlueHex, false, -1},
    {"RX", Kind::RedHex, true, -1},
    {"GX", Kind::GreenHex, true, -1},
    {"BX", Kind::BlueHex, true, -1},
    {"hex", Kind::Hex, false, -1},
    {"HEX", Kind::Hex, true, -1},
    {"rf", Kind::RedFloat, false, 3},
    {"gf", Kind::GreenFloat, false, 3},
    {"bf", Kind::BlueFloat, false, 3},
    {"h", Kind::Hue, false, 0},
    {"s", Kind::Saturation, false, 0},
    {"l", Kind::Lightness, false, 0},
}};
constexpr int kMostDecimals = 6;

void AppendHexByte(std::string& out, int byte, bool upperCase)
{
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    out += digits[(byte >> 4) & 0xF];
    out += digits[byte & 0xF];
}

ColorTemplate::ParseResult ParseFailure(std::string_view pattern, std::size_t offset, std::string_view reason)
{
    const ReadResult failure = ReadResult::Failure(pattern, offset, reason);
    return {std::nullopt, failure.position, failure.message};
}

// The placeholder called `name`, or nullptr when there is none.
const Placeholder* FindPlaceholder(std::string_view name)
{
    static constexpr Placeholder kDecimal = {"decimal", Kind::Decimal, false, -1};
    if (name == kDecimal.name)
        return &kDecimal;
    for (const Placeholder& placeholder : kPlaceholders) {
        if (placeholder.name == name)
            return &placeholder;
    }
    return nullptr;
}

// A placeholder's part, or where in the pattern and why it is not one.
struct PlaceholderReading {
    std::optional<ColorTemplate::Part> part;
    std::size_t failureOffset = 0;
    std::string failureReason;
};

// The placeholder between the braces at `open` and `close`, with its decimals when given.
PlaceholderReading ReadPlaceholder(std::string_view pattern, std::size_t open, std::size_t close)
{
    const std::string_view inside = pattern.substr(open + 1, close - open - 1);
    const std::size_t colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    const Placeholder* found = FindPlaceholder(name);
    if (!found)
        return {std::nullopt, open, "unknown placeholder {" + std::string(name) + "}"};
    int decimals = found->defaultDecimals;
    if (colon != std::string_view::npos) {
        const std::string_view precision = inside.substr(colon + 1);
        const std::size_t precisionOffset = open + 1 + colon + 1;
        if (found->defaultDecimals < 0)
            return {std::nullopt, precisionOffset, "{" + std::string(name) + "} takes no decimals"};
        if (precision.size() != 2 || precision[0] != '.' || precision[1] < '0' || precision[1] > '0' + kMostDecimals)
            return {std::nullopt, precisionOffset, "expected decimals as .0 to .6"};
        decimals = precision[1] - '0';
    }
    return {ColorTemplate::Part{found->kind, found->upperCase, decimals, {}}, 0, {}};
}

} // namespace

ColorTemplate::ParseResult ColorTemplate::Parse(std::string_view pattern)
{
    ColorTemplate compiled;
    std::string text;
    const auto flushText = [&] {
        if (!text.empty())
            compiled.parts_.push_back({Kind::Text, false, 0, std::move(text)});
        text.clear();
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if ((c == '{' || c == '}') && i + 1 < pattern.size() && pattern[i + 1] == c) {
            text += c; // a doubled brace is a literal one
            i += 2;
            continue;
        }
        if (c == '}')
            return ParseFailure(pattern, i, "a lone '}' (write }} for a brace)");
        if (c != '{') {
            text += c;
            ++i;
            continue;
        }
        const std::size_t close = pattern.find('}', i);
        if (close == std::string_view::npos)
            return ParseFailure(pattern, i, "'{' without '}'");
        PlaceholderReading placeholder = ReadPlaceholder(pattern, i, close);
        if (!placeholder.part)
            return ParseFailure(pattern, placeholder.failureOffset, placeholder.failureReason);
        flushText();
        compiled.parts_.push_back(std::move(*placeholder.part));
        i = close + 1;
    }
    flushText();
    return {std::move(compiled), 0, {}};
}

void ColorTemplate::format(Color color, std::string& out) const
{
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    std::optional<Triple> hsl;
    const auto hslOf = [&]() -> const Triple& {
        if (!hsl)
            hsl = SrgbToHsl(EncodedOf(color));
        return *hsl;
    };
    for (const Part& part : parts_) {
        switch (part.kind) {
        case Kind::Text:
            out += part.text;
            break;
        case Kind::Red:
            AppendInteger(out, r);
            break;
        case Kind::Green:
            AppendInteger(out, g);
            break;
        case Kind::Blue:
            AppendInteger(out, b);
            break;
        case Kind::RedHex:
            AppendHexByte(out, r, part.upperCase);
            break;
        case Kind::GreenHex:
            AppendHexByte(out, g, part.upperCase);
            break;
        case Kind::BlueHex:
            AppendHexByte(out, b, part.upperCase);
            break;
        case Kind::Hex:
            AppendHexByte(out, r, part.upperCase);
            AppendHexByte(out, g, part.upperCase);
            AppendHexByte(out, b, part.upperCase);
            break;
        case Kind::RedFloat:
            AppendFixed(out, r / 255.0, part.decimals);
            break;
        case Kind::GreenFloat:
            AppendFixed(out, g / 255.0, part.decimals);
            break;
        case Kind::BlueFloat:
            AppendFixed(out, b / 255.0, part.decimals);
            break;
        case Kind::Hue:
            AppendFixed(out, hslOf().a, part.decimals);
            break;
        case Kind::Saturation:
            AppendFixed(out, hslOf().b, part.decimals);
            break;
        case Kind::Lightness:
            AppendFixed(out, hslOf().c, part.decimals);
            break;
        case Kind::Decimal:
            AppendInteger(out, r + 256 * g + 65536 * b);
            break;
        }
    }
}

std::string ColorTemplate::format(Color color) const
{
    std::string out;
    format(color, out);
    return out;
}

} // namespace pelmora
