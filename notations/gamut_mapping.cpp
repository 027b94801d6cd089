#include "notations/gamut_mapping.h"

#include "color/srgb_transfer.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

constexpr double kJustNoticeable = 0.02;
constexpr double kChromaEpsilon = 0.0001;

bool InUnitCube(Triple v) { return v.a >= 0 && v.a <= 1 && v.b >= 0 && v.b <= 1 && v.c >= 0 && v.c <= 1; }

double ClipChannel(double v) { return !(v > 0) ? 0.0 : (v > 1 ? 1.0 : v); } // NaN to 0
Triple Clip(Triple v) { return {ClipChannel(v.a), ClipChannel(v.b), ClipChannel(v.c)}; }

// No colour has anything like this chroma (sRGB's reaches 0.33); a bound keeps an infinite one from
// halving forever.
constexpr double kMostChroma = 1000;

Triple OklchToLinearSrgb(Triple oklch) { return XyzD65ToLinearSrgb(OklabToXyzD65(PolarToRectangular(oklch))); }
Triple LinearSrgbToOklab(Triple rgb) { return XyzD65ToOklab(LinearSrgbToXyzD65(rgb)); }

// Farther outside sRGB than rounding to 8 bits hides: beyond half a level below 0 or above 255.
bool NoticeablyOutside(Triple linear)
{
    static const double lowest = DecodeSrgb(-0.5 / 255);
    static const double highest = DecodeSrgb(1 + 0.5 / 255);
    const auto outside = [](double channel) { return channel < lowest || channel > highest; };
    return outside(linear.a) || outside(linear.b) || outside(linear.c);
}

bool IsSrgbCylinder(CssSpace space)
{
    return space == CssSpace::Srgb || space == CssSpace::Hsl || space == CssSpace::Hwb;
}

} // namespace

double DeltaEOk(Triple oklab1, Triple oklab2)
{
    const double dl = oklab1.a - oklab2.a;
    const double da = oklab1.b - oklab2.b;
    const double db = oklab1.c - oklab2.c;
    return std::sqrt(dl * dl + da * da + db * db);
}

Triple GamutMapOklchToLinearSrgb(Triple oklch)
{
    if (std::isnan(oklch.a) || oklch.a <= 0)
        return {0, 0, 0};
    if (oklch.a >= 1)
        return {1, 1, 1};
    if (!std::isfinite(oklch.c))
        oklch.c = 0;
    oklch.b = std::isnan(oklch.b) ? 0.0 : std::clamp(oklch.b, 0.0, kMostChroma);
    Triple current = oklch;
    const Triple origin = OklchToLinearSrgb(current);
    if (InUnitCube(origin))
        return origin;
    const auto distanceOfClip = [](Triple clipped, Triple currentOklch) {
        return DeltaEOk(LinearSrgbToOklab(clipped), PolarToRectangular(currentOklch));
    };
    Triple clipped = Clip(origin);
    if (distanceOfClip(clipped, current) < kJustNoticeable)
        return clipped;
    // Binary search on chroma. While the lower bound is inside sRGB a candidate inside sRGB raises
    // it; once a clipped candidate was close enough, the search looks for the largest chroma whose
    // clip is still within the difference, and stops as soon as one lies just under it.
    double low = 0;
    double high = oklch.b;
    bool lowInGamut = true;
    while (high - low > kChromaEpsilon) {
        const double chroma = (low + high) / 2;
        current.b = chroma;
        const Triple candidate = OklchToLinearSrgb(current);
        if (lowInGamut && InUnitCube(candidate)) {
            low = chroma;
            continue;
        }
        clipped = Clip(candidate);
        const double distance = distanceOfClip(clipped, current);
        if (distance < kJustNoticeable) {
            if (kJustNoticeable - distance < kChromaEpsilon)
                return clipped;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return clipped;
}

MappedColor ToSrgbColor(Triple value, CssSpace space)
{
    // sRGB and its cylinders round the encoded value, where CSS's ties are.
    if (IsSrgbCylinder(space)) {
        const Triple encoded = ConvertColor(value, space, CssSpace::Srgb);
        if (InUnitCube(encoded))
            return {ColorOfEncoded(encoded), false};
    }
    const Triple linear = ConvertColor(value, space, CssSpace::SrgbLinear);
    if (InUnitCube(linear))
        return {ColorOfLinear(linear), false};
    const Triple mapped = GamutMapOklchToLinearSrgb(ConvertColor(value, space, CssSpace::Oklch));
    return {ColorOfLinear(mapped), NoticeablyOutside(linear)};
}

} // namespace pelmora
