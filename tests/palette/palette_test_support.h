#pragma once
// What the palette tests share: a custom colours grid with a few set cells, and bytes from text.

#include "color/color.h"
#include "palette/palette.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace pelmora {

using TestCells = std::array<Color, 225>; // the custom colours file's layout: element i is cell i

// Red, #123456, a system colour, white, aqua (named), and #010203 in the last cell.
inline TestCells SampleCells()
{
    TestCells cells{};
    cells[1] = RGB(255, 0, 0);
    cells[2] = RGB(0x12, 0x34, 0x56);
    cells[5] = Color::systemCode(15);
    cells[7] = RGB(255, 255, 255);
    cells[8] = RGB(0, 255, 255);
    cells[224] = RGB(1, 2, 3);
    return cells;
}

inline std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

inline void PrintTo(const PaletteEntry& entry, std::ostream* out)
{
    *out << "{\"" << entry.name << "\", " << entry.color << "}";
}

} // namespace pelmora
