// The code refresh runs on every mouse move over the picker; these keep an eye on its cost.

#include "color/channels.h"
#include "color/color_model.h"
#include "color/system_colors.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace pelmora {
namespace {

// A colour walk that touches palette hits, system colours and plain values alike.
Color NthColor(std::uint32_t n) { return Color(static_cast<std::int32_t>((n * 2654435761u) & 0xFFFFFF)); }

void BM_MakeCurrentRefreshesCodes(benchmark::State& state)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    std::uint32_t n = 0;
    for (auto _ : state) {
        model.MakeCurrent(NthColor(n++));
        benchmark::DoNotOptimize(model.codes().text[5].data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeCurrentRefreshesCodes);

void BM_MakeCurrentOfSystemCode(benchmark::State& state)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    int i = 0;
    for (auto _ : state) {
        model.MakeCurrent(Color::systemCode(i));
        benchmark::DoNotOptimize(model.codes().text[5].data());
        i = (i + 1) % kSysColorCount;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeCurrentOfSystemCode);

void BM_SplitChannels(benchmark::State& state)
{
    std::uint32_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitChannels(Color(static_cast<std::int32_t>(n++ * 2654435761u))));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SplitChannels);

} // namespace
} // namespace pelmora
