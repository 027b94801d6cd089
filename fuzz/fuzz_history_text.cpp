// The saved colour history as the main window reads it from the settings file: any text gives 18
// colours, each one the history can hold, and reading what is written from them gives them back.

#include "platform/history_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pelmora::HistoryColors colors = pelmora::HistoryFromText(text);
    for (pelmora::Color color : colors) {
        const bool system = color.isSystemCode() && (color.value() & 0x7FFFFF00) == 0 && (color.value() & 0xFF) <= 24;
        if (!color.isRgb() && !system && color != pelmora::Color::none())
            std::abort();
    }
    if (pelmora::HistoryFromText(pelmora::HistoryText(colors)) != colors)
        std::abort();
    return 0;
}
