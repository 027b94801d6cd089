// The custom colours file reader on arbitrary bytes: never fails, and what it reads survives a
// write and a second read unchanged.

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
    return 0;
}
