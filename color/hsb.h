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

// The H, S and B numbers the boxes show for a colour: hue in degrees as the hue strip runs (0 red,
// 60 yellow, 120 green, 240 blue; 0 for greys), saturation and brightness in percent. Each is the
// nearest whole number (ties to even); a hue that rounds up to 360 is 0, the same red.
struct HsbNumbers {
    int h = 0;
    int s = 0;
    int b = 0;
    friend constexpr bool operator==(const HsbNumbers&, const HsbNumbers&) = default;
};
HsbNumbers HsbOfColor(Channels rgb);

} // namespace pelmora
