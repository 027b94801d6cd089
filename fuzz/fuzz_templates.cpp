// Any text as a user template: it is either refused with a positioned message or fills in for any
// colour without a crash; a refused pattern never formats.

#include "notations/color_template.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const pelmora::Color color = pelmora::RGB(data[0], data[1], data[2]);
    const std::string_view pattern(reinterpret_cast<const char*>(data + 3), size - 3);
    const auto parsed = pelmora::ColorTemplate::Parse(pattern);
    if (!parsed.result) {
        if (parsed.message.empty() || parsed.position == 0 || parsed.position > pattern.size() + 1)
            std::abort();
        return 0;
    }
    const std::string text = parsed.result->format(color);
    // Without braces a template is its own text.
    if (pattern.find_first_of("{}") == std::string_view::npos && text != pattern)
        std::abort();
    return 0;
}
