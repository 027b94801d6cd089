#include "color/srgb_transfer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace pelmora {
namespace {

struct ByteTables {
    std::array<double, 256> linear{};
    // midpoint[j]: linear light of the encoded level (j + 0.5) / 255, between bytes j and j + 1.
    std::array<double, 255> midpoint{};
    // firstAbove[k]: how many midpoints lie below k / kBuckets, where the walk for a value in that
    // bucket starts (at most two midpoints share a bucket, so the walk is a step or two).
    static constexpr int kBuckets = 4096;
    std::array<std::uint8_t, kBuckets> firstAbove{};
    ByteTables()
    {
        for (int i = 0; i < 256; ++i)
            linear[static_cast<std::size_t>(i)] = DecodeSrgb(i / 255.0);
        for (int j = 0; j < 255; ++j)
            midpoint[static_cast<std::size_t>(j)] = DecodeSrgb((j + 0.5) / 255.0);
        // One walk up both the buckets and the midpoints (a search per bucket would cost a first
        // read several times as much as the read itself).
        std::size_t below = 0;
        for (int k = 0; k < kBuckets; ++k) {
            const double bucket = static_cast<double>(k) / kBuckets;
            while (below < midpoint.size() && midpoint[below] < bucket)
                ++below;
            firstAbove[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(below);
        }
    }
};

// Computed once: decoding is the hot part of converting colours and of a loupe's average per frame.
const ByteTables& Tables()
{
    static const ByteTables tables;
    return tables;
}

// Built while the program starts (some 20 µs, mostly the curve's powers), so that the first colour a
// user reads does not wait for it. Tables() stays the way in for whoever asks earlier.
[[maybe_unused]] const ByteTables& kBuiltAtStart = Tables();

} // namespace

double DecodeSrgb(double encoded)
{
    const double magnitude = std::fabs(encoded);
    if (magnitude <= 0.04045)
        return encoded / 12.92;
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), encoded);
}

double EncodeSrgb(double linear)
{
    const double magnitude = std::fabs(linear);
    if (magnitude > 0.0031308)
        return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, linear);
    return 12.92 * linear;
}

double ByteToLinear(int byte) { return Tables().linear[static_cast<std::size_t>(std::clamp(byte, 0, 255))]; }

int LinearToByte(double linear)
{
    // Negative and NaN light is black, light from 1 up white.
    if (!(linear > 0))
        return 0;
    if (linear >= 1)
        return 255;
    const ByteTables& tables = Tables();
    // The number of midpoints at or below `linear`: the level whose interval holds it.
    std::size_t level = tables.firstAbove[static_cast<std::size_t>(linear * ByteTables::kBuckets)];
    while (level < tables.midpoint.size() && tables.midpoint[level] <= linear)
        ++level;
    return static_cast<int>(level);
}

} // namespace pelmora
