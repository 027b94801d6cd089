// The RTF reader takes whatever file lies beside the program: no input may crash it, hang it or
// make it produce more text than the input had bytes (beyond the break opportunities it adds to
// long words and paragraphs) or than its limits allow, and the same bytes must read the same way.

#include "rtf/rtf_reader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    // Character formats carry fonts; fonts want a GUI application. Offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument first;
    const bool firstIsRtf = pelmora::ReadRtf(bytes, first);
    using Limits = pelmora::RtfLimits;
    // A break opportunity per long word, a paragraph break per paragraph continued: at the soonest
    // when its tabs times characters pass the limit, after some 200 characters of input.
    const auto added = size / Limits::kMaxWordLength + size / 200;
    if (static_cast<std::size_t>(first.characterCount()) > size + added + 1)
        std::abort();
    if (first.characterCount() > Limits::kMaxCharacters + 1 || first.blockCount() > Limits::kMaxParagraphs)
        std::abort();

    QTextDocument second;
    const bool secondIsRtf = pelmora::ReadRtf(bytes, second);
    if (firstIsRtf != secondIsRtf || first.toRawText() != second.toRawText())
        std::abort();
    return 0;
}
