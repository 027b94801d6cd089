#include "color/color.h"
#include "color/system_colors.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ColorValue, RgbCompositionCountsArgumentsAbove255As255)
{
    EXPECT_EQ(RGB(255, 255, 0), Color(65535));
    EXPECT_EQ(RGB(0x56, 0x34, 0x12), Color(0x123456));
    EXPECT_EQ(RGB(300, 1000, 256), Color(0xFFFFFF));
    EXPECT_EQ(RGB(-4, 0, 0), Color(0));
}

TEST(ColorValue, SystemCodesAreNegativeAndNotRgb)
{
    EXPECT_EQ(Color::systemCode(15).value(), -2147483633);
    EXPECT_EQ(Color::systemCode(24).value(), static_cast<std::int32_t>(0x80000018u));
    EXPECT_TRUE(Color::systemCode(0).isSystemCode());
    EXPECT_FALSE(Color::none().isSystemCode());
    EXPECT_FALSE(Color::none().isRgb());
}

TEST(ColorValue, InvertTwiceRestores)
{
    for (std::int32_t v : {0, 1, 0x123456, 0xFFFFFF})
        EXPECT_EQ(Color(v).inverted().inverted(), Color(v));
    EXPECT_EQ(Color(0x123456).inverted(), Color(0xEDCBA9));
}

TEST(SystemColorNames, FollowTheDisplayElementOrder)
{
    EXPECT_EQ(SysColorNames[15], "vbButtonFace");
    EXPECT_EQ(SysColorNames[0], "vbScrollBars");
    EXPECT_EQ(SysColorNames[24], "vbInfoBackground");
    DefaultSystemColors colors;
    EXPECT_EQ(colors.GetSysColor(25), Color::black());
    for (int i = 0; i < kSysColorCount; ++i)
        EXPECT_TRUE(colors.GetSysColor(i).isRgb()) << i;
}

} // namespace
} // namespace pelmora
