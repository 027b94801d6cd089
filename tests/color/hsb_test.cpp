#include "color/hsb.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ColorOfHsb, BlendsTowardWhiteThenScales)
{
    struct Row { const char* what; Channels hue; int s, b; Color expected; };
    const Row rows[] = {
        {"red S50 B100: 127.5 -> 128", {255, 0, 0}, 50, 100, RGB(255, 128, 128)},
        {"red S50 B0", {255, 0, 0}, 50, 0, RGB(0, 0, 0)},
        {"red S100 B100", {255, 0, 0}, 100, 100, RGB(255, 0, 0)},
        {"S0 is grey 255*B/100: 127.5 -> 128", {0, 255, 64}, 0, 50, RGB(128, 128, 128)},
        {"(0,0,255) S50 B50: 63.75", {0, 0, 255}, 50, 50, RGB(64, 64, 128)},
        {"S 30 B 30: 53.55 and the tie 76.5 -> 76", {0, 255, 255}, 30, 30, RGB(54, 76, 76)},
        {"negative S extrapolates above 255, clamped", {0, 0, 0}, -100, 100, RGB(255, 255, 255)},
        {"negative B clamps to 0", {255, 128, 0}, 100, -50, RGB(0, 0, 0)},
        {"blend product beyond 16 bits", {0, 0, 0}, -32768, 1, RGB(255, 255, 255)},
        {"extreme B", {10, 0, 0}, 100, 32767, RGB(255, 0, 0)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ColorOfHsb(row.hue, row.s, row.b), row.expected) << row.what;
}

} // namespace
} // namespace pelmora
