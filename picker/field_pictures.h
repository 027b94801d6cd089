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

// Slider row k (0 .. 255) for the colour (r, g, b) under the field marker: SliderSatColor blends
// toward white, SliderBriColor darkens toward black. Inline because a slider evaluates 256 rows.
// round(C - (k * C) / 255) and round(k + C * (1 - k / 255)) are the rationals C(255 - k) / 255
// and (255k + C(255 - k)) / 255. With the odd denominator no value is a half (each is at least
// 1/510 away from one), far beyond the double error of about 1e-13, so integer rounding of the
// rationals gives exactly the floating-point results; the tests check all 65,536 (k, C) pairs.
constexpr Color SliderBriColor(int k, int r, int g, int b)
{
    auto channel = [k](int c) { return (c * (255 - k) + 127) / 255; };
    return RGB(channel(r), channel(g), channel(b));
}

constexpr Color SliderSatColor(int k, int r, int g, int b)
{
    auto channel = [k](int c) { return (255 * k + c * (255 - k) + 127) / 255; };
    return RGB(channel(r), channel(g), channel(b));
}

// All 256 slider rows at once as surface pixels (0xFFRRGGBB), row 0 first.
void SliderSatPixels(int r, int g, int b, std::uint32_t* out);
void SliderBriPixels(int r, int g, int b, std::uint32_t* out);

} // namespace pelmora
