#include "picker/field_pictures.h"

#include "color/rounding.h"
#include "picker/geometry.h"
#include "picker/hue_ramp.h"

#include "picker/surface.h"

#include <array>
#include <cstdint>
#include <vector>

// The row loops below vectorise; on x86-64 they are also built for the wider vector units, and the
// loader picks the best clone the CPU runs. Every clone does the same IEEE operations in the same
// order, so the pixels do not depend on the clone. Other architectures build the one plain version.
#if defined(__x86_64__)
#define PELMORA_VECTOR_CLONES [[gnu::target_clones("arch=x86-64-v4", "avx2", "default")]]
#else
#define PELMORA_VECTOR_CLONES
#endif

namespace pelmora {

namespace {

constexpr int kMaxChannel = 255;

// Channel bytes in the order a 24-bit picture stores them.
void StorePixel(std::uint8_t* pixel, int red, int green, int blue)
{
    pixel[0] = static_cast<std::uint8_t>(blue);
    pixel[1] = static_cast<std::uint8_t>(green);
    pixel[2] = static_cast<std::uint8_t>(red);
}

// A value outside 0 .. 255 cannot be stored in a channel byte; the byte keeps its 0.
int StorableChannel(std::int64_t value) { return value >= 0 && value <= kMaxChannel ? static_cast<int>(value) : 0; }

// A Hue-mode field channel is round(x * d + base) with base = h - y * h / 255 and
// d = ((255 - y) - base) / 255, which is the rational (255 - y)(255h + x(255 - h)) / 65025. Its
// denominator is odd, so no value is a half, and each lies at least 1/130050 from one: far beyond
// the error of the double evaluation, so the integer rounding floor((numerator + 32512) / 65025)
// gives the same pixel. The numerator stays below 2^24, so the quotient is taken in single
// precision: a float holds every such numerator exactly, and multiplying by the rounded reciprocal
// of 65025 and truncating is exact over that whole range (the tests check every numerator), with
// the same result on any CPU because each step is a correctly rounded IEEE operation and
// contraction into fused multiply-adds is off. That keeps 16 lanes per instruction where the CPU
// has them.
constexpr float kInverse65025 = 1.0f / 65025.0f;
constexpr int kHalf65025 = 32512;

struct HueChannelLine {
    std::int32_t atLastColumn; // numerator for x = 0 (field column 255)
    std::int32_t step; // added per x, subtracted per field column
};

HueChannelLine MakeHueChannelLine(int h, int y)
{
    const int brightness = kMaxChannel - y;
    return {brightness * kMaxChannel * h + kHalf65025, brightness * (kMaxChannel - h)};
}

// The plain double evaluation, for inputs outside 0 .. 255 that the integer form does not cover.
int FieldHueChannelPlain(int h, int y, int i)
{
    const double q = static_cast<double>(h) / 255.0;
    const double base = static_cast<double>(h) - static_cast<double>(y) * q;
    const double d = (static_cast<double>(255 - y) - base) / 255.0;
    return StorableChannel(EvenNearest(static_cast<double>(255 - i) * d + base));
}

bool IsChannel(int value) { return value >= 0 && value <= kMaxChannel; }

PELMORA_VECTOR_CLONES void FieldHuePixelRowFast(
    HueChannelLine red, HueChannelLine green, HueChannelLine blue, std::uint32_t* out)
{
    for (int i = 0; i < FieldSize; ++i) {
        const int x = 255 - i;
        const auto r = static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<float>(red.atLastColumn + red.step * x) * kInverse65025));
        const auto g = static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<float>(green.atLastColumn + green.step * x) * kInverse65025));
        const auto b = static_cast<std::uint32_t>(
            static_cast<std::int32_t>(static_cast<float>(blue.atLastColumn + blue.step * x) * kInverse65025));
        out[i] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
}

PELMORA_VECTOR_CLONES void FieldHueChannelRowFast(HueChannelLine line, std::uint8_t* out)
{
    for (int i = 0; i < FieldSize; ++i)
        out[i] = static_cast<std::uint8_t>(
            static_cast<std::int32_t>(static_cast<float>(line.atLastColumn + line.step * (255 - i)) * kInverse65025));
}

// The shared frame of the Saturation- and Brightness-mode fields: per picture row y the channel
// values max(y), min(y) and mid = round(midOffset(y) + v(c) * k), k = 1 - y / 255, placed by
// the ramp segment of column c.
template <typename MaxOf, typename MinOf, typename MidOffsetOf>
PickerBitmap MakeRampField(MaxOf maxOf, MinOf minOf, MidOffsetOf midOffsetOf)
{
    PickerBitmap picture(FieldSize, FieldSize);
    const auto segments = HueRampSegments();
    for (int y = 0; y < FieldSize; ++y) {
        const double k = 1.0 - static_cast<double>(y) / 255.0;
        const int max = maxOf(y);
        const int min = minOf(y);
        std::uint8_t* row = picture.pictureRow(y);
        for (const RampSegment& segment : segments) {
            for (int c = segment.first; c <= segment.last; ++c) {
                const int mid = StorableChannel(EvenNearest(midOffsetOf(y) + static_cast<double>(HueRampValue(c)) * k));
                auto pick = [&](RampRole role) {
                    return role == RampRole::Max ? max : role == RampRole::Min ? min : mid;
                };
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
    const int slots = picture.stride() / 3; // 16: the padding bytes take the row colour as well
    for (int k = 0; k < SliderHeight; ++k) {
        const Color color = HueStripColor(k);
        std::uint8_t* row = picture.storedRow(k);
        for (int slot = 0; slot < slots; ++slot)
            StorePixel(row + 3 * slot, color.red(), color.green(), color.blue());
    }
    return picture;
}

void FieldHueChannelRow(int h, int y, std::uint8_t* out)
{
    if (IsChannel(h) && y >= 0 && y < FieldSize) {
        FieldHueChannelRowFast(MakeHueChannelLine(h, y), out);
        return;
    }
    for (int i = 0; i < FieldSize; ++i)
        out[i] = static_cast<std::uint8_t>(FieldHueChannelPlain(h, y, i));
}

void FieldHuePixelRow(int r, int g, int b, int y, std::uint32_t* out)
{
    if (IsChannel(r) && IsChannel(g) && IsChannel(b) && y >= 0 && y < FieldSize) {
        FieldHuePixelRowFast(MakeHueChannelLine(r, y), MakeHueChannelLine(g, y), MakeHueChannelLine(b, y), out);
        return;
    }
    for (int i = 0; i < FieldSize; ++i)
        out[i] = Surface::ToPixel(
            RGB(FieldHueChannelPlain(r, y, i), FieldHueChannelPlain(g, y, i), FieldHueChannelPlain(b, y, i)));
}

PickerBitmap MakeFieldHuePicture(int r, int g, int b)
{
    PickerBitmap picture(FieldSize, FieldSize);
    std::array<std::array<std::uint8_t, FieldSize>, 3> channelRows{};
    for (int y = 0; y < FieldSize; ++y) {
        FieldHueChannelRow(r, y, channelRows[0].data());
        FieldHueChannelRow(g, y, channelRows[1].data());
        FieldHueChannelRow(b, y, channelRows[2].data());
        std::uint8_t* row = picture.pictureRow(y);
        for (std::size_t i = 0; i < FieldSize; ++i)
            StorePixel(row + 3 * i, channelRows[0][i], channelRows[1][i], channelRows[2][i]);
    }
    return picture;
}

PickerBitmap MakeFieldBriPicture()
{
    return MakeRampField(
        [](int) { return 255; }, [](int y) { return y; }, [](int y) { return static_cast<double>(y); });
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

namespace {

// The picture as the surface shows it, put through the same left-right mirrored copy.
std::vector<std::uint32_t> MirroredFieldPixels(const PickerBitmap& picture)
{
    Surface field(FieldSize, FieldSize);
    field.PutPicture(picture, 0, 0, Mirror::LeftRight);
    return {field.pixels(), field.pixels() + FieldSize * FieldSize};
}

} // namespace

std::span<const std::uint32_t> FieldSatPixels()
{
    static const std::vector<std::uint32_t> pixels = MirroredFieldPixels(FieldSatPicture());
    return pixels;
}

std::span<const std::uint32_t> FieldBriPixels()
{
    static const std::vector<std::uint32_t> pixels = MirroredFieldPixels(FieldBriPicture());
    return pixels;
}

namespace {

PELMORA_VECTOR_CLONES void SliderPixelsFast(
    std::uint32_t towardWhite, std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t* out)
{
    // The same rationals as SliderSatColor (towardWhite 1) and SliderBriColor (towardWhite 0); the
    // numerators stay below 2^16, which lets the division by 255 run in narrow vector lanes.
    for (std::uint32_t k = 0; k < SliderHeight; ++k) {
        const std::uint32_t white = towardWhite * 255u * k + 127u;
        const std::uint32_t keep = 255u - k;
        out[k] = 0xFF000000u | ((white + r * keep) / 255u) << 16 | ((white + g * keep) / 255u) << 8
            | (white + b * keep) / 255u;
    }
}

template <typename ColorOfRow> void SliderPixelsPlain(ColorOfRow colorOfRow, std::uint32_t* out)
{
    for (int k = 0; k < SliderHeight; ++k)
        out[k] = Surface::ToPixel(colorOfRow(k));
}

} // namespace

void SliderSatPixels(int r, int g, int b, std::uint32_t* out)
{
    if (IsChannel(r) && IsChannel(g) && IsChannel(b))
        SliderPixelsFast(
            1, static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(g), static_cast<std::uint32_t>(b), out);
    else
        SliderPixelsPlain([&](int k) { return SliderSatColor(k, r, g, b); }, out);
}

void SliderBriPixels(int r, int g, int b, std::uint32_t* out)
{
    if (IsChannel(r) && IsChannel(g) && IsChannel(b))
        SliderPixelsFast(
            0, static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(g), static_cast<std::uint32_t>(b), out);
    else
        SliderPixelsPlain([&](int k) { return SliderBriColor(k, r, g, b); }, out);
}

} // namespace pelmora
