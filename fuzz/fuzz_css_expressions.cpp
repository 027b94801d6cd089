// CSS colour text with calc(), color-mix() and relative colours: no crash, no hang, no stack overflow
// however deep the nesting, a message with a position for every refusal, and a colour read from the
// text reads the same again when the text is wrapped in a relative colour that changes nothing.

#include "notations/css_color_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const pelmora::ReadResult read = pelmora::ReadCssColorText(text);
    if (!read.color) {
        if (read.message.empty() || read.position == 0 || read.position > size + 1)
            std::abort();
        return 0;
    }
    if (!read.color->isRgb() || !(read.alpha >= 0 && read.alpha <= 1))
        std::abort();
    // rgb(from C r g b / alpha) is C itself whenever C is an sRGB colour written with rgb() or hex.
    if (text.starts_with("rgb(") || text.starts_with("#")) {
        const std::string relative = "rgb(from " + std::string(text) + " r g b / alpha)";
        const pelmora::ReadResult again = pelmora::ReadCssColorText(relative);
        if (again.color && again.color != read.color)
            std::abort();
    }
    return 0;
}
