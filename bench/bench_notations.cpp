// The notation row refreshes on every colour change and the command line prints every notation:
// formatting all notations of one colour, and reading each notation's text.

#include "notations/notation_table.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {
namespace {

Color NthColor(std::uint32_t n) { return Color(static_cast<std::int32_t>((n * 2654435761u) & 0xFFFFFF)); }

void BM_FormatAllNotationsOfOneColour(benchmark::State& state)
{
    std::string text;
    std::uint32_t n = 0;
    for (auto _ : state) {
        const Color color = NthColor(n++);
        for (const Notation& notation : BuiltInNotations()) {
            text.clear();
            benchmark::DoNotOptimize(notation.format(color, text));
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatAllNotationsOfOneColour);

// Reads the texts of 1024 colours in one notation, chosen by the benchmark's argument.
void BM_ReadNotation(benchmark::State& state)
{
    const Notation& notation = BuiltInNotations()[static_cast<std::size_t>(state.range(0))];
    std::vector<std::string> texts;
    for (std::uint32_t n = 0; texts.size() < 1024; ++n) {
        std::string text;
        if (notation.format(NthColor(n), text))
            texts.push_back(std::move(text));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(notation.read(texts[i]));
        i = (i + 1) % texts.size();
    }
    state.SetLabel(std::string(notation.name));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadNotation)->DenseRange(0, static_cast<int>(BuiltInNotations().size()) - 1);

} // namespace
} // namespace pelmora
