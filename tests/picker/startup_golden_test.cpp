// The whole window picture after the start-up drawing order, checked against a picture composed
// independently from the plain formulas and the frame/marker geometry, and against stored hashes.

#include "reference_model.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

using testing::PickerBench;
using testing::Where;

// FNV-1a over the colour values of the pixels, four bytes each, low byte first.
std::uint64_t Fnv1a(const std::vector<Color>& pixels, std::size_t first, std::size_t count)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = first; i < first + count; ++i)
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (static_cast<std::uint32_t>(pixels[i].value()) >> shift) & 0xFFu;
            hash *= 1099511628211ull;
        }
    return hash;
}

std::vector<Color> ReadAll(const Surface& surface)
{
    std::vector<Color> pixels;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            pixels.push_back(surface.ReadPixel(x, y));
    return pixels;
}

// The expected picture, built pixel by pixel: background, strip, frames, field for pure red, then
// the two markers inverted on top (the ring's own pixels taken from a blank surface).
std::vector<Color> ComposeExpected(const PickerBench& bench)
{
    const int width = ClientWidth;
    std::vector<Color> image(static_cast<std::size_t>(ClientWidth * ClientHeight), testing::kTestBackground);
    auto at = [&](int x, int y) -> Color& { return image[static_cast<std::size_t>(y * width + x)]; };
    for (int k = 0; k < 256; ++k)
        for (int x = 277; x <= 291; ++x)
            at(x, 10 + k) = reference::HueStripRow(k);
    auto frame = [&](int left, int top, int right, int bottom) {
        for (int x = left; x < right; ++x)
            at(x, top) = bench.sys(SysColor::DarkShadow3D);
        for (int y = top; y < bottom; ++y)
            at(left, y) = bench.sys(SysColor::DarkShadow3D);
        for (int x = left; x < right; ++x)
            at(x, bottom - 1) = bench.sys(SysColor::Light3D);
        for (int y = top; y < bottom; ++y)
            at(right - 1, y) = bench.sys(SysColor::Light3D);
    };
    frame(276, 9, 293, 268);
    for (int j = 0; j < 256; ++j)
        for (int i = 0; i < 256; ++i)
            at(10 + i, 10 + j) = reference::FieldHuePixel(255, 0, 0, i, j);
    frame(9, 9, 268, 268);
    for (int y = 264; y <= 266; ++y)
        for (int x : {272, 273, 274, 275, 294, 295, 296, 297})
            at(x, y) = at(x, y).inverted();
    Surface blank;
    blank.InvertCircle(265, 10, 5);
    for (int y = 0; y < 20; ++y)
        for (int x = 255; x < 275; ++x)
            if (blank.ReadPixel(x, y) != blank.background())
                at(x, y) = at(x, y).inverted();
    return image;
}

TEST(StartupPicture, MatchesTheComposedPictureAndTheStoredHashes)
{
    PickerBench bench;
    bench.picker.DrawHueStrip();
    bench.picker.DrawSliderMarker(SliderMarkerRow(bench.picker.sliderMarkerY()));
    bench.picker.ToggleFieldMarker();
    bench.picker.DrawFieldHue(255, 0, 0);

    const std::vector<Color> got = ReadAll(bench.surface);
    const std::vector<Color> expected = ComposeExpected(bench);
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], expected[i]) << Where(static_cast<int>(i % ClientWidth), static_cast<int>(i / ClientWidth));

    // Stored small: the hash of the whole picture and of a handful of rows that cross the ring,
    // the frames, the field and the slider marker.
    const std::size_t w = ClientWidth;
    EXPECT_EQ(Fnv1a(got, 0, got.size()), 0x1CED646BF01438D5ull) << "whole picture";
    const std::pair<int, std::uint64_t> rows[] = {
        {5, 0x0F783F6CFC7DE2C2ull},
        {9, 0x777F77BFCEBA3067ull},
        {10, 0x22EE324647659682ull},
        {137, 0xA0389692C66B470Eull},
        {265, 0x465DEEA0063884DAull},
        {266, 0x3F9E4F2016C6C503ull},
        {267, 0x82B06804B59F31C3ull},
    };
    for (auto [y, hash] : rows)
        EXPECT_EQ(Fnv1a(got, static_cast<std::size_t>(y) * w, w), hash) << "row " << y;
}

} // namespace
} // namespace pelmora
