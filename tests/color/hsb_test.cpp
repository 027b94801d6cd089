#include "color/hsb.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ColorOfHsb, BlendsTowardWhiteThenScales)
{
    struct Row {
        const char* what;
        Channels hue;
        int s, b;
        Color expected;
    };
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

TEST(HsbOfColor, GivesTheWholeNumbersTheBoxesShow)
{
    struct Row {
        const char* what;
        Color color;
        HsbNumbers expected;
    };
    const Row rows[] = {
        {"black has no hue and no saturation", RGB(0, 0, 0), {0, 0, 0}},
        {"white", RGB(255, 255, 255), {0, 0, 100}},
        {"grey 128: 50.196 %", RGB(128, 128, 128), {0, 0, 50}},
        {"red", RGB(255, 0, 0), {0, 100, 100}},
        {"yellow", RGB(255, 255, 0), {60, 100, 100}},
        {"green of hsl(120 100% 25%)", RGB(0, 128, 0), {120, 100, 50}},
        {"cyan", RGB(0, 255, 255), {180, 100, 100}},
        {"blue", RGB(0, 0, 255), {240, 100, 100}},
        {"magenta", RGB(255, 0, 255), {300, 100, 100}},
        {"orange: 128/255 of a sixth is 30.12 degrees", RGB(255, 128, 0), {30, 100, 100}},
        {"a red just below 360 rounds to 0, not 360", RGB(255, 0, 1), {0, 100, 100}},
        {"a red at 359 degrees stays 359", RGB(255, 0, 4), {359, 100, 100}},
        {"S 127/255 = 49.8 % -> 50", RGB(255, 128, 128), {0, 50, 100}},
        {"azure", RGB(0, 85, 255), {220, 100, 100}},
        {"S 0.5 % ties to the even 0", RGB(200, 199, 199), {0, 0, 78}},
        {"S 1.5 % ties to the even 2", RGB(200, 197, 197), {0, 2, 78}},
        {"139.39, 81.59, 78.82", RGB(37, 201, 90), {139, 82, 79}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(HsbOfColor(SplitChannels(row.color)), row.expected) << row.what;
}

} // namespace
} // namespace pelmora
