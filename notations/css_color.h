#pragma once
// A colour as CSS holds it before it becomes 8-bit sRGB: a colour space, three components (any of
// them missing, CSS's `none`) and an alpha. Relative colours and color-mix() work on this form,
// since both convert between spaces and need what is missing.

#include "color/color.h"
#include "notations/color_spaces.h"

#include <array>
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

// Components in the units CSS's relative colours give their channel keywords, except that the
// RGB spaces run 0..1 (rgb()'s r, g and b are these times 255): hue in degrees, HSL and HWB in
// percent, CIE lightness 0..100, OK lightness 0..1.
struct CssColor {
    CssSpace space = CssSpace::Srgb;
    std::array<double, 3> channels{};
    std::array<bool, 3> missing{};
    double alpha = 1;
    bool alphaMissing = false;
    // rgb(), hsl(), hwb(), hex and names: CSS clamps these into sRGB instead of mapping the gamut.
    bool legacy = false;
};

struct CssSpaceInfo {
    CssSpace space;
    std::string_view name; // as color() and color-mix() write it
    std::array<std::string_view, 3> keywords; // the channel keywords of its relative colour
    int hue = -1; // the index of the hue component, or -1 for a rectangular space
};

const CssSpaceInfo& InfoOf(CssSpace space);
// The space of a color() or color-mix() name ("xyz" is XYZ D65); `polar` allows hsl, hwb, lch and
// oklch, the rectangular lab and oklab come with it.
std::optional<CssSpace> CssSpaceNamed(std::string_view name, bool cylindersAndLab);

// Whether colours of `space` can be converted yet.
bool ConvertsToXyz(CssSpace space);

// `color` in `space`; a component missing in `color` stays missing where the target has an
// analogous one (CSS's carried-forward components), and a hue without colour becomes missing.
CssColor ConvertCss(const CssColor& color, CssSpace space);

// How the hue of a color-mix() goes round the circle.
enum class HueInterpolation { Shorter, Longer, Increasing, Decreasing };

// CSS Color 4 interpolation at `t` (0 gives `from`, 1 gives `to`) in `space`, with premultiplied
// alpha and missing components taken from the other colour.
CssColor InterpolateCss(const CssColor& from, const CssColor& to, double t, CssSpace space, HueInterpolation hue);

// The 8-bit sRGB colour a browser shows for it: legacy colours clamped, the others brought into
// sRGB as CSS Color 4 maps a gamut. `mapped`, when given, tells whether mapping changed anything.
Color CssColorToRgb(const CssColor& color, bool* mapped = nullptr);

} // namespace pelmora
