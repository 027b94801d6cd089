#pragma once
// Which custom colour cells the user has set (by "Add" or an import). The custom colours file holds
// 0 for a cell set to black just as for a cell never set, and other programs and older versions
// read that file as it is, so the cells set to black are listed in a small file of their own beside
// it, which those readers never open. Its text: the line "Pelmora custom colour cells set to black",
// then one cell number a line.
//
// The list can be older than the colours file (another program saved the colours since): a mark
// counts only while its cell still holds 0, and a cell holding anything else is set whatever the
// list says.

#include "palette/user_colors_format.h"

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// One bit a custom colours element; element 0 belongs to no cell and is never marked.
using CellMarks = std::bitset<kUserColorCount>;

// The custom colours with the marks of the cells set to black.
struct CustomColors {
    UserColorArray colors{};
    CellMarks blackSet;

    // Whether `cell` holds a colour the user set: anything but 0, or 0 where marked.
    bool isSet(std::size_t cell) const;
    // Puts `color` into `cell` and marks it set.
    void store(std::size_t cell, Color color);
};

// `colors` with the marks that still apply to them: those of cells 1..224 that hold 0.
CustomColors WithBlackMarks(const UserColorArray& colors, const CellMarks& marks);

// The marks file's bytes for the marked cells.
std::string FormatBlackCellMarks(const CellMarks& marks);

// The cells listed in `text`. Text without the first line above lists nothing; lines that are not a
// cell number from 1 to 224 are skipped. CR LF, CR and LF all end a line. Never fails.
CellMarks ParseBlackCellMarks(std::string_view text);

} // namespace pelmora
