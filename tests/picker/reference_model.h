#pragma once
// The picker's pixel formulas evaluated the plain way, straight from their written definition:
// one pixel at a time, std::nearbyint for the rounding, no precomputed rows or tables. The tests
// hold the fast renderers to these.

#include "color/color.h"

namespace pelmora::reference {

Color HueStripRow(int k);
Color FieldHuePixel(int h_r, int h_g, int h_b, int i, int j); // field column i, row j
int FieldHueChannel(int h, int i, int j); // one channel of it
int RampValue(int c);
Color FieldBriPixel(int c, int y); // picture column c, row y
Color FieldSatPixel(int c, int y);
int SliderBriChannel(int k, int c);
int SliderSatChannel(int k, int c);

} // namespace pelmora::reference
