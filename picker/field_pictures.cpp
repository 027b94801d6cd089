#include "picker/field_pictures.h"

#include "picker/even_nearest.h"
#include "picker/geometry.h"
#include "picker/hue_ramp.h"

#include <array>
#include <cstdint>

namespace pelmora {

namespace {

using picker_detail::EvenNearest;
using picker_detail::kRoundingMagic;

constexpr int kMaxChannel = 255;

// Channel bytes in the order a 24-bit picture stores them.
void StorePixel(std::uint8_t* pixel, int red, int green, int blue)
{
    pixel[0] = static_cast<std::uint8_t>(blue);
    pixel[1] = static_cast<std::uint8_t>(green);
    pixel[2] = static_cast<std::uint8_t>(red);
}

// A value outside 0 .. 255 cannot be stored in a channel byte; the byte keeps its 0.
int StorableChannel(std::int64_t value)
{
    return value >= 0 && value <= kMaxChannel ? static_cast<int>(value) : 0;
}

// One channel of a Hue-mode field row: round(x * d + base) for x = 255 - i at column i.
// Kept branch-free with the rounding-by-magic-constant so the compiler can vectorise it.
void FieldHueChannelRow(double base, double d, std::uint8_t* out)
{
    for (int i = 0; i < 256; ++i) {
        const double x = static_cast<double>(255 - i);
        const double rounded = (x * d + base + kRoundingMagic) - kRoundingMagic;
        const auto value = static_cast<std::int32_t>(rounded);
        out[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) <= 255u ? value : 0);
    }
}

// The shared frame of the Saturation- and Brightness-mode fields: per picture row y the channel
// values max(y), min(y) and mid = round(midOffset(y) + v(c) * k), k = 1 - y / 255, placed by
// the ramp segment of column c.
template <typename MaxOf, typename MinOf, typename MidOffsetOf>
PickerBitmap MakeRampField(MaxOf maxOf, MinOf minOf, MidOffsetOf midOffsetOf)
{
    PickerBitmap picture(FieldSize, FieldSize);
    constexpr auto segments = HueRampSegments();
    for (int y = 0; y < FieldSize; ++y) {
        const double k = 1.0 - static_cast<double>(y) / 255.0;
        const int max = maxOf(y);
        const int min = minOf(y);
        std::uint8_t* row = picture.pictureRow(y);
        for (const RampSegment& segment : segments) {
            for (int c = segment.first; c <= segment.last; ++c) {
                const int mid = StorableChannel(EvenNearest(midOffsetOf(y) + static_cast<double>(HueRampValue(c)) * k));
                auto pick = [&](RampRole role) { return role == RampRole::Max ? max : role == RampRole::Min ? min : mid; };
                StorePixel(row + 3 * c, pick(segment.red), pick(segment.green), pick(segment.blue));
            }
        }
    }
    return picture;
}

} // namespace

Color HueStripColor(int k)
{
    // Segment bounds floor(i * 42.5) in single precision: 42, 85, 127, 170, 212, 255.
    constexpr float s = static_cast<float>(FieldBottom - FieldTop) / 6.0f;
    auto bound = [&](int i) { return static_cast<int>(static_cast<float>(i) * s); };
    if (k <= bound(1))
        return RGB(255, 0, 6 * k);
    if (k <= bound(2))
        return RGB(510 - 6 * k, 0, 255);
    if (k <= bound(3))
        return RGB(0, 6 * k - 510, 255);
    if (k <= bound(4))
        return RGB(0, 255, 1020 - 6 * k);
    if (k <= bound(5))
        return RGB(6 * k - 1020, 255, 0);
    return RGB(255, 1530 - 6 * k, 0);
}

PickerBitmap MakeHueStripPicture()
{
    PickerBitmap picture(SliderWidth, SliderHeight);
    const int slots = picture.stride() / 3;  // 16: the padding bytes take the row colour as well
    for (int k = 0; k < SliderHeight; ++k) {
        const Color color = HueStripColor(k);
        std::uint8_t* row = picture.storedRow(k);
        for (int slot = 0; slot < slots; ++slot)
            StorePixel(row + 3 * slot, color.red(), color.green(), color.blue());
    }
    return picture;
}

PickerBitmap MakeFieldHuePicture(int r, int g, int b)
{
    PickerBitmap picture(FieldSize, FieldSize);
    const std::array<int, 3> hue = {r, g, b};
    std::array<double, 3> q{};
    for (std::size_t channel = 0; channel < 3; ++channel)
        q[channel] = static_cast<double>(hue[channel]) / 255.0;

    std::array<std::array<std::uint8_t, 256>, 3> channelRows{};
    for (int y = 0; y < FieldSize; ++y) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const double h = static_cast<double>(hue[channel]);
            const double base = h - static_cast<double>(y) * q[channel];
            const double d = (static_cast<double>(255 - y) - base) / 255.0;
            FieldHueChannelRow(base, d, channelRows[channel].data());
        }
        std::uint8_t* row = picture.pictureRow(y);
        for (int i = 0; i < FieldSize; ++i)
            StorePixel(row + 3 * i, channelRows[0][static_cast<std::size_t>(i)], channelRows[1][static_cast<std::size_t>(i)],
                       channelRows[2][static_cast<std::size_t>(i)]);
    }
    return picture;
}

PickerBitmap MakeFieldBriPicture()
{
    return MakeRampField([](int) { return 255; }, [](int y) { return y; }, [](int y) { return static_cast<double>(y); });
}

PickerBitmap MakeFieldSatPicture()
{
    return MakeRampField([](int y) { return 255 - y; }, [](int) { return 0; }, [](int) { return 0.0; });
}

const PickerBitmap& FieldSatPicture()
{
    static const PickerBitmap picture = MakeFieldSatPicture();
    return picture;
}

const PickerBitmap& FieldBriPicture()
{
    static const PickerBitmap picture = MakeFieldBriPicture();
    return picture;
}

// round(C - (k * C) / 255) and round(k + C * (1 - k / 255)) are the rationals C(255 - k) / 255
// and (255k + C(255 - k)) / 255. With the odd denominator no value is a half (each is at least
// 1/510 away from one), far beyond the double error of about 1e-13, so integer rounding of the
// rationals gives exactly the floating-point results; the tests check all 65,536 (k, C) pairs.
Color SliderBriColor(int k, int r, int g, int b)
{
    auto channel = [k](int c) { return (c * (255 - k) + 127) / 255; };
    return RGB(channel(r), channel(g), channel(b));
}

Color SliderSatColor(int k, int r, int g, int b)
{
    auto channel = [k](int c) { return (255 * k + c * (255 - k) + 127) / 255; };
    return RGB(channel(r), channel(g), channel(b));
}

} // namespace pelmora
