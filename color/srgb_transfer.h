#pragma once
// The sRGB transfer curve, the one definition every layer uses: the double form as CSS Color 4
// writes it (extended to negative values by symmetry) and the 8-bit steps at its edges.

namespace pelmora {

// Encoded sRGB (0..1 in gamut) to linear light and back.
double DecodeSrgb(double encoded);
double EncodeSrgb(double linear);

// The linear-light value of an 8-bit sRGB channel (a table of the 256 values of DecodeSrgb),
// the channel clamped to 0..255.
double ByteToLinear(int byte);
// The 8-bit channel nearest to the sRGB encoding of `linear`, clamped to 0..255. It compares with
// the linear-light midpoints between neighbouring levels, which gives the same level as encoding
// and rounding without a power per channel; a value exactly on a midpoint takes the level above.
int LinearToByte(double linear);

} // namespace pelmora
