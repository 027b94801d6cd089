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

void BM_SplitColorRefreshesCodes(benchmark::State& state)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    std::uint32_t n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.SplitColor(NthColor(n++)));
        benchmark::DoNotOptimize(model.codes().text[5].data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SplitColorRefreshesCodes);

void BM_SplitColorOfSystemCode(benchmark::State& state)
{
    const DefaultSystemColors system;
    ColorModel model(system);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.SplitColor(Color::systemCode(i)));
        i = (i + 1) % kSysColorCount;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SplitColorOfSystemCode);

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
