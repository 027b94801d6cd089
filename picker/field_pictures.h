#pragma once
// The pixel content of the hue strip, the three fields and the two sliders: the picker's colour
// model. Every pick reads its colour back from these pixels, so each value follows the stated
// floating-point formula exactly, rounded half to even, and a channel that would fall below zero
// keeps the 0 of the freshly zeroed picture.

#include "color/color.h"
#include "picker/picker_bitmap.h"

#include <cstdint>
#include <span>

namespace pelmora {

// The colour of hue strip row k (0 at the top .. 255): red at both ends, hue falling downward.
Color HueStripColor(int k);

// A 15 x 256 picture whose stored row k is strip row k: it goes onto the slider top-bottom mirrored.
// The three padding bytes of each 48-byte row carry the row colour too.
PickerBitmap MakeHueStripPicture();

// 256 x 256 pictures, picture row y (from the top) being field row y. The Hue-mode field is put
// unmirrored; the Saturation- and Brightness-mode fields are put left-right mirrored.
PickerBitmap MakeFieldHuePicture(int r, int g, int b);

// One channel of Hue-mode field row y for the hue channel h: the values of field columns 0 .. 255.
void FieldHueChannelRow(int h, int y, std::uint8_t* out);
// Hue-mode field row y as the surface's 0xFFRRGGBB pixels, field column 0 first: the same values
// as the picture, without the detour through 24-bit rows.
void FieldHuePixelRow(int r, int g, int b, int y, std::uint32_t* out);
PickerBitmap MakeFieldSatPicture();
PickerBitmap MakeFieldBriPicture();

// Those two pictures depend on nothing, so they are computed once and shared.
const PickerBitmap& FieldSatPicture();
const PickerBitmap& FieldBriPicture();
// And the 256 x 256 surface pixels they become once put mirrored, rows top-down.
std::span<const std::uint32_t> FieldSatPixels();
std::span<const std::uint32_t> FieldBriPixels();

// Slider row k (0 .. 255) for the colour (r, g, b) under the field marker.
Color SliderSatColor(int k, int r, int g, int b);  // blended toward white
Color SliderBriColor(int k, int r, int g, int b);  // darkened toward black

} // namespace pelmora
