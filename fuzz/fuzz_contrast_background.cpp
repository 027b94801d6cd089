// The contrast line's background as the main window reads it from the settings file: any text gives
// an RGB colour or none, and a colour read is written back as the same word, lower case.

#include "platform/contrast_settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<pelmora::Color> background = pelmora::BackgroundFromText(text);
    if (!background)
        return 0;
    if (!background->isRgb() || pelmora::BackgroundText(*background) != text.toLower())
        std::abort();
    if (pelmora::BackgroundFromText(pelmora::BackgroundText(*background)) != background)
        std::abort();
    return 0;
}
