#pragma once
// The colour-space conversions of CSS Color 4, step by step as its sample code does them, with its
// published matrices: sRGB transfer curve, linear sRGB <-> XYZ D65, Bradford D65 <-> D50, CIE Lab
// (D50) and its polar LCH, OKLab (D65) and OKLCH, and the sRGB cylinders HSL and HWB.
// Everything is double precision; the 8-bit steps are at the edges only.

#include "color/color.h"
#include "color/srgb_transfer.h" // the transfer curve and its 8-bit steps, used with these conversions

#include <array>
#include <cmath>

namespace pelmora {

struct Triple {
    double a = 0;
    double b = 0;
    double c = 0;
};

// A 3 x 3 matrix, rows first, as CSS Color 4 writes its conversion matrices.
using Matrix3 = std::array<std::array<double, 3>, 3>;
constexpr Triple Multiply(const Matrix3& m, Triple v)
{
    return {m[0][0] * v.a + m[0][1] * v.b + m[0][2] * v.c, m[1][0] * v.a + m[1][1] * v.b + m[1][2] * v.c,
        m[2][0] * v.a + m[2][1] * v.b + m[2][2] * v.c};
}

// An encoded sRGB channel (0..1) to 8 bits as CSS does it: clamped, 255 x value rounded with a tie up
// (a value a rounding error below a tie counts as the tie).
int UnitToByte(double encoded);

Triple LinearSrgbToXyzD65(Triple rgb);
Triple XyzD65ToLinearSrgb(Triple xyz);
Triple XyzD65ToD50(Triple xyz);
Triple XyzD50ToD65(Triple xyz);

// CIE Lab: L 0..100, a and b unbounded (about -125..125 for sRGB).
Triple XyzD50ToLab(Triple xyz);
Triple LabToXyzD50(Triple lab);

// OKLab: L 0..1, a and b about -0.4..0.4.
Triple XyzD65ToOklab(Triple xyz);
Triple OklabToXyzD65(Triple oklab);

// Rectangular a, b <-> chroma and hue in degrees (0 <= hue < 360); L passes through.
Triple RectangularToPolar(Triple lab);
inline double ChromaOf(Triple lab) { return std::sqrt(lab.b * lab.b + lab.c * lab.c); }
double HueOf(Triple lab);
Triple PolarToRectangular(Triple lch);

// HSL and HWB of encoded sRGB (0..1): hue in degrees 0..360, the rest in percent. An achromatic colour
// has hue 0 (CSS calls it powerless and would print none).
Triple SrgbToHsl(Triple rgb);
Triple HslToSrgb(Triple hsl);
Triple SrgbToHwb(Triple rgb);
Triple HwbToSrgb(Triple hwb);

// A hue in degrees brought into 0 <= hue < 360.
double NormalizeHue(double degrees);

// Whole-colour shortcuts used by several notations.
Triple LinearOf(Color color);
Triple EncodedOf(Color color); // each channel / 255
// Linear-light or encoded sRGB to 8 bits, clamped per channel, a tie (or a rounding error below one)
// going up as in CSS.
Color ColorOfLinear(Triple linear);
Color ColorOfEncoded(Triple encoded);

} // namespace pelmora
