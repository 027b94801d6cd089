// The picker's hot paths against the physical floor of writing one field's bytes: a field render
// should stay within 8x that floor, a slider render within 1x.

#include "color/system_colors.h"
#include "picker/picker.h"
#include "picker/surface.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace pelmora {
namespace {

constexpr std::size_t kFieldBytes = 196608;

struct PickerFixture {
    Surface surface;
    DefaultSystemColors colors;
    Picker picker{surface, colors};
};

void BM_MemsetFloor(benchmark::State& state)
{
    std::vector<unsigned char> buffer(kFieldBytes);
    for (auto _ : state) {
        std::memset(buffer.data(), 0, buffer.size());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetFloor);

template <typename Draw> void RunOnPicker(benchmark::State& state, Draw draw)
{
    PickerFixture fixture;
    for (auto _ : state) {
        draw(fixture.picker);
        benchmark::DoNotOptimize(fixture.surface.pixels());
        benchmark::ClobberMemory();
    }
}

void BM_DrawFieldHue(benchmark::State& state)
{
    // A hue with a channel strictly between 0 and 255, as most slider rows give.
    RunOnPicker(state, [](Picker& p) { p.DrawFieldHue(255, 0, 90); });
}
BENCHMARK(BM_DrawFieldHue);

void BM_DrawFieldSat(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawFieldSat(); });
}
BENCHMARK(BM_DrawFieldSat);

void BM_DrawFieldBri(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawFieldBri(); });
}
BENCHMARK(BM_DrawFieldBri);

void BM_DrawSliderSat(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawSliderSat(200, 100, 37); });
}
BENCHMARK(BM_DrawSliderSat);

void BM_DrawSliderBri(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawSliderBri(200, 100, 37); });
}
BENCHMARK(BM_DrawSliderBri);

void BM_DrawHueStrip(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawHueStrip(); });
}
BENCHMARK(BM_DrawHueStrip);

void BM_DrawSafePalette(benchmark::State& state)
{
    RunOnPicker(state, [](Picker& p) { p.DrawSafePalette(); });
}
BENCHMARK(BM_DrawSafePalette);

} // namespace
} // namespace pelmora
