#include "reference_model.h"

#include <cfenv>
#include <cmath>

namespace pelmora::reference {

namespace {

// A channel the picture byte cannot hold keeps the 0 of the zeroed buffer.
int Stored(double rounded) { return rounded < 0.0 || rounded > 255.0 ? 0 : static_cast<int>(rounded); }

double Round(double value)
{
    return std::nearbyint(value); // default rounding mode: nearest, halves to even
}

} // namespace

Color HueStripRow(int k)
{
    const float s = (265.0f - 10.0f) / 6.0f;
    const double ds = s;
    if (k <= std::floor(1 * s))
        return RGB(255, 0, 6 * k);
    if (k <= std::floor(2 * s))
        return RGB(static_cast<int>(255 - 6 * (k - ds)), 0, 255);
    if (k <= std::floor(3 * s))
        return RGB(0, static_cast<int>(6 * (k - 2 * ds)), 255);
    if (k <= std::floor(4 * s))
        return RGB(0, 255, static_cast<int>(255 - 6 * (k - 3 * ds)));
    if (k <= std::floor(5 * s))
        return RGB(static_cast<int>(6 * (k - 4 * ds)), 255, 0);
    return RGB(255, static_cast<int>(255 - 6 * (k - 5 * ds)), 0);
}

Color FieldHuePixel(int h_r, int h_g, int h_b, int i, int j)
{
    const int y = j;
    const int x = 255 - i;
    auto channel = [&](int h) {
        const double q = h / 255.0;
        const double base = h - y * q;
        const double d = ((255 - y) - base) / 255.0;
        return Stored(Round(x * d + base));
    };
    return RGB(channel(h_r), channel(h_g), channel(h_b));
}

int FieldHueChannel(int h, int i, int j)
{
    const int y = j;
    const int x = 255 - i;
    const double q = h / 255.0;
    const double base = h - y * q;
    const double d = ((255 - y) - base) / 255.0;
    return Stored(Round(x * d + base));
}

int RampValue(int c)
{
    const float s = 42.5f;
    const int b1 = static_cast<int>(Round(1 * s)), b2 = static_cast<int>(Round(2 * s)),
              b3 = static_cast<int>(Round(3 * s)), b4 = static_cast<int>(Round(4 * s)),
              b5 = static_cast<int>(Round(5 * s));
    if (c <= b1)
        return 6 * c;
    if (c <= b2)
        return (6 * b1 + 255) - 6 * c;
    if (c <= b3)
        return 6 * (c - b2 - 1);
    if (c <= b4)
        return (6 * b3 + 255) - 6 * c;
    if (c <= b5)
        return 6 * (c - b4 - 1);
    return (6 * b5 + 255) - 6 * c;
}

namespace {

// Which of max, min, mid each channel takes, segment by segment (red, green, blue).
Color Arrange(int c, int max, int min, int mid)
{
    if (c <= 42)
        return RGB(max, min, mid);
    if (c <= 85)
        return RGB(mid, min, max);
    if (c <= 128)
        return RGB(min, mid, max);
    if (c <= 170)
        return RGB(min, max, mid);
    if (c <= 212)
        return RGB(mid, max, min);
    return RGB(max, mid, min);
}

} // namespace

Color FieldBriPixel(int c, int y)
{
    const double k = 1 - y / 255.0;
    return Arrange(c, 255, y, Stored(Round(y + RampValue(c) * k)));
}

Color FieldSatPixel(int c, int y)
{
    const double k = 1 - y / 255.0;
    return Arrange(c, 255 - y, 0, Stored(Round(RampValue(c) * k)));
}

int SliderBriChannel(int k, int c) { return static_cast<int>(Round(c - (k * c) / 255.0)); }

int SliderSatChannel(int k, int c) { return static_cast<int>(Round(k + c * (1 - k / 255.0))); }

} // namespace pelmora::reference
