#pragma once
// Mixing colours as light mixes: screen values are sRGB-encoded, so an average of the encoded bytes
// comes out too dark (a black-and-white checkerboard seen from afar is not mid-grey #808080). Colours
// are decoded to linear light, averaged there, and encoded again.

#include "color/color.h"

#include <span>

namespace pelmora {

// One sRGB-encoded channel (0..255) as linear light in [0, 1].
double SrgbToLinear(int channel);

// Linear light in [0, 1] (clamped) as an sRGB-encoded channel, rounded even-nearest.
int LinearToSrgb(double linear);

// The average of `colors` (RGB values, 0..16777215) in linear light, each channel separately.
// An empty span gives Color::none().
Color AverageInLinearLight(std::span<const Color> colors);

} // namespace pelmora
