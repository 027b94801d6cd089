// The custom colours file reader, and the reader of the list of cells set to black beside it, on
// arbitrary bytes: neither fails, and what each reads survives a write and a second read unchanged.

#include "palette/set_cells.h"
#include "palette/user_colors_format.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const pelmora::UserColorArray colors = pelmora::ParseUserColors(text);
    if (pelmora::ParseUserColors(pelmora::FormatUserColors(colors)) != colors)
        std::abort();
    const pelmora::CellMarks marks = pelmora::ParseBlackCellMarks(text);
    if (marks.test(0) || pelmora::ParseBlackCellMarks(pelmora::FormatBlackCellMarks(marks)) != marks)
        std::abort();
    return 0;
}
