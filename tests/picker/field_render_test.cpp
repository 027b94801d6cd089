#include "reference_model.h"
#include "test_support.h"

#include "picker/field_pictures.h"
#include "picker/geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace pelmora {
namespace {

using testing::PickerBench;
using testing::Where;

// Every pixel of a field on the surface against the plain evaluation; stops at the first mismatch
// so a wrong formula reports one readable line rather than 65,536.
void ExpectWholeField(
    const PickerBench& bench, const std::function<Color(int i, int j)>& expected, const std::string& what)
{
    for (int j = 0; j < FieldSize; ++j)
        for (int i = 0; i < FieldSize; ++i) {
            const Color want = expected(i, j);
            const Color got = bench.at(FieldLeft + i, FieldTop + j);
            if (got != want) {
                ADD_FAILURE() << what << ": field column " << i << ", row " << j << " is " << got << ", expected "
                              << want;
                return;
            }
        }
}

TEST(FieldRenderers, HueFieldMatchesTheFormulaAtEveryPixelForManyHues)
{
    // Pure hues as the strip gives them, plus inputs that are not pure hues at all.
    const std::array<std::array<int, 3>, 10> hues = {{
        {255, 0, 0},
        {0, 0, 255},
        {0, 255, 0},
        {255, 0, 252},
        {0, 6, 255},
        {127, 255, 0},
        {255, 1, 0},
        {0, 255, 128},
        {200, 100, 37},
        {0, 0, 0},
    }};
    for (const auto& hue : hues) {
        PickerBench bench;
        bench.parkFieldMarker();
        bench.picker.DrawFieldHue(hue[0], hue[1], hue[2]);
        ExpectWholeField(
            bench, [&](int i, int j) { return reference::FieldHuePixel(hue[0], hue[1], hue[2], i, j); },
            "DrawFieldHue(" + std::to_string(hue[0]) + ", " + std::to_string(hue[1]) + ", " + std::to_string(hue[2])
                + ")");
    }
}

TEST(FieldRenderers, SaturationAndBrightnessFieldsMatchTheFormulaMirrored)
{
    PickerBench bench;
    bench.parkFieldMarker();
    bench.picker.DrawFieldSat();
    ExpectWholeField(
        bench, [](int i, int j) { return reference::FieldSatPixel(255 - i, j); }, "DrawFieldSat");
    bench.picker.DrawFieldBri();
    ExpectWholeField(
        bench, [](int i, int j) { return reference::FieldBriPixel(255 - i, j); }, "DrawFieldBri");
}

TEST(FieldRenderers, PicturesAreStoredBottomUpInBlueGreenRedOrder)
{
    const PickerBitmap picture = MakeFieldHuePicture(255, 0, 0);
    EXPECT_EQ(picture.stride(), 768);
    ASSERT_EQ(picture.size(), 196608u);
    // The first stored row is the field's bottom row (black); the last stored row's last pixel is the hue.
    for (int byte = 0; byte < 768; ++byte)
        ASSERT_EQ(picture.data()[byte], 0) << "bottom row byte " << byte;
    const std::uint8_t* top = picture.data() + 255 * 768;
    EXPECT_EQ(top[0], 255); // top-left white
    EXPECT_EQ(top[255 * 3 + 0], 0); // blue
    EXPECT_EQ(top[255 * 3 + 1], 0); // green
    EXPECT_EQ(top[255 * 3 + 2], 255); // red
}

struct Landmark {
    const char* name;
    std::function<void(Picker&)> draw;
    int x, y;
    Color expected;
};

TEST(FieldRenderers, Landmarks)
{
    const int left = FieldLeft, top = FieldTop;
    // Picture column c of the mirrored fields shows at x = FieldLeft + 255 - c.
    auto column = [](int c) { return FieldLeft + 255 - c; };
    const Landmark landmarks[] = {
        {"hue red: top-right is the hue", [](Picker& p) { p.DrawFieldHue(255, 0, 0); }, 265, 10, RGB(255, 0, 0)},
        {"hue red: top-left white", [](Picker& p) { p.DrawFieldHue(255, 0, 0); }, 10, 10, RGB(255, 255, 255)},
        {"hue red: left column grey 255-127", [](Picker& p) { p.DrawFieldHue(255, 0, 0); }, 10, 137,
            RGB(128, 128, 128)},
        {"hue blue: top-right is the hue", [](Picker& p) { p.DrawFieldHue(0, 0, 255); }, left + 255, top,
            RGB(0, 0, 255)},
        {"hue blue: top-left white", [](Picker& p) { p.DrawFieldHue(0, 0, 255); }, left, top, RGB(255, 255, 255)},
        {"bri top c85: red -3 stays 0", [](Picker& p) { p.DrawFieldBri(); }, column(85), top, RGB(0, 0, 255)},
        {"bri top c255", [](Picker& p) { p.DrawFieldBri(); }, column(255), top, RGB(255, 0, 0)},
        {"bri top c170", [](Picker& p) { p.DrawFieldBri(); }, column(170), top, RGB(0, 255, 3)},
        {"bri top c171", [](Picker& p) { p.DrawFieldBri(); }, column(171), top, RGB(0, 255, 0)},
        {"bri row 1 c85: red -2 stays 0", [](Picker& p) { p.DrawFieldBri(); }, column(85), top + 1, RGB(0, 1, 255)},
        {"bri row 3 c85: red rounds to 0", [](Picker& p) { p.DrawFieldBri(); }, column(85), top + 3, RGB(0, 3, 255)},
        {"bri row 4 c85: red positive", [](Picker& p) { p.DrawFieldBri(); }, column(85), top + 4, RGB(1, 4, 255)},
        {"bri field column 43 is yellowish", [](Picker& p) { p.DrawFieldBri(); }, left + 43, top, RGB(246, 255, 0)},
        {"sat top c43 is not the strip's row 43", [](Picker& p) { p.DrawFieldSat(); }, column(43), top,
            RGB(249, 0, 255)},
    };
    for (const Landmark& landmark : landmarks) {
        PickerBench bench;
        bench.parkFieldMarker();
        landmark.draw(bench.picker);
        EXPECT_EQ(bench.at(landmark.x, landmark.y), landmark.expected)
            << landmark.name << " at " << Where(landmark.x, landmark.y);
    }
}

TEST(FieldRenderers, HueFieldBottomRowIsBlackAndLeftColumnGrey)
{
    PickerBench bench;
    bench.parkFieldMarker();
    bench.picker.DrawFieldHue(255, 0, 0);
    for (int i = 0; i < FieldSize; ++i)
        EXPECT_EQ(bench.at(FieldLeft + i, FieldBottom), Color::black()) << "bottom row, field column " << i;
    for (int j = 0; j < FieldSize; ++j)
        EXPECT_EQ(bench.at(FieldLeft, FieldTop + j), RGB(255 - j, 255 - j, 255 - j)) << "left column, field row " << j;
}

TEST(FieldRenderers, SaturationAndBrightnessShareTheTopRowAndEndBlackAndWhite)
{
    PickerBench sat, bri;
    sat.parkFieldMarker();
    bri.parkFieldMarker();
    sat.picker.DrawFieldSat();
    bri.picker.DrawFieldBri();
    for (int x = FieldLeft; x <= FieldRight; ++x) {
        EXPECT_EQ(sat.at(x, FieldTop), bri.at(x, FieldTop)) << "top row, " << Where(x, FieldTop);
        EXPECT_EQ(sat.at(x, FieldBottom), Color::black()) << "saturation bottom row, " << Where(x, FieldBottom);
        EXPECT_EQ(bri.at(x, FieldBottom), Color::white()) << "brightness bottom row, " << Where(x, FieldBottom);
    }
}

TEST(HueStrip, EveryRowMatchesTheTableAcrossAllFifteenColumns)
{
    const std::pair<int, Color> landmarks[] = {
        {0, RGB(255, 0, 0)},
        {42, RGB(255, 0, 252)},
        {43, RGB(252, 0, 255)},
        {85, RGB(0, 0, 255)},
        {86, RGB(0, 6, 255)},
        {127, RGB(0, 252, 255)},
        {128, RGB(0, 255, 252)},
        {170, RGB(0, 255, 0)},
        {171, RGB(6, 255, 0)},
        {212, RGB(252, 255, 0)},
        {213, RGB(255, 252, 0)},
        {255, RGB(255, 0, 0)},
    };
    PickerBench bench;
    bench.picker.DrawHueStrip();
    for (auto [k, color] : landmarks)
        EXPECT_EQ(bench.at(SliderLeft + 3, SliderTop + k), color) << "strip row " << k;
    for (int k = 0; k < SliderHeight; ++k)
        for (int x = SliderLeft; x < SliderRight; ++x)
            ASSERT_EQ(bench.at(x, SliderTop + k), reference::HueStripRow(k))
                << "strip row " << k << ", " << Where(x, SliderTop + k);
}

TEST(HueStrip, PaddingBytesCarryTheRowColour)
{
    const PickerBitmap strip = MakeHueStripPicture();
    ASSERT_EQ(strip.stride(), 48);
    ASSERT_EQ(strip.size(), 12288u);
    const std::uint8_t* row43 = strip.storedRow(43);
    EXPECT_EQ(row43[45], 255); // blue
    EXPECT_EQ(row43[46], 0); // green
    EXPECT_EQ(row43[47], 252); // red
}

TEST(Sliders, EveryRowAndChannelValueMatchesTheFormula)
{
    for (int k = 0; k < 256; ++k)
        for (int c = 0; c < 256; ++c) {
            ASSERT_EQ(SliderBriColor(k, c, 0, 0).red(), reference::SliderBriChannel(k, c))
                << "brightness row " << k << ", channel " << c;
            ASSERT_EQ(SliderSatColor(k, 0, c, 0).green(), reference::SliderSatChannel(k, c))
                << "saturation row " << k << ", channel " << c;
        }
}

TEST(Sliders, PaintFifteenColumnsPerRowOnTheSurface)
{
    PickerBench bench;
    bench.picker.DrawSliderBri(128, 64, 0);
    EXPECT_EQ(bench.at(SliderLeft, SliderTop + 1), RGB(127, 64, 0));
    EXPECT_EQ(bench.at(SliderLeft, SliderTop), RGB(128, 64, 0));
    EXPECT_EQ(bench.at(SliderRight - 1, SliderBottom), Color::black());
    bench.picker.DrawSliderBri(255, 255, 255);
    for (int k = 0; k < 256; ++k)
        ASSERT_EQ(bench.at(SliderLeft + 7, SliderTop + k), RGB(255 - k, 255 - k, 255 - k))
            << "brightness slider row " << k;
    bench.picker.DrawSliderSat(0, 0, 0);
    for (int k = 0; k < 256; ++k)
        ASSERT_EQ(bench.at(SliderRight - 1, SliderTop + k), RGB(k, k, k)) << "saturation slider row " << k;
    bench.picker.DrawSliderSat(10, 200, 90);
    EXPECT_EQ(bench.at(SliderLeft, SliderBottom), Color::white());
    // The slider's own columns only: the frame line at x = 292 is the frame's light colour.
    EXPECT_EQ(bench.at(SliderRight, SliderTop + 50), bench.sys(SysColor::Light3D));
}

} // namespace
} // namespace pelmora
