#pragma once
// User templates: a text with placeholders that a colour fills in, such as "{r}, {g}, {b}" or
// "Color({rf:.3}f, {gf:.3}f, {bf:.3}f)".
//
// Placeholders (names are case-sensitive):
//   {r} {g} {b}        channels 0..255
//   {rx} {gx} {bx}     channels as two hexadecimal digits, lower case; {RX} {GX} {BX} upper case
//   {hex} {HEX}        rrggbb / RRGGBB
//   {rf} {gf} {bf}     channels 0..1, three decimals unless given: {rf:.2}
//   {h} {s} {l}        CSS hsl(): hue in degrees, saturation and lightness in percent, whole
//                      numbers unless given: {h:.1}
//   {decimal}          the decimal colour value, r + 256 g + 65536 b
//   {{ and }}          a literal brace
// Decimals go from 0 to 6, and only the fractional placeholders take them.

#include "color/color.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// A user's named template as the settings keep it.
struct UserTemplate {
    std::string name;
    std::string pattern;
    friend bool operator==(const UserTemplate&, const UserTemplate&) = default;
};

class ColorTemplate {
public:
    struct Part {
        enum class Kind {
            Text,
            Red,
            Green,
            Blue,
            RedHex,
            GreenHex,
            BlueHex,
            Hex,
            RedFloat,
            GreenFloat,
            BlueFloat,
            Hue,
            Saturation,
            Lightness,
            Decimal
        };
        Kind kind = Kind::Text;
        bool upperCase = false;
        int decimals = 0;
        std::string text; // for Text
    };

    struct ParseResult;
    // The template of `pattern`, or where and why it cannot be one.
    static ParseResult Parse(std::string_view pattern);

    void format(Color color, std::string& out) const;
    std::string format(Color color) const;

private:
    std::vector<Part> parts_;
};

struct ColorTemplate::ParseResult {
    std::optional<ColorTemplate> result;
    std::size_t position = 0; // character counted from 1, when there is no template
    std::string message; // "unknown placeholder {x} at position 4"
};

} // namespace pelmora
