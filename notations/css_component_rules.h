#pragma once
// How each component of a CSS colour function is read into the units CssColor keeps: what 100% and
// a plain number stand for and where the value is clamped. Shared by the general reader and the
// quick reader of the plain forms, which must agree to the bit.

#include "notations/css_space.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelmora {

struct ComponentRule {
    bool hue = false;
    double fullPercent = 1; // what 100% is
    double numberScale = 1; // what a plain number is multiplied by
    double lowest = -HUGE_VAL;
    double highest = HUGE_VAL;

    // A number or a percentage (not a hue) in CssColor's units ...
    double scaled(bool percentage, double value) const
    {
        return std::clamp(unclamped(percentage, value), lowest, highest);
    }
    // ... and the same without the clamp, as a relative colour keeps it.
    double unclamped(bool percentage, double value) const
    {
        return percentage ? value / 100 * fullPercent : value * numberScale;
    }
};

inline constexpr ComponentRule kHue{true};
inline constexpr ComponentRule kRgbChannel{false, 1, 1 / 255.0, 0, 1};
inline constexpr ComponentRule kUnitChannel{false, 1, 1};
inline constexpr ComponentRule kSaturation{false, 100, 1, 0};
inline constexpr ComponentRule kPercentChannel{false, 100, 1};
inline constexpr ComponentRule kLabLightness{false, 100, 1, 0, 100};
inline constexpr ComponentRule kLabAxis{false, 125, 1};
inline constexpr ComponentRule kLchChroma{false, 150, 1, 0};
inline constexpr ComponentRule kOkLightness{false, 1, 1, 0, 1};
inline constexpr ComponentRule kOkAxis{false, 0.4, 1};
inline constexpr ComponentRule kOkChroma{false, 0.4, 1, 0};

// `rgbFunction`: rgb() rather than color(srgb ...), which reads numbers 0..1.
inline const std::array<ComponentRule, 3>& RulesOf(CssSpace space, bool rgbFunction)
{
    using Rules = std::array<ComponentRule, 3>;
    static constexpr Rules kRgb{kRgbChannel, kRgbChannel, kRgbChannel};
    static constexpr Rules kHsl{kHue, kSaturation, kPercentChannel};
    static constexpr Rules kHwb{kHue, kPercentChannel, kPercentChannel};
    static constexpr Rules kLab{kLabLightness, kLabAxis, kLabAxis};
    static constexpr Rules kLch{kLabLightness, kLchChroma, kHue};
    static constexpr Rules kOklab{kOkLightness, kOkAxis, kOkAxis};
    static constexpr Rules kOklch{kOkLightness, kOkChroma, kHue};
    static constexpr Rules kUnit{kUnitChannel, kUnitChannel, kUnitChannel};
    if (rgbFunction)
        return kRgb;
    switch (space) {
    case CssSpace::Hsl:
        return kHsl;
    case CssSpace::Hwb:
        return kHwb;
    case CssSpace::Lab:
        return kLab;
    case CssSpace::Lch:
        return kLch;
    case CssSpace::Oklab:
        return kOklab;
    case CssSpace::Oklch:
        return kOklch;
    default:
        return kUnit;
    }
}

// An alpha value (a number, or a percentage of 1) clamped to 0..1.
inline double ClampedAlpha(bool percentage, double value)
{
    return std::clamp(percentage ? value / 100 : value, 0.0, 1.0);
}

} // namespace pelmora
