#include "picker/hsb_positions.h"

#include "color/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pelmora {
namespace {

// floor(numerator / 255) for the integer products of the field formulas. Computed in 64 bits so
// that even unclamped positions cannot overflow.
int FloorOver255(std::int64_t numerator)
{
    std::int64_t q = numerator / 255;
    if (numerator % 255 != 0 && numerator < 0)
        --q;
    return static_cast<int>(
        std::clamp<std::int64_t>(q, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int SliderNumber(double y, double top) { return FloorToInt((255.0 - y + FieldTop) * top / 255.0); }

} // namespace

int HueFromFieldX(int markerX) { return FloorOver255((std::int64_t{markerX} - FieldLeft) * 360); }

int SatFromFieldX(int markerX) { return FloorOver255((std::int64_t{markerX} - FieldLeft) * 100); }

int BriFromFieldY(int markerY) { return FloorOver255((FieldTop - std::int64_t{markerY} + 255) * 100); }

int SatFromFieldY(int markerY) { return FloorOver255((FieldBottom - std::int64_t{markerY}) * 100); }

int HueFromSliderY(double y) { return SliderNumber(y, 360.0); }
int SatFromSliderY(double y) { return SliderNumber(y, 100.0); }
int BriFromSliderY(double y) { return SliderNumber(y, 100.0); }

int FieldXFromHue(double hue) { return EvenNearest(hue * 255.0 / 360.0 + FieldLeft); }
int FieldXFromSat(double sat) { return EvenNearest(sat * 255.0 / 100.0 + FieldLeft); }
int FieldYFromBri(double bri) { return EvenNearest(FieldBottom - bri * 255.0 / 100.0); }
int FieldYFromSat(double sat) { return EvenNearest(FieldBottom - sat * 255.0 / 100.0); }

int SliderYFromPercent(double percent) { return EvenNearest(SliderBottom - percent * 255.0 / 100.0); }

int SliderYFromHueWhole(double hue) { return FloorToInt(SliderBottom - hue * 255.0 / 360.0); }

float SliderYFromHueTyped(double hue)
{
    const double y = SliderBottom - hue * 255.0 / 360.0;
    if (std::isnan(y))
        return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(y) > static_cast<double>(std::numeric_limits<float>::max()))
        return y > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(y);
}

} // namespace pelmora
