#pragma once
// Picker positions <-> H, S, B numbers.
// Positions are pixels of the main window; the field spans x 10..265 and y 10..265, the slider
// y 10..265. Position -> number takes the floor; number -> position the even-nearest integer.

#include "picker/geometry.h"

namespace pelmora {

// Field x -> H (Saturation and Brightness modes): left column 0, right column 360.
int HueFromFieldX(int markerX);
// Field x -> S (Hue mode): left column 0, right column 100.
int SatFromFieldX(int markerX);
// Field y -> B (Hue and Saturation modes): top row 100, bottom row 0.
int BriFromFieldY(int markerY);
// Field y -> S (Brightness mode): top row 100, bottom row 0.
int SatFromFieldY(int markerY);

// Slider y (the clamped mouse y, possibly fractional) -> the mode's slider number; top 360 or 100.
int HueFromSliderY(double y);
int SatFromSliderY(double y);
int BriFromSliderY(double y);

// Typed numbers -> marker positions (even-nearest): H 180 -> x 138, B 50 -> y 138.
int FieldXFromHue(double hue);
int FieldXFromSat(double sat);
int FieldYFromBri(double bri);
int FieldYFromSat(double sat);

// Slider row for a saturation (Saturation mode) or brightness (Brightness mode): 100 at the top,
// 0 at the bottom, even-nearest.
int SliderYFromPercent(double percent);

// Slider marker row for a hue: whole row when Hue mode is switched on ...
int SliderYFromHueWhole(double hue);
// ... and the row with its fraction when the hue is typed (the marker is drawn at its
// even-nearest row). Hues beyond the float range give +-infinity rather than an undefined value.
float SliderYFromHueTyped(double hue);

} // namespace pelmora
