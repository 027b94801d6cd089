// Any text through every notation reader and the any-notation reader: no crash, no exception, and a
// colour read in a notation prints in that notation as a text that reads back as the same colour.

#include "color/system_colors.h"
#include "notations/notation_table.h"
#include "notations/read_any_color.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const pelmora::Notation& notation : pelmora::BuiltInNotations()) {
        const pelmora::ReadResult read = notation.read(text);
        if (!read.color) {
            if (read.message.empty() || read.position == 0 || read.position > size + 1)
                std::abort();
            continue;
        }
        if (!read.color->isRgb())
            std::abort();
        std::string printed;
        if (notation.format(*read.color, printed) && notation.read(printed).color != read.color)
            std::abort();
    }
    static const pelmora::DefaultSystemColors system;
    const pelmora::ReadResult any = pelmora::ReadAnyColor(text, system);
    if (any.color ? !any.color->isRgb() : any.message.empty())
        std::abort();
    return 0;
}
