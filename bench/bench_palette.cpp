// Palette files at the readers' limit (65536 colours): how long reading one takes, per format.

#include "palette/palette_formats.h"

#include <benchmark/benchmark.h>

namespace pelmora {
namespace {

Palette LargestPalette()
{
    Palette palette{"bench", 16, {}};
    for (std::size_t i = 0; i < kMaxPaletteColors; ++i)
        palette.entries.push_back(
            {"colour " + std::to_string(i), Color(static_cast<std::int32_t>((i * 2654435761u) & 0xFFFFFF))});
    return palette;
}

void BM_ReadLargestPalette(benchmark::State& state)
{
    const auto format = static_cast<PaletteFormat>(state.range(0));
    const std::string bytes = WritePalette(format, LargestPalette());
    for (auto _ : state) {
        const PaletteReadResult read = ReadPalette(format, bytes);
        if (!read.ok())
            state.SkipWithError(read.error->describe().c_str());
        benchmark::DoNotOptimize(read.palette.entries.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.SetLabel(std::string(InfoOf(format).keyword));
}
BENCHMARK(BM_ReadLargestPalette)
    ->Arg(static_cast<int>(PaletteFormat::Gpl))
    ->Arg(static_cast<int>(PaletteFormat::Ase))
    ->Arg(static_cast<int>(PaletteFormat::Css))
    ->Arg(static_cast<int>(PaletteFormat::Json))
    ->Arg(static_cast<int>(PaletteFormat::Hex))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pelmora
