#pragma once
// A colour as CSS holds it before it becomes 8-bit sRGB: a colour space, three components (any of
// them missing, CSS's `none`) and an alpha. Relative colours and color-mix() work on this form,
// since both convert between spaces and need what is missing.

#include "color/color.h"
#include "notations/css_space.h"
#include "notations/gamut_mapping.h"

#include <array>
#include <optional>
#include <string_view>

namespace pelmora {

// Components in the units of css_space.h, which are those CSS's relative colours give their
// channel keywords, except that rgb()'s r, g and b are the sRGB channels times 255.
struct CssColor {
    CssSpace space = CssSpace::Srgb;
    std::array<double, 3> channels{};
    std::array<bool, 3> missing{};
    double alpha = 1;
    bool alphaMissing = false;
    // rgb(), hsl(), hwb(), hex and names: CSS clamps these into sRGB instead of mapping the gamut.
    bool legacy = false;
};

// The channel keywords of a relative colour in `space`: "r", "g", "b"; "l", "c", "h" ...
std::array<std::string_view, 3> ChannelKeywordsOf(CssSpace space);

// `color` in `space`; a component missing in `color` stays missing where the target has an
// analogous one (CSS's carried-forward components), and a hue without colour becomes missing.
CssColor ConvertCss(const CssColor& color, CssSpace space);

// How the hue of a color-mix() goes round the circle.
enum class HueInterpolation { Shorter, Longer, Increasing, Decreasing };

// CSS Color 4 interpolation at `t` (0 gives `from`, 1 gives `to`) in `space`, with premultiplied
// alpha and missing components taken from the other colour.
CssColor InterpolateCss(const CssColor& from, const CssColor& to, double t, CssSpace space, HueInterpolation hue);

// The 8-bit sRGB colour a browser shows for it: legacy colours clamped, the others brought into
// sRGB as CSS Color 4 maps a gamut (`mapped` says whether that changed the colour).
MappedColor CssColorToRgb(const CssColor& color);

} // namespace pelmora
