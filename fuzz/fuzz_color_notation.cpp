// The `codes` command reads colours from the command line: any text is either rejected or gives a
// colour whose codes format cleanly, and an HTML colour reads back from its own HTML code.

#include "color/code_formats.h"
#include "color/system_colors.h"
#include "notations/panel_codes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto color = pelmora::ParseColorNotation(text);
    if (!color)
        return 0;
    static const pelmora::DefaultSystemColors system;
    const pelmora::ColorCodes codes = pelmora::MakeColorCodes(*color, system);
    for (const std::string& field : codes.text)
        if (field.empty())
            std::abort();
    // The hex literal always names the colour that the other fields describe.
    const auto hex = pelmora::ParseColorNotation(codes.text[pelmora::kFieldHex]);
    const pelmora::Color described = color->value() < -1 ? system.GetSysColor(color->value() & 255) : *color;
    if (hex != described)
        std::abort();
    std::string_view trimmed = text;
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t'))
        trimmed.remove_prefix(1);
    if (!trimmed.empty() && trimmed.front() == '#') {
        if (pelmora::ParseColorNotation(codes.text[pelmora::kFieldHtml]) != *color)
            std::abort();
    }
    return 0;
}
