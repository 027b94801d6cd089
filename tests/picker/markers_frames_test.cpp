#include "test_support.h"

#include "picker/geometry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace pelmora {
namespace {

using testing::PickerBench;
using testing::Where;

std::vector<std::uint32_t> Snapshot(const Surface& surface)
{
    return {surface.pixels(),
        surface.pixels() + static_cast<std::size_t>(surface.width()) * static_cast<std::size_t>(surface.height())};
}

// A picture with the field, both frames and the strip, so a marker crosses varied pixels.
PickerBench PaintedPicker()
{
    PickerBench bench;
    bench.picker.DrawHueStrip();
    bench.picker.DrawFieldHue(255, 0, 90);
    bench.picker.ToggleFieldMarker(); // the renderer leaves the marker drawn; take it off
    return bench;
}

TEST(FieldMarker, DrawnTwiceRestoresEveryPixelAnywhere)
{
    const std::pair<int, int> places[]
        = {{10, 10}, {265, 265}, {265, 10}, {10, 265}, {137, 100}, {0, 0}, {479, 518}, {-3, 4}};
    for (auto [x, y] : places) {
        PickerBench bench = PaintedPicker();
        const auto before = Snapshot(bench.surface);
        bench.picker.setFieldMarker(x, y);
        bench.picker.ToggleFieldMarker();
        EXPECT_NE(Snapshot(bench.surface), before) << "marker at " << Where(x, y) << " drew nothing";
        bench.picker.ToggleFieldMarker();
        EXPECT_EQ(Snapshot(bench.surface), before) << "marker at " << Where(x, y) << " left a trace";
    }
}

TEST(FieldMarker, RingNeverTouchesItsCentreAndReachesRadiusFive)
{
    PickerBench bench;
    bench.picker.setFieldMarker(100, 100);
    bench.picker.ToggleFieldMarker();
    const Color inverted = testing::kTestBackground.inverted();
    int touched = 0;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) {
            const bool isRing = bench.at(100 + dx, 100 + dy) == inverted;
            touched += isRing;
            const int squared = dx * dx + dy * dy;
            if (squared <= 9) {
                EXPECT_FALSE(isRing) << "ring touches the inside at offset " << dx << ", " << dy;
            }
            if (squared > 36) {
                EXPECT_FALSE(isRing) << "ring strays outside at offset " << dx << ", " << dy;
            }
        }
    for (auto [dx, dy] : {std::pair{5, 0}, {-5, 0}, {0, 5}, {0, -5}})
        EXPECT_EQ(bench.at(100 + dx, 100 + dy), inverted) << "ring misses offset " << dx << ", " << dy;
    EXPECT_GE(touched, 28); // a closed outline, not a few dots
}

TEST(FieldMarker, FieldRenderersKeepTheMarkerDrawnAndTheFrameIntact)
{
    // With the marker at (265, 10) the ring crosses the frame; the frame is painted between the
    // erase and the redraw, so erasing afterwards must give the frame's own colours back.
    PickerBench bench;
    bench.picker.ToggleFieldMarker();
    bench.picker.DrawFieldHue(255, 0, 0);
    bench.picker.ToggleFieldMarker();
    for (int y = 5; y <= 15; ++y)
        EXPECT_EQ(bench.at(267, y), y < 9 ? testing::kTestBackground : bench.sys(SysColor::Light3D)) << Where(267, y);
    EXPECT_EQ(bench.at(265, 10), RGB(255, 0, 0));
    EXPECT_EQ(bench.at(270, 10), testing::kTestBackground);
}

TEST(SliderMarker, BarsStayInTheirColumnsAndToggle)
{
    PickerBench bench;
    bench.picker.DrawHueStrip();
    const auto before = Snapshot(bench.surface);
    bench.picker.DrawSliderMarker(SliderMarkerRow(bench.picker.sliderMarkerY()));
    for (int y = 0; y < bench.surface.height(); ++y)
        for (int x = 0; x < bench.surface.width(); ++x) {
            const std::size_t index = static_cast<std::size_t>(y) * 480 + static_cast<std::size_t>(x);
            if (bench.surface.pixels()[index] == before[index])
                continue;
            const bool inBars = (x >= 271 && x <= 275) || (x >= 293 && x <= 298);
            EXPECT_TRUE(inBars && y >= 264 && y <= 266) << "bar pixel outside its bounds at " << Where(x, y);
        }
    EXPECT_EQ(bench.at(294, 265), testing::kTestBackground.inverted());
    EXPECT_EQ(bench.at(272, 264), testing::kTestBackground.inverted());
    bench.picker.DrawSliderMarker(265);
    EXPECT_EQ(Snapshot(bench.surface), before);
}

TEST(SliderMarker, RowIsTheEvenNearestInteger)
{
    const std::pair<float, int> rows[] = {{137.5f, 138}, {136.5f, 136}, {265.0f, 265}, {10.49f, 10}, {10.51f, 11}};
    for (auto [y, row] : rows)
        EXPECT_EQ(SliderMarkerRow(y), row) << "SliderMarkerY " << y;
}

// Moving a drawn marker must leave the picture a fresh one drawn at the new place would give: one
// marker, no trace of the old one.
TEST(Moves, EachMarkerEndsExactlyWhereAFreshOneWouldBe)
{
    PickerBench moved = PaintedPicker();
    moved.picker.ToggleFieldMarker();
    moved.picker.MoveFieldMarker(100, 120);
    moved.picker.DrawSliderMarker(265);
    moved.picker.MoveSliderMarker(137.5f);
    PickerBench fresh = PaintedPicker();
    fresh.picker.setFieldMarker(100, 120);
    fresh.picker.ToggleFieldMarker();
    fresh.picker.DrawSliderMarker(138);
    EXPECT_EQ(Snapshot(moved.surface), Snapshot(fresh.surface)) << "field and slider markers";

    EXPECT_EQ(moved.picker.markerX(), 100);
    EXPECT_EQ(moved.picker.markerY(), 120);
    EXPECT_EQ(moved.picker.sliderMarkerY(), 137.5f);

    // A grid is painted on a cleared surface, where the erased highlight's band is background.
    PickerBench grid;
    grid.picker.DrawSafePalette();
    grid.picker.MoveCellHighlight(20);
    PickerBench freshGrid;
    freshGrid.picker.setSelectedCell(20);
    freshGrid.picker.DrawSafePalette();
    EXPECT_EQ(Snapshot(grid.surface), Snapshot(freshGrid.surface)) << "cell highlight";
    EXPECT_EQ(grid.picker.selectedCell(), 20);
}

TEST(Frames, FieldAndSliderFramesLeaveColumnAndRow266Alone)
{
    PickerBench bench;
    bench.picker.DrawFieldFrame();
    bench.picker.DrawSliderFrame();
    const Color dark = bench.sys(SysColor::DarkShadow3D);
    const Color light = bench.sys(SysColor::Light3D);
    const std::tuple<int, int, Color> pixels[] = {
        {9, 100, dark},
        {100, 9, dark},
        {267, 100, light},
        {100, 267, light},
        {266, 100, testing::kTestBackground},
        {100, 266, testing::kTestBackground},
        {276, 100, dark},
        {284, 9, dark},
        {292, 100, light},
        {284, 267, light},
        {284, 266, testing::kTestBackground},
        {10, 10, testing::kTestBackground},
    };
    for (auto [x, y, color] : pixels)
        EXPECT_EQ(bench.at(x, y), color) << Where(x, y);
}

TEST(Frames, RefreshTheWindow)
{
    PickerBench bench;
    int refreshes = 0;
    bench.surface.setRefreshListener([&] { ++refreshes; });
    bench.picker.DrawFieldFrame();
    bench.picker.DrawSliderFrame();
    bench.picker.DrawSliderBri(1, 2, 3);
    EXPECT_EQ(refreshes, 3);
}

} // namespace
} // namespace pelmora
