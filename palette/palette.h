#pragma once
// A palette: an ordered list of named colours, the common shape of every palette file Pelmora
// reads and writes, and the limits every reader keeps so that no file can exhaust memory.

#include "color/color.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

struct PaletteEntry {
    std::string name; // UTF-8
    Color color; // an RGB colour when written; a reader gives whatever its colour reader yields
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

struct Palette {
    std::string name; // UTF-8
    int columns = 0; // how many colours a row shows; 0 when the file does not say
    std::vector<PaletteEntry> entries;
    friend bool operator==(const Palette&, const Palette&) = default;
};

// Readers refuse anything larger: room for the largest palette in every format, small enough to hold
// in memory at once.
inline constexpr std::size_t kMaxPaletteFileBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kMaxPaletteColors = 65536;
inline constexpr std::size_t kMaxPaletteNameBytes = 1024;

// Why a file could not be read, and where: a line for text formats, a byte offset for binary ones.
struct PaletteError {
    enum class Place { File, Line, Byte };
    Place place = Place::File;
    std::size_t position = 0; // 1-based line, or 0-based byte offset
    std::string reason;

    // "line 4: <reason>", "byte 12: <reason>" or "<reason>".
    std::string describe() const;
    friend bool operator==(const PaletteError&, const PaletteError&) = default;
};

struct PaletteReadResult {
    Palette palette; // empty when reading failed
    std::optional<PaletteError> error; // set when reading failed
    bool ok() const { return !error.has_value(); }
};

// Reads one colour written in some notation; nullopt when the text is no colour.
using ColorReader = std::function<std::optional<Color>(std::string_view)>;
// The exact name of an RGB colour, when it has one.
using ColorNamer = std::function<std::optional<std::string>(Color)>;

} // namespace pelmora
