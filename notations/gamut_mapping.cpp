#include "notations/gamut_mapping.h"

#include "color/srgb_transfer.h"
#include "notations/color_matrices.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace pelmora {
namespace {

constexpr double kJustNoticeable = 0.02;
constexpr double kChromaEpsilon = 0.0001;

bool InUnitCube(Triple v) { return v.a >= 0 && v.a <= 1 && v.b >= 0 && v.b <= 1 && v.c >= 0 && v.c <= 1; }

// NaN to 0. Written as a maximum and a minimum, each a single instruction.
double ClipChannel(double v)
{
    const double aboveZero = 0 < v ? v : 0.0;
    return aboveZero < 1 ? aboveZero : 1.0;
}
Triple Clip(Triple v) { return {ClipChannel(v.a), ClipChannel(v.b), ClipChannel(v.c)}; }

// No colour has anything like this chroma (sRGB's reaches 0.33); a bound keeps an infinite one from
// halving forever.
constexpr double kMostChroma = 1000;

Triple LinearSrgbToOklab(Triple rgb) { return XyzD65ToOklab(LinearSrgbToXyzD65(rgb)); }

// The search's helpers below are forced inline: its dozen steps are most of the time a colour outside
// sRGB takes, and left out of line each would pass its triples through memory.

// OKLab to linear sRGB as OklabToXyzD65 and XyzD65ToLinearSrgb take it, to the same bits, written out
// where every step of the search can keep it in registers.
[[gnu::always_inline]] inline Triple OklabToLinearSrgb(Triple oklab)
{
    const Triple lms = Multiply(kOklabToLms, oklab);
    return Multiply(kXyzToLinearSrgb, Multiply(kLmsToXyz, {Cube(lms.a), Cube(lms.b), Cube(lms.c)}));
}

// The cube root to a relative error under 1e-13 (two Halley steps, each cubing the error, from a
// guess made of the exponent's bits that is within 4 %), several times quicker than the correctly
// rounded one. Outside the normal positive range the exact root is taken.
[[gnu::always_inline]] inline double QuickCubeRoot(double x)
{
    if (!(x >= 1e-300 && x <= 1e300))
        return std::cbrt(x);
    double y = std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) / 3 + 0x2A9F7893782DA1CEull);
    for (int i = 0; i < 2; ++i) {
        const double cube = y * y * y;
        y = y * (cube + 2 * x) / (2 * cube + x);
    }
    return y;
}

// Far more than the quick root's error and the one matrix can move a distance (under 1e-12), far
// less than any step of the search.
constexpr double kQuickDistanceSlack = 1e-9;

// ΔEOK between a clipped colour and the unclipped one (in OKLab). The search only compares it with
// the two thresholds below, and its results are the clipped colours themselves, so the quick cube
// root decides wherever it lies clear of both; near one the exact distance does, and the search
// takes the very steps it would take with exact roots throughout.
[[gnu::always_inline]] inline double DistanceOfClip(Triple clipped, Triple currentOklab)
{
    const Triple lms = Multiply(kLinearSrgbToLms, clipped);
    const Triple oklab = Multiply(kLmsToOklab, {QuickCubeRoot(lms.a), QuickCubeRoot(lms.b), QuickCubeRoot(lms.c)});
    const double quick = DeltaEOk(oklab, currentOklab);
    const auto near = [&](double threshold) { return !(std::fabs(quick - threshold) > kQuickDistanceSlack); };
    if (near(kJustNoticeable) || near(kJustNoticeable - kChromaEpsilon))
        return DeltaEOk(LinearSrgbToOklab(clipped), currentOklab);
    return quick;
}

// Farther outside sRGB than rounding to 8 bits hides: beyond half a level below 0 or above 255.
bool NoticeablyOutside(Triple linear)
{
    static const double lowest = DecodeSrgb(-0.5 / 255);
    static const double highest = DecodeSrgb(1 + 0.5 / 255);
    const auto outside = [](double channel) { return channel < lowest || channel > highest; };
    return outside(linear.a) || outside(linear.b) || outside(linear.c);
}

// Where the road from a space to linear sRGB leaves the one to OKLCh, worked out once for each space.
CssSpace ForkToLinearAndOklch(CssSpace space)
{
    static const auto forks = [] {
        std::array<CssSpace, 14> table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = LastSharedSpace(static_cast<CssSpace>(i), CssSpace::SrgbLinear, CssSpace::Oklch);
        return table;
    }();
    return forks[static_cast<std::size_t>(space)];
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
    const double hue = std::isfinite(oklch.c) ? oklch.c : 0.0;
    const double chroma = std::isnan(oklch.b) ? 0.0 : std::clamp(oklch.b, 0.0, kMostChroma);
    // The search changes the chroma only: the hue's direction is worked out once (as
    // PolarToRectangular would, to the same bits), which saves two trigonometric calls a step.
    const double radians = hue * std::numbers::pi / 180;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const auto oklabAt = [&](double c) { return Triple{oklch.a, c * cosine, c * sine}; };

    Triple current = oklabAt(chroma);
    const Triple origin = OklabToLinearSrgb(current);
    if (InUnitCube(origin))
        return origin;
    Triple clipped = Clip(origin);
    if (DistanceOfClip(clipped, current) < kJustNoticeable)
        return clipped;
    // Binary search on chroma. While the lower bound is inside sRGB a candidate inside sRGB raises
    // it; once a clipped candidate was close enough, the search looks for the largest chroma whose
    // clip is still within the difference, and stops as soon as one lies just under it.
    double low = 0;
    double high = chroma;
    bool lowInGamut = true;
    while (high - low > kChromaEpsilon) {
        const double middle = (low + high) / 2;
        current = oklabAt(middle);
        const Triple candidate = OklabToLinearSrgb(current);
        if (lowInGamut && InUnitCube(candidate)) {
            low = middle;
            continue;
        }
        clipped = Clip(candidate);
        const double distance = DistanceOfClip(clipped, current);
        if (distance < kJustNoticeable) {
            if (kJustNoticeable - distance < kChromaEpsilon)
                return clipped;
            lowInGamut = false;
            low = middle;
        } else {
            high = middle;
        }
    }
    return clipped;
}

MappedColor ToSrgbColor(Triple value, CssSpace space)
{
    // The roads to linear sRGB and to OKLCh share their start (to XYZ, or to linear sRGB itself from
    // sRGB and its cylinders): it is taken once.
    Triple forked;
    CssSpace fork = CssSpace::SrgbLinear;
    if (IsSrgbCylinder(space)) {
        // sRGB and its cylinders round the encoded value, where CSS's ties are.
        const Triple encoded = ConvertColor(value, space, CssSpace::Srgb);
        if (InUnitCube(encoded))
            return {ColorOfEncoded(encoded), false};
        forked = ContinueConversion(encoded, CssSpace::Srgb, fork);
    } else {
        fork = ForkToLinearAndOklch(space);
        forked = ConvertColor(value, space, fork);
    }
    const Triple linear = ContinueConversion(forked, fork, CssSpace::SrgbLinear);
    if (InUnitCube(linear))
        return {ColorOfLinear(linear), false};
    const Triple mapped = GamutMapOklchToLinearSrgb(ContinueConversion(forked, fork, CssSpace::Oklch));
    return {ColorOfLinear(mapped), NoticeablyOutside(linear)};
}

} // namespace pelmora
