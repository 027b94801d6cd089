// CSS Color 4 notations. Reading follows CSS: function names, units and keywords in any case, `none`
// for a missing component (it counts as 0), the modern space-separated syntax with an optional
// "/ alpha", the legacy comma syntax where CSS has one (rgb(), rgba(), hsl(), hsla()); alpha is read
// and dropped since colours here are opaque.
//
// Out of gamut: the channels of rgb(), hsl() and hwb() are clamped while reading, as CSS does; a
// colour of lab(), lch(), oklab(), oklch() or color() that falls outside sRGB is gamut-mapped as CSS
// Color 4 maps it (gamut_mapping.h) and the result says so. Lightness is clamped to its range and
// chroma to zero or more while reading, as CSS does.

#include "notations/notation_parts.h"

#include "color/rounding.h"
#include "notations/color_spaces.h"
#include "notations/decimal_text.h"
#include "notations/gamut_mapping.h"
#include "notations/named_colors.h"
#include "notations/text_scanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace pelmora::notation_parts {
namespace {

using Kind = CssValue::Kind;

// ---- Reading -------------------------------------------------------------------------------------

struct Arguments {
    std::array<CssValue, 3> values;
    bool legacy = false;
};

// name "(" three values [alpha] ")" and nothing after it. `names` are the accepted function names.
std::optional<Arguments> ReadFunction(
    TextScanner& scan, std::initializer_list<std::string_view> names, bool legacyAllowed, ReadResult& error)
{
    scan.skipBlanks();
    const std::size_t start = scan.offset();
    const std::string_view name = scan.word();
    if (std::none_of(names.begin(), names.end(), [&](std::string_view n) { return EqualsIgnoringCase(n, name); })) {
        error = scan.failAt(start, "expected '" + std::string(*names.begin()) + "('");
        return std::nullopt;
    }
    if (!scan.take('(')) {
        error = scan.expected("'('");
        return std::nullopt;
    }
    Arguments arguments;
    const auto readValue = [&](CssValue& value) {
        scan.skipBlanks();
        const auto read = scan.cssValue(error);
        if (read)
            value = *read;
        return read.has_value();
    };
    if (!readValue(arguments.values[0]))
        return std::nullopt;
    scan.skipBlanks();
    arguments.legacy = legacyAllowed && scan.peek() == ',';
    for (std::size_t i = 1; i < 3; ++i) {
        scan.skipBlanks();
        if (arguments.legacy && !scan.take(',')) {
            error = scan.expected("','");
            return std::nullopt;
        }
        if (!readValue(arguments.values[i]))
            return std::nullopt;
    }
    scan.skipBlanks();
    if (arguments.legacy ? scan.take(',') : scan.take('/')) {
        CssValue alpha;
        if (!readValue(alpha))
            return std::nullopt;
        if (alpha.kind == Kind::Dimension || (arguments.legacy && alpha.kind == Kind::None)) {
            error = scan.failAt(alpha.offset, "expected an alpha value");
            return std::nullopt;
        }
        scan.skipBlanks();
    }
    if (!scan.take(')')) {
        error = scan.expected(arguments.legacy ? "')'" : "')' or '/'");
        return std::nullopt;
    }
    if (arguments.legacy) {
        for (const CssValue& value : arguments.values)
            if (value.kind == Kind::None) {
                error = scan.failAt(value.offset, "none is not allowed with commas");
                return std::nullopt;
            }
    }
    return arguments;
}

// A value must be one of the kinds a component accepts.
bool Accepts(const CssValue& value, bool number, bool percentage, ReadResult& error, const TextScanner& scan)
{
    if (value.kind == Kind::None || (number && value.kind == Kind::Number)
        || (percentage && value.kind == Kind::Percentage))
        return true;
    if (value.kind == Kind::Dimension)
        error = scan.failAt(value.offset, "unexpected unit '" + std::string(value.unit) + "'");
    else
        error = scan.failAt(value.offset,
            percentage ? (number ? "expected a number or a percentage" : "expected a percentage")
                       : "expected a number");
    return false;
}

// A number (or percentage) where 100% stands for `fullScale`.
std::optional<double> Scaled(
    const CssValue& value, double fullScale, bool numberAllowed, ReadResult& error, const TextScanner& scan)
{
    if (!Accepts(value, numberAllowed, true, error, scan))
        return std::nullopt;
    if (value.kind == Kind::None)
        return 0.0;
    return value.kind == Kind::Percentage ? value.value * fullScale / 100 : value.value;
}

// A hue: a number of degrees or an angle with its unit.
std::optional<double> Hue(const CssValue& value, ReadResult& error, const TextScanner& scan)
{
    switch (value.kind) {
    case Kind::None:
        return 0.0;
    case Kind::Number:
        return value.value;
    case Kind::Dimension:
        if (EqualsIgnoringCase(value.unit, "deg"))
            return value.value;
        if (EqualsIgnoringCase(value.unit, "grad"))
            return value.value * 360 / 400;
        if (EqualsIgnoringCase(value.unit, "rad"))
            return value.value * 180 / std::numbers::pi;
        if (EqualsIgnoringCase(value.unit, "turn"))
            return value.value * 360;
        error = scan.failAt(value.offset, "unknown angle unit '" + std::string(value.unit) + "'");
        return std::nullopt;
    case Kind::Percentage:
        break;
    }
    error = scan.failAt(value.offset, "expected a hue (a number or an angle)");
    return std::nullopt;
}

// Reads one of the three-component functions below into the units its formatter prints.
struct ComponentRule {
    enum class Type { Hue, Scaled };
    Type type = Type::Scaled;
    double fullScale = 100; // what 100% means, in the printed units
    double numberScale = 1; // what a plain number is multiplied by to reach the printed units
    double lowest = -HUGE_VAL;
    double highest = HUGE_VAL;
};

ReadResult ReadComponents(std::string_view text, std::initializer_list<std::string_view> names,
    const std::array<ComponentRule, 3>& rules, bool legacyAllowed, MappedColor (*toColor)(Triple))
{
    TextScanner scan(text);
    ReadResult error;
    const auto arguments = ReadFunction(scan, names, legacyAllowed, error);
    if (!arguments)
        return error;
    std::array<double, 3> printed{};
    for (std::size_t i = 0; i < 3; ++i) {
        const ComponentRule& rule = rules[i];
        const CssValue& value = arguments->values[i];
        std::optional<double> component;
        if (rule.type == ComponentRule::Type::Hue) {
            component = Hue(value, error, scan);
        } else if (arguments->legacy && value.kind != Kind::Percentage) {
            // The comma syntax of hsl() takes percentages only.
            error = scan.failAt(value.offset, "expected a percentage");
        } else {
            component = Scaled(value, rule.fullScale, true, error, scan);
            if (component && value.kind == Kind::Number)
                *component *= rule.numberScale;
        }
        if (!component)
            return error;
        printed[i] = std::clamp(*component, rule.lowest, rule.highest);
    }
    const MappedColor color = toColor({printed[0], printed[1], printed[2]});
    return scan.finish(color.color, color.mapped);
}

// ---- Formatting ---------------------------------------------------------------------------------

void AppendFractional(std::string& out, std::string_view open, const FractionalLayout& layout, Color color,
    const std::array<std::string_view, 3>& suffixes)
{
    const FractionalText text = FewestDecimals(layout, color);
    out += open;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0)
            out += ' ';
        AppendScaled(out, text.scaled[i], text.decimals[i]);
        out += suffixes[i];
    }
    out += ')';
}

Color Rgb24(Color color) { return RGB(color.red(), color.green(), color.blue()); }

// Components in the printed units and back. Reading and the formatters' search share the way back,
// so what a formatter accepts is what reading its text gives.
Triple AsPrinted(Triple components) { return components; }
// OKLab's lightness is printed as a percentage.
Triple OkLightnessAsPercent(Triple oklab) { return {oklab.a * 100, oklab.b, oklab.c}; }
Triple OkLightnessFromPercent(Triple printed) { return {printed.a / 100, printed.b, printed.c}; }

template <CssSpace space, Triple (*fromPrinted)(Triple) = AsPrinted> MappedColor MappedFrom(Triple printed)
{
    return ToSrgbColor(fromPrinted(printed), space);
}
template <CssSpace space, Triple (*fromPrinted)(Triple) = AsPrinted> Color ColorFrom(Triple printed)
{
    return MappedFrom<space, fromPrinted>(printed).color;
}
template <CssSpace space, Triple (*toPrinted)(Triple) = AsPrinted> Triple PrintedOf(Color color)
{
    return toPrinted(ConvertColor(LinearOf(color), CssSpace::SrgbLinear, space));
}

// The formatters print 0 for a powerless hue (CSS would print none).
Triple HslOf(Color color) { return SrgbToHsl(EncodedOf(color)); }
Triple HwbOf(Color color) { return SrgbToHwb(EncodedOf(color)); }
Triple LabOf(Color color) { return PrintedOf<CssSpace::Lab>(color); }
Triple LchOf(Color color) { return RectangularToPolar(LabOf(color)); }
Triple OklabOf(Color color) { return PrintedOf<CssSpace::Oklab, OkLightnessAsPercent>(color); }
Triple OklchOf(Color color) { return RectangularToPolar(OklabOf(color)); }

constexpr auto ColorOfHsl = ColorFrom<CssSpace::Hsl>;
constexpr auto ColorOfHwb = ColorFrom<CssSpace::Hwb>;
constexpr auto ColorOfLab = ColorFrom<CssSpace::Lab>;
constexpr auto ColorOfLch = ColorFrom<CssSpace::Lch>;
constexpr auto ColorOfOklab = ColorFrom<CssSpace::Oklab, OkLightnessFromPercent>;
constexpr auto ColorOfOklch = ColorFrom<CssSpace::Oklch, OkLightnessFromPercent>;
constexpr auto ColorOfSrgb = ColorFrom<CssSpace::Srgb>;

constexpr FractionalLayout kHslLayout{{0, 0, 0}, 0, 1, HslOf, ColorOfHsl};
constexpr FractionalLayout kHwbLayout{{0, 0, 0}, -1, -1, HwbOf, ColorOfHwb};
constexpr FractionalLayout kLabLayout{{0, 0, 0}, -1, -1, LabOf, ColorOfLab};
constexpr FractionalLayout kLchLayout{{0, 0, 0}, 2, 1, LchOf, ColorOfLch};
// a, b and chroma are about a hundredth of the lightness percentage's scale.
constexpr FractionalLayout kOklabLayout{{0, 2, 2}, -1, -1, OklabOf, ColorOfOklab};
constexpr FractionalLayout kOklchLayout{{0, 2, 0}, 2, 1, OklchOf, ColorOfOklch};
constexpr FractionalLayout kSrgbLayout{{0, 0, 0}, -1, -1, EncodedOf, ColorOfSrgb};
constexpr FractionalLayout kDisplayP3Layout{
    {0, 0, 0}, -1, -1, PrintedOf<CssSpace::DisplayP3>, ColorFrom<CssSpace::DisplayP3>};

using Rule = ComponentRule;
constexpr Rule kHueRule{Rule::Type::Hue};
constexpr Rule kPercentRule{Rule::Type::Scaled, 100, 1, 0, 100};

} // namespace

bool FormatCssHex(Color color, std::string& out)
{
    constexpr char kDigits[] = "0123456789abcdef";
    out += '#';
    for (const int channel : {color.red(), color.green(), color.blue()}) {
        out += kDigits[channel >> 4];
        out += kDigits[channel & 0xF];
    }
    return true;
}

ReadResult ReadCssHex(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.take('#'))
        return scan.expected("'#'");
    const std::size_t start = scan.offset();
    const std::string_view digits = scan.hexRun();
    const auto digit = [&](std::size_t i) {
        const char c = digits[i];
        return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    };
    // #rgb and #rgba repeat each digit; #rrggbbaa and #rgba carry an alpha that is dropped.
    switch (digits.size()) {
    case 3:
    case 4:
        return scan.finish(RGB(digit(0) * 17, digit(1) * 17, digit(2) * 17));
    case 6:
    case 8:
        return scan.finish(RGB(digit(0) * 16 + digit(1), digit(2) * 16 + digit(3), digit(4) * 16 + digit(5)));
    default:
        return scan.failAt(start, "expected 3, 4, 6 or 8 hexadecimal digits, found " + std::to_string(digits.size()));
    }
}

bool FormatCssRgb(Color color, std::string& out)
{
    AppendChannelCall(out, "rgb", color, " ");
    return true;
}

bool FormatCssRgbLegacy(Color color, std::string& out)
{
    AppendChannelCall(out, "rgb", color, ", ");
    return true;
}

ReadResult ReadCssRgb(std::string_view text)
{
    TextScanner scan(text);
    ReadResult error;
    const auto arguments = ReadFunction(scan, {"rgb", "rgba"}, true, error);
    if (!arguments)
        return error;
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const CssValue& value = arguments->values[i];
        // The comma syntax wants all numbers or all percentages.
        if (arguments->legacy && value.kind != arguments->values[0].kind)
            return scan.failAt(value.offset,
                arguments->values[0].kind == Kind::Percentage ? "expected a percentage like the first value"
                                                              : "expected a number like the first value");
        const auto channel = Scaled(value, 255, true, error, scan);
        if (!channel)
            return error;
        channels[i] = std::clamp(HalfUpNearest(*channel), 0, 255);
    }
    return scan.finish(RGB(channels[0], channels[1], channels[2]));
}

bool FormatHsl(Color color, std::string& out)
{
    AppendFractional(out, "hsl(", kHslLayout, Rgb24(color), {"", "%", "%"});
    return true;
}

ReadResult ReadHsl(std::string_view text)
{
    return ReadComponents(
        text, {"hsl", "hsla"}, {kHueRule, kPercentRule, kPercentRule}, true, MappedFrom<CssSpace::Hsl>);
}

bool FormatHwb(Color color, std::string& out)
{
    AppendFractional(out, "hwb(", kHwbLayout, Rgb24(color), {"", "%", "%"});
    return true;
}

ReadResult ReadHwb(std::string_view text)
{
    return ReadComponents(text, {"hwb"}, {kHueRule, kPercentRule, kPercentRule}, false, MappedFrom<CssSpace::Hwb>);
}

bool FormatLab(Color color, std::string& out)
{
    AppendFractional(out, "lab(", kLabLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadLab(std::string_view text)
{
    constexpr Rule kAxis{Rule::Type::Scaled, 125};
    return ReadComponents(text, {"lab"}, {kPercentRule, kAxis, kAxis}, false, MappedFrom<CssSpace::Lab>);
}

bool FormatLch(Color color, std::string& out)
{
    AppendFractional(out, "lch(", kLchLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadLch(std::string_view text)
{
    constexpr Rule kChroma{Rule::Type::Scaled, 150, 1, 0};
    return ReadComponents(text, {"lch"}, {kPercentRule, kChroma, kHueRule}, false, MappedFrom<CssSpace::Lch>);
}

bool FormatOklab(Color color, std::string& out)
{
    AppendFractional(out, "oklab(", kOklabLayout, Rgb24(color), {"%", "", ""});
    return true;
}

// OKLab's lightness is a number 0..1 or a percentage; it is carried as a percentage.
constexpr Rule kOkLightness{Rule::Type::Scaled, 100, 100, 0, 100};

ReadResult ReadOklab(std::string_view text)
{
    constexpr Rule kAxis{Rule::Type::Scaled, 0.4};
    return ReadComponents(
        text, {"oklab"}, {kOkLightness, kAxis, kAxis}, false, MappedFrom<CssSpace::Oklab, OkLightnessFromPercent>);
}

bool FormatOklch(Color color, std::string& out)
{
    AppendFractional(out, "oklch(", kOklchLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadOklch(std::string_view text)
{
    constexpr Rule kChroma{Rule::Type::Scaled, 0.4, 1, 0};
    return ReadComponents(
        text, {"oklch"}, {kOkLightness, kChroma, kHueRule}, false, MappedFrom<CssSpace::Oklch, OkLightnessFromPercent>);
}

bool FormatColorSrgb(Color color, std::string& out)
{
    AppendFractional(out, "color(srgb ", kSrgbLayout, Rgb24(color), {"", "", ""});
    return true;
}

bool FormatColorDisplayP3(Color color, std::string& out)
{
    AppendFractional(out, "color(display-p3 ", kDisplayP3Layout, Rgb24(color), {"", "", ""});
    return true;
}

// color(SPACE c1 c2 c3 [/ alpha]) in any RGB or XYZ space CSS Color 4 predefines; 100% is 1.
ReadResult ReadColorFunction(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (!scan.takeWord("color"))
        return scan.expected("'color('");
    if (!scan.take('('))
        return scan.expected("'('");
    scan.skipBlanks();
    const std::size_t spaceStart = scan.offset();
    const std::string_view spaceName = scan.word();
    const auto space = CssSpaceNamed(spaceName);
    if (!space || !IsPredefinedRgbOrXyz(*space))
        return scan.failAt(spaceStart,
            spaceName.empty() ? "expected a colour space"
                              : "'" + std::string(spaceName) + "' is not a colour space of color()");
    Triple channels;
    double* slots[3] = {&channels.a, &channels.b, &channels.c};
    ReadResult error;
    for (double* slot : slots) {
        scan.skipBlanks();
        const auto value = scan.cssValue(error);
        if (!value)
            return error;
        const auto channel = Scaled(*value, 1, true, error, scan);
        if (!channel)
            return error;
        *slot = *channel;
    }
    scan.skipBlanks();
    if (scan.take('/')) {
        scan.skipBlanks();
        const auto alpha = scan.cssValue(error);
        if (!alpha)
            return error;
        if (alpha->kind == Kind::Dimension)
            return scan.failAt(alpha->offset, "expected an alpha value");
        scan.skipBlanks();
    }
    if (!scan.take(')'))
        return scan.expected("')' or '/'");
    const MappedColor color = ToSrgbColor(channels, *space);
    return scan.finish(color.color, color.mapped);
}

bool FormatCssName(Color color, std::string& out)
{
    const auto name = CssNameOf(color);
    if (!name)
        return false;
    out += *name;
    return true;
}

ReadResult ReadCssName(std::string_view text)
{
    TextScanner scan(text);
    scan.skipBlanks();
    const std::size_t start = scan.offset();
    const std::string_view name = scan.word();
    const auto color = CssColorOfName(name);
    if (!color)
        return scan.failAt(
            start, name.empty() ? "expected a colour name" : "'" + std::string(name) + "' is not a CSS colour name");
    return scan.finish(*color);
}

} // namespace pelmora::notation_parts
