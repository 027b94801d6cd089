#include "windows/help_file.h"

#include "rtf/rtf_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace pelmora {

namespace {

const QString kLeftOutNote
    = QStringLiteral("The rest of the help file is not shown here: it is longer than this window can hold.");

// Glyphs far taller than the window come out of the font engine as solid blocks; nothing is lost
// by showing them at a size that still fits.
void LimitFontSizes(QTextDocument& document)
{
    // The ranges first: changing a format merges and splits fragments under a running iterator.
    std::vector<std::pair<int, int>> tooLarge;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (piece.charFormat().fontPointSize() > kMaxHelpFontPoints)
                tooLarge.emplace_back(piece.position(), piece.length());
        }
    }
    QTextCursor cursor(&document);
    QTextCharFormat smaller;
    smaller.setFontPointSize(kMaxHelpFontPoints);
    for (const auto& [position, length] : tooLarge) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(smaller);
    }
}

void AppendLeftOutNote(QTextDocument& document)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat note;
    note.setFontItalic(true);
    cursor.insertBlock(QTextBlockFormat(), note);
    cursor.insertText(kLeftOutNote, note);
}

} // namespace

void ShowHelpText(QByteArrayView bytes, bool fileGoesOn, QTextDocument& into)
{
    const RtfReading reading = ReadRtfText(bytes, into);
    if (!reading.isRtf) {
        into.clear(); // the rich-text view cannot load it: no text, no raw markup
        return;
    }
    const bool undoWasEnabled = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);
    LimitFontSizes(into);
    if (reading.cut || fileGoesOn)
        AppendLeftOutNote(into);
    into.setUndoRedoEnabled(undoWasEnabled);
}

void LoadHelpFile(const QString& path, QTextDocument& into)
{
    into.clear();
    // Only a regular file: opening a FIFO would wait for a writer, a device might never end.
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // an unreadable file shows an empty window
    // Asked for the limit, Qt would set aside the whole 4 MiB first (the largest block of the whole
    // start-up), and a block that large, once given back, raises the size below which the C library
    // keeps freed memory instead of returning it. So the file's own size (one byte more tells whether
    // it grew meanwhile), never above the limit.
    const qint64 wanted = std::clamp<qint64>(file.size() + 1, 1, kMaxHelpFileBytes);
    const QByteArray bytes = file.read(wanted);
    ShowHelpText(bytes, !file.atEnd(), into);
}

} // namespace pelmora
