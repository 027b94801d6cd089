#include "notations/wide_gamut_spaces.h"

#include "color/srgb_transfer.h"

#include <array>
#include <cmath>

namespace pelmora {
namespace {

using Matrix = Matrix3;

template <typename Curve> Triple EachChannel(Triple v, Curve curve) { return {curve(v.a), curve(v.b), curve(v.c)}; }

// A curve defined on magnitudes, mirrored for negative values.
template <typename Curve> double Mirrored(double value, Curve curve)
{
    return std::copysign(curve(std::fabs(value)), value);
}

// The matrices as CSS Color 4 publishes them, most as exact fractions.
constexpr Matrix kLinearP3ToXyz = {{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix kXyzToLinearP3 = {{
    {446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415},
}};
constexpr Matrix kLinearA98ToXyz = {{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix kXyzToLinearA98 = {{
    {1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040},
}};
// ProPhoto's primaries have no short rational form; CSS gives them to double precision.
constexpr Matrix kLinearProphotoToXyz = {{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
}};
constexpr Matrix kXyzToLinearProphoto = {{
    {1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
    {0.0, 0.0, 1.21196754563894520},
}};
constexpr Matrix kLinearRec2020ToXyz = {{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
constexpr Matrix kXyzToLinearRec2020 = {{
    {30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
    {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
    {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125},
}};

constexpr double kA98Exponent = 563.0 / 256;
constexpr double kProphotoEncodedFoot = 16.0 / 512; // below it, encoded = 16 x linear
constexpr double kProphotoLinearFoot = 1.0 / 512;
// rec2020 is display-referred: the BT.1886 display curve (a pure gamma of 2.4), which CSS adopted in
// place of BT.2020's camera curve.
constexpr double kRec2020Gamma = 2.4;

double DecodeA98(double v)
{
    return Mirrored(v, [](double m) { return std::pow(m, kA98Exponent); });
}
double EncodeA98(double v)
{
    return Mirrored(v, [](double m) { return std::pow(m, 1 / kA98Exponent); });
}
double DecodeProphoto(double v)
{
    return Mirrored(v, [](double m) { return m <= kProphotoEncodedFoot ? m / 16 : std::pow(m, 1.8); });
}
double EncodeProphoto(double v)
{
    return Mirrored(v, [](double m) { return m >= kProphotoLinearFoot ? std::pow(m, 1 / 1.8) : 16 * m; });
}
double DecodeRec2020(double v)
{
    return Mirrored(v, [](double m) { return std::pow(m, kRec2020Gamma); });
}
double EncodeRec2020(double v)
{
    return Mirrored(v, [](double m) { return std::pow(m, 1 / kRec2020Gamma); });
}

} // namespace

Triple DisplayP3ToXyzD65(Triple encoded) { return Multiply(kLinearP3ToXyz, EachChannel(encoded, DecodeSrgb)); }
Triple XyzD65ToDisplayP3(Triple xyz) { return EachChannel(Multiply(kXyzToLinearP3, xyz), EncodeSrgb); }

Triple A98RgbToXyzD65(Triple encoded) { return Multiply(kLinearA98ToXyz, EachChannel(encoded, DecodeA98)); }
Triple XyzD65ToA98Rgb(Triple xyz) { return EachChannel(Multiply(kXyzToLinearA98, xyz), EncodeA98); }

Triple ProphotoRgbToXyzD50(Triple encoded)
{
    return Multiply(kLinearProphotoToXyz, EachChannel(encoded, DecodeProphoto));
}
Triple XyzD50ToProphotoRgb(Triple xyz) { return EachChannel(Multiply(kXyzToLinearProphoto, xyz), EncodeProphoto); }

Triple Rec2020ToXyzD65(Triple encoded) { return Multiply(kLinearRec2020ToXyz, EachChannel(encoded, DecodeRec2020)); }
Triple XyzD65ToRec2020(Triple xyz) { return EachChannel(Multiply(kXyzToLinearRec2020, xyz), EncodeRec2020); }

} // namespace pelmora
