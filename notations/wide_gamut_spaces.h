#pragma once
// The RGB spaces of CSS Color 4 beyond sRGB, with the transfer curves and matrices its sample code
// publishes: display-p3, a98-rgb, prophoto-rgb and rec2020. Each curve is extended to negative values
// by symmetry, as CSS does, so colours outside the space's own gamut survive the round trip.

#include "notations/color_spaces.h"

namespace pelmora {

// display-p3: the sRGB transfer curve, P3 primaries, D65 white.
Triple DisplayP3ToXyzD65(Triple encoded);
Triple XyzD65ToDisplayP3(Triple xyz);

// a98-rgb: a pure power curve (563/256), D65 white.
Triple A98RgbToXyzD65(Triple encoded);
Triple XyzD65ToA98Rgb(Triple xyz);

// prophoto-rgb: gamma 1.8 with a short straight foot, D50 white.
Triple ProphotoRgbToXyzD50(Triple encoded);
Triple XyzD50ToProphotoRgb(Triple xyz);

// rec2020: BT.2020 primaries with the BT.1886 display curve (gamma 2.4), D65 white.
Triple Rec2020ToXyzD65(Triple encoded);
Triple XyzD65ToRec2020(Triple xyz);

} // namespace pelmora
