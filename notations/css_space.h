#pragma once
// The colour spaces CSS names (in color(), in color-mix()'s "in SPACE", and behind lab(), lch(),
// oklab(), oklch(), hsl() and hwb()), and conversion of a colour between any two of them.
//
// Components are carried in each space's own units, those of CSS Color 4's sample code:
//   srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020   r g b, 0..1 in gamut
//   xyz-d50, xyz-d65                                                 X Y Z, Y = 1 for the white
//   lab  L 0..100, a, b         lch    L 0..100, chroma, hue in degrees
//   oklab L 0..1, a, b          oklch  L 0..1, chroma, hue in degrees
//   hsl  hue in degrees, saturation 0..100, lightness 0..100
//   hwb  hue in degrees, whiteness 0..100, blackness 0..100
// Nothing is clamped: values outside a space's gamut convert as CSS extends them.

#include "notations/color_spaces.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pelmora {

enum class CssSpace {
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Hsl,
    Hwb,
};
inline constexpr std::size_t kCssSpaceCount = static_cast<std::size_t>(CssSpace::Hwb) + 1;

// What `make(from, to)` gives for every pair of spaces, as a table indexed [from][to]: worked out
// while compiling, for what conversions look up on every call.
template <typename Make> constexpr auto SpacePairTable(Make make)
{
    using Entry = decltype(make(CssSpace::Srgb, CssSpace::Srgb));
    std::array<std::array<Entry, kCssSpaceCount>, kCssSpaceCount> table{};
    for (std::size_t from = 0; from < kCssSpaceCount; ++from)
        for (std::size_t to = 0; to < kCssSpaceCount; ++to)
            table[from][to] = make(static_cast<CssSpace>(from), static_cast<CssSpace>(to));
    return table;
}

// The space a CSS name stands for, compared without case: "srgb", "display-p3", "xyz" (which is
// xyz-d65), "oklch", "hsl" ... nullopt for any other word.
std::optional<CssSpace> CssSpaceNamed(std::string_view name);
// The name CSS writes: "display-p3", "xyz-d65".
std::string_view CssSpaceName(CssSpace space);

// The spaces color() takes: the RGB spaces and the two XYZ (not lab ... hwb).
bool IsPredefinedRgbOrXyz(CssSpace space);
// Which component is the hue: 2 for lch and oklch, 0 for hsl and hwb, -1 for the rest.
int HueIndex(CssSpace space);

// `value` in `from` as the same colour in `to`, along the shortest road between the two (srgb to
// hsl never passes through XYZ, lab to lch never leaves Lab).
//
// A NaN component counts as 0 (a missing component, CSS's `none`). A hue that is powerless in the
// result comes back NaN: that of an achromatic colour in hsl and hwb, and in lch and oklch when the
// chroma is at most CSS's epsilon (0.0015 and 0.000004).
Triple ConvertColor(Triple value, CssSpace from, CssSpace to);

// Conversions to two spaces whose roads start alike take the shared part once: the last space both
// roads from `from` pass through (`from` itself when they part at once) ...
CssSpace LastSharedSpace(CssSpace from, CssSpace to1, CssSpace to2);
// ... and the rest of a conversion that ConvertColor began: ContinueConversion(ConvertColor(v, from,
// shared), shared, to) is ConvertColor(v, from, to) to the bit. NaN components stay NaN here.
Triple ContinueConversion(Triple value, CssSpace from, CssSpace to);

} // namespace pelmora
