#pragma once
// Bringing a colour from any CSS colour space into 8-bit sRGB as CSS Color 4 does: a colour inside
// sRGB is converted and rounded; one outside it is gamut-mapped by CSS's algorithm (hold OKLCh
// lightness and hue, reduce the chroma by binary search until clipping the colour to sRGB moves it
// less than a just-noticeable difference, 0.02 in OKLab), so that a pale pink stays a pale pink
// instead of the red a per-channel clamp would give.

#include "color/color.h"
#include "notations/css_space.h"

namespace pelmora {

struct MappedColor {
    Color color;
    // True when the colour lay outside sRGB by more than half an 8-bit step in some channel, so the
    // colour shown is not the one written. Smaller excursions, which rounding to 8 bits absorbs
    // (the 4-decimal lab() of pure red), do not count.
    bool mapped = false;
};

// ΔEOK: the straight-line distance between two OKLab colours (L 0..1).
double DeltaEOk(Triple oklab1, Triple oklab2);

// CSS Color 4's gamut mapping of an OKLCh colour (L 0..1, hue in degrees) into sRGB: linear-light
// red, green and blue, each in 0..1. Lightness at or beyond 0 or 1 gives black or white (NaN black);
// a NaN (powerless) or infinite hue counts as 0, a negative chroma as 0.
Triple GamutMapOklchToLinearSrgb(Triple oklch);

// `value` in `space` as an 8-bit sRGB colour: converted, gamut-mapped when outside sRGB, each channel
// rounded to the nearest level with a tie going up, as CSS rounds. NaN components count as 0.
MappedColor ToSrgbColor(Triple value, CssSpace space);

} // namespace pelmora
