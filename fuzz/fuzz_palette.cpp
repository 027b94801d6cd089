// A palette importer on arbitrary bytes (the format is chosen when building: PELMORA_FUZZ_FORMAT).
// It never crashes, and the RGB colours it reads survive a write in the same format and a second
// read unchanged.

#include "palette/palette_formats.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace pelmora;
    constexpr PaletteFormat format = PaletteFormat::PELMORA_FUZZ_FORMAT;
    const PaletteReadResult read = ReadPalette(format, std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok()) {
        if (read.error->reason.empty())
            std::abort();
        return 0;
    }
    if (read.palette.entries.size() > kMaxPaletteColors)
        std::abort();
    const bool allRgb = std::all_of(read.palette.entries.begin(), read.palette.entries.end(),
        [](const PaletteEntry& entry) { return entry.color.isRgb(); });
    if (!allRgb)
        return 0; // a system colour code is written as its colour, so it cannot come back as itself
    const PaletteFormat written = format == PaletteFormat::ColorLines ? PaletteFormat::Hex : format;
    const PaletteReadResult again = ReadPalette(written, WritePalette(written, read.palette));
    if (!again.ok() || again.palette.entries.size() != read.palette.entries.size())
        std::abort();
    for (std::size_t i = 0; i < read.palette.entries.size(); ++i) {
        if (again.palette.entries[i].color != read.palette.entries[i].color)
            std::abort();
    }
    return 0;
}
