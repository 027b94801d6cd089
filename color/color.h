#pragma once
// The colour value: one signed 32-bit integer laid out 0x00BBGGRR (red in the low byte).
// Negative values 0x800000nn name system colour nn (display element 0..24); -1 means "no colour",
// which is what reading a pixel outside the surface yields.

#include <cstdint>
#include <iosfwd>

namespace pelmora {

class Color {
public:
    constexpr Color() = default;
    constexpr explicit Color(std::int32_t value)
        : value_(value)
    {
    }

    static constexpr Color none() { return Color(-1); }
    static constexpr Color black() { return Color(0); }
    static constexpr Color white() { return Color(0xFFFFFF); }
    // The code of system colour `index` (0..24): hex 80000000 + index.
    static constexpr Color systemCode(int index)
    {
        return Color(static_cast<std::int32_t>(0x80000000u + static_cast<std::uint32_t>(index & 0xFF)));
    }

    constexpr std::int32_t value() const { return value_; }
    constexpr bool isRgb() const { return value_ >= 0 && value_ <= 0xFFFFFF; }
    constexpr bool isSystemCode() const { return value_ < -1; }

    // Mask-based channels, always 0..255 (the output-code builder's split).
    constexpr int red() const { return value_ & 0xFF; }
    constexpr int green() const { return (value_ & 0xFF00) >> 8; }
    constexpr int blue() const { return (value_ & 0xFF0000) >> 16; }

    // Complement of the low 24 bits: what an invert-mode drawing does to a pixel.
    constexpr Color inverted() const { return Color(value_ ^ 0xFFFFFF); }

    friend constexpr bool operator==(Color, Color) = default;

private:
    std::int32_t value_ = 0;
};

// RGB composition: r + 256 g + 65536 b. An argument above 255 counts as 255 (and one below 0 as 0).
constexpr Color RGB(int r, int g, int b)
{
    auto clamp = [](int c) { return c < 0 ? 0 : (c > 255 ? 255 : c); };
    return Color(clamp(r) + 256 * clamp(g) + 65536 * clamp(b));
}

std::ostream& operator<<(std::ostream& out, Color color); // for test failure messages

} // namespace pelmora
