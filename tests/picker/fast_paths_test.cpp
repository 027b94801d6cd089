// The renderers' fast paths against the plain formulas over their whole input ranges: the Hue-mode
// field's integer form for every hue channel, column and row, the slider rows for every colour
// channel, and the surface's row copies at its edges.

#include "reference_model.h"
#include "test_support.h"

#include "picker/field_pictures.h"
#include "picker/geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {
namespace {

using testing::PickerBench;

TEST(FieldHueFastPath, EveryChannelValueOfEveryRowMatchesTheDoubleFormula)
{
    // All 256 x 256 x 256 (h, column, row) triples, which covers every numerator the integer form
    // divides; the first mismatch names its triple.
    std::array<std::uint8_t, FieldSize> row{};
    for (int h = 0; h <= 255; ++h)
        for (int j = 0; j < FieldSize; ++j) {
            FieldHueChannelRow(h, j, row.data());
            for (int i = 0; i < FieldSize; ++i)
                if (row[static_cast<std::size_t>(i)] != reference::FieldHueChannel(h, i, j)) {
                    FAIL() << "h " << h << ", field column " << i << ", row " << j << ": "
                           << int{row[static_cast<std::size_t>(i)]} << ", expected "
                           << reference::FieldHueChannel(h, i, j);
                }
        }
}

TEST(FieldHueFastPath, OutOfRangeInputsKeepThePlainFormulaAndItsZeroBytes)
{
    // Not a channel value: values above 255 are not storable and keep their 0.
    for (int h : {-40, 256, 300, 1000}) {
        std::array<std::uint8_t, FieldSize> row{};
        for (int j : {0, 1, 128, 255}) {
            FieldHueChannelRow(h, j, row.data());
            for (int i = 0; i < FieldSize; ++i)
                ASSERT_EQ(row[static_cast<std::size_t>(i)], reference::FieldHueChannel(h, i, j))
                    << "h " << h << ", column " << i << ", row " << j;
        }
    }
}

TEST(FieldHueFastPath, SurfacePixelsEqualThePictureIncludingOutOfRangeHues)
{
    const std::array<std::array<int, 3>, 5> hues
        = {{{255, 0, 90}, {17, 255, 0}, {200, 100, 37}, {255, 255, 255}, {300, -5, 128}}};
    for (const auto& hue : hues) {
        const std::string name = std::to_string(hue[0]) + ", " + std::to_string(hue[1]) + ", " + std::to_string(hue[2]);
        PickerBench drawn, put;
        drawn.parkFieldMarker();
        drawn.picker.DrawFieldHue(hue[0], hue[1], hue[2]);
        put.surface.PutPicture(MakeFieldHuePicture(hue[0], hue[1], hue[2]), FieldLeft, FieldTop, Mirror::None);
        for (int y = FieldTop; y <= FieldBottom; ++y)
            for (int x = FieldLeft; x <= FieldRight; ++x)
                ASSERT_EQ(drawn.at(x, y), put.at(x, y)) << "hue (" << name << ") at " << testing::Where(x, y);
    }
}

TEST(SliderFastPath, AllRowsForEveryChannelValueMatchTheFormula)
{
    std::array<std::uint32_t, SliderHeight> sat{}, bri{};
    for (int c = 0; c <= 255; ++c) {
        // Each channel position gets a different value so a swapped channel shows.
        const int other = 255 - c, third = (c * 7) % 256;
        SliderSatPixels(c, other, third, sat.data());
        SliderBriPixels(c, other, third, bri.data());
        for (int k = 0; k < SliderHeight; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const Color wantSat = RGB(reference::SliderSatChannel(k, c), reference::SliderSatChannel(k, other),
                reference::SliderSatChannel(k, third));
            const Color wantBri = RGB(reference::SliderBriChannel(k, c), reference::SliderBriChannel(k, other),
                reference::SliderBriChannel(k, third));
            ASSERT_EQ(Surface::ToColor(sat[at]), wantSat) << "saturation slider, c " << c << ", row " << k;
            ASSERT_EQ(Surface::ToColor(bri[at]), wantBri) << "brightness slider, c " << c << ", row " << k;
            ASSERT_EQ(sat[at] >> 24, 0xFFu) << "opaque, row " << k;
        }
    }
}

TEST(SurfaceRows, PutPixelsClipsAtEveryEdgeAndRefusesShortData)
{
    // A 3 x 2 block numbered 1 .. 6, put at every offset around a 4 x 3 surface.
    const std::vector<std::uint32_t> block = {1, 2, 3, 4, 5, 6};
    for (int top = -2; top <= 3; ++top)
        for (int left = -3; left <= 4; ++left) {
            Surface surface(4, 3);
            surface.setBackground(Color::black());
            surface.Clear();
            surface.PutPixels(block, 3, 2, left, top);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x) {
                    const int column = x - left, row = y - top;
                    const bool inside = column >= 0 && column < 3 && row >= 0 && row < 2;
                    const std::uint32_t want
                        = inside ? block[static_cast<std::size_t>(row * 3 + column)] : Surface::ToPixel(Color::black());
                    ASSERT_EQ(surface.pixels()[y * 4 + x], want)
                        << "block at (" << left << ", " << top << "), pixel (" << x << ", " << y << ")";
                }
        }
    Surface surface(4, 3);
    const std::vector<std::uint32_t> before(surface.pixels(), surface.pixels() + 12);
    surface.PutPixels(std::span(block).first(5), 3, 2, 0, 0);
    EXPECT_EQ(std::vector<std::uint32_t>(surface.pixels(), surface.pixels() + 12), before)
        << "five pixels for a 3 x 2 block";
}

TEST(SurfaceRows, SlidersAndFieldsClipOnASmallSurface)
{
    // The slider's right columns and the field's lower rows fall off a 285 x 200 surface.
    Surface small(285, 200);
    DefaultSystemColors colors;
    Picker picker(small, colors);
    picker.setFieldMarker(-100, -100);
    picker.DrawSliderBri(200, 100, 37);
    picker.DrawFieldSat();
    for (int k = 0; k < 190; ++k)
        for (int x = SliderLeft; x < 285; ++x)
            ASSERT_EQ(small.ReadPixel(x, SliderTop + k), SliderBriColor(k, 200, 100, 37))
                << "slider row " << k << ", x " << x;
    for (int j = 0; j < 190; ++j)
        ASSERT_EQ(small.ReadPixel(FieldLeft + 7, FieldTop + j), reference::FieldSatPixel(255 - 7, j))
            << "field row " << j;
}

} // namespace
} // namespace pelmora
