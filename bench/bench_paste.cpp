// Reading a colour from pasted text of any size, as Ctrl+V on the main window does: the time, the
// memory the process grew by while reading, and the memory still held afterwards.

#include "color/system_colors.h"
#include "mainwindow/pasted_color.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

namespace pelmora {
namespace {

constexpr qsizetype kMebibyte = 1024 * 1024;

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double HeapInUseMegabytes() { return static_cast<double>(mallinfo2().uordblks) / kMebibyte; }

void BM_PasteText(benchmark::State& state)
{
    const QString text(state.range(0) * kMebibyte, u'x');
    const DefaultSystemColors colors;
    const double heapBefore = HeapInUseMegabytes();
    const double peakBefore = PeakResidentMegabytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPastedColor(text, colors));
    state.counters["peak_growth_MB"] = PeakResidentMegabytes() - peakBefore;
    state.counters["held_after_MB"] = HeapInUseMegabytes() - heapBefore;
}

BENCHMARK(BM_PasteText)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pelmora

BENCHMARK_MAIN();
