#pragma once
// The colour of (H, S, B): the hue colour blended toward white by the saturation, then scaled by
// the brightness.

#include "color/channels.h"
#include "color/color.h"

namespace pelmora {

// The colour of hue colour `hue` at saturation s and brightness b (percent, as typed):
// ((255 - h) * (100 - s) / 100 + h) * b / 100 per channel, even-nearest, clamped into 0..255
// so typed values outside 0..100 still give a colour.
Color ColorOfHsb(Channels hue, int s, int b);

} // namespace pelmora
