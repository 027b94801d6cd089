// The help file as the help window shows it, laid out at the window's width: no input may crash
// it, take long (libFuzzer's -timeout turns a slow input into a failure), or leave a document
// beyond the stated limits.

#include "rtf/rtf_reader.h"
#include "windows/help_file.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_help_layout";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Limits = pelmora::RtfLimits;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    pelmora::ShowHelpText(bytes, /*fileGoesOn=*/false, document);
    document.setTextWidth(685);
    const QSizeF laidOut = document.documentLayout()->documentSize();
    if (!(laidOut.width() >= 0 && laidOut.height() >= 0))
        std::abort();

    // One more paragraph and its text for the note on what was left out.
    constexpr int kNote = 200;
    if (document.blockCount() > Limits::kMaxParagraphs + 1
        || document.characterCount() > Limits::kMaxCharacters + kNote)
        std::abort();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() > Limits::kMaxParagraphCharacters + kNote)
            std::abort();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontPointSize() > pelmora::kMaxHelpFontPoints)
                std::abort();
        }
    }
    return 0;
}
