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
#include "notations/css_color_reader.h"
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

ReadResult ReadCssHex(std::string_view text) { return ReadCssColorText(text, {"#"}); }

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

ReadResult ReadCssRgb(std::string_view text) { return ReadCssColorText(text, {"rgb", "rgba"}); }

bool FormatHsl(Color color, std::string& out)
{
    AppendFractional(out, "hsl(", kHslLayout, Rgb24(color), {"", "%", "%"});
    return true;
}

ReadResult ReadHsl(std::string_view text) { return ReadCssColorText(text, {"hsl", "hsla"}); }

bool FormatHwb(Color color, std::string& out)
{
    AppendFractional(out, "hwb(", kHwbLayout, Rgb24(color), {"", "%", "%"});
    return true;
}

ReadResult ReadHwb(std::string_view text) { return ReadCssColorText(text, {"hwb"}); }

bool FormatLab(Color color, std::string& out)
{
    AppendFractional(out, "lab(", kLabLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadLab(std::string_view text) { return ReadCssColorText(text, {"lab"}); }

bool FormatLch(Color color, std::string& out)
{
    AppendFractional(out, "lch(", kLchLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadLch(std::string_view text) { return ReadCssColorText(text, {"lch"}); }

bool FormatOklab(Color color, std::string& out)
{
    AppendFractional(out, "oklab(", kOklabLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadOklab(std::string_view text) { return ReadCssColorText(text, {"oklab"}); }

bool FormatOklch(Color color, std::string& out)
{
    AppendFractional(out, "oklch(", kOklchLayout, Rgb24(color), {"%", "", ""});
    return true;
}

ReadResult ReadOklch(std::string_view text) { return ReadCssColorText(text, {"oklch"}); }

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

ReadResult ReadColorFunction(std::string_view text) { return ReadCssColorText(text, {"color"}); }

bool FormatCssName(Color color, std::string& out)
{
    const auto name = CssNameOf(color);
    if (!name)
        return false;
    out += *name;
    return true;
}

ReadResult ReadCssName(std::string_view text) { return ReadCssColorText(text, {""}); }

} // namespace pelmora::notation_parts
