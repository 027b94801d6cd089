// A colour word of the settings file (the contrast background, a history swatch): any text gives
// an RGB colour or none, and a colour read is written back as the same word, lower case.

#include "platform/hex_color_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<pelmora::Color> background = pelmora::HexColorFromText(text);
    if (!background)
        return 0;
    if (!background->isRgb() || pelmora::HexColorText(*background) != text.toLower())
        std::abort();
    if (pelmora::HexColorFromText(pelmora::HexColorText(*background)) != background)
        std::abort();
    return 0;
}
