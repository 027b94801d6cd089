#include "color/channels.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pelmora {
namespace {

TEST(SplitChannels, EdgeValues)
{
    struct Row {
        std::int32_t value;
        Channels expected;
    };
    const Row rows[] = {
        {65535, {255, 255, 0}}, {1193046, {86, 52, 18}}, {0, {0, 0, 0}}, {-1, {-1, 0, 0}},
        {static_cast<std::int32_t>(0x8000000Fu), {-241, -255, -255}},
        {static_cast<std::int32_t>(0x80000000u), {0, 0, 0}}, {-256, {0, -1, 0}}, {0x7FFFFFFF, {255, 255, 255}},
        {0x1FFFFFF, {255, 255, 255}}, // the top byte is dropped by the last Mod
    };
    for (const Row& row : rows) {
        const Channels c = SplitChannels(Color(row.value));
        EXPECT_EQ(c, row.expected) << row.value << " gave (" << c.r << ", " << c.g << ", " << c.b << ")";
    }
}

TEST(SplitChannels, EveryRgbValueGivesBackItsBytes)
{
    int mismatches = 0;
    for (std::int32_t v = 0; v <= 0xFFFFFF; ++v) {
        const Channels c = SplitChannels(Color(v));
        if (c.r != (v & 0xFF) || c.g != ((v >> 8) & 0xFF) || c.b != (v >> 16) || RGB(c.r, c.g, c.b) != Color(v)) {
            if (++mismatches < 5)
                ADD_FAILURE() << "value " << v;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace pelmora
