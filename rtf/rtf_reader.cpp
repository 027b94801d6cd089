#include "rtf/rtf_reader.h"

#include "rtf/bounded_text_cursor.h"
#include "rtf/rtf_parser.h"
#include "rtf/rtf_text_decoder.h"

#include <QStringConverter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace pelmora {

namespace {

// Where the RTF starts after a byte-order mark and blank lines, or -1 when it is not RTF.
qsizetype RtfStart(QByteArrayView bytes)
{
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < bytes.size()
        && (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' || bytes[start] == '\n')) {
        ++start;
    }
    return bytes.sliced(start).startsWith("{\\rtf") ? start : -1;
}

QString PlainTextOf(QByteArrayView bytes)
{
    auto toUtf16 = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = toUtf16.decode(bytes);
    if (toUtf16.hasError()) {
        RtfTextDecoder windows1252;
        text = windows1252.decode(bytes);
    }
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    return text;
}

// Plain text within the same limits as rich text: one paragraph per line.
bool WritePlainText(const QString& text, QTextDocument& into)
{
    BoundedTextCursor writer(into);
    writer.cursor().beginEditBlock();
    const QTextCharFormat format = writer.cursor().charFormat();
    const QTextBlockFormat paragraph = writer.cursor().blockFormat();
    qsizetype lineStart = 0;
    while (!writer.isCut()) {
        const qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        writer.insertText(text.sliced(lineStart, (lineEnd < 0 ? text.size() : lineEnd) - lineStart), format);
        if (lineEnd < 0)
            break;
        writer.breakParagraph(paragraph);
        lineStart = lineEnd + 1;
    }
    writer.cursor().endEditBlock();
    return writer.isCut();
}

} // namespace

RtfReading ReadRtfText(QByteArrayView rtf, QTextDocument& into)
{
    const bool undoWasEnabled = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);
    into.clear();
    RtfReading reading;
    const qsizetype start = RtfStart(rtf);
    reading.isRtf = start >= 0;
    if (reading.isRtf) {
        RtfParser parser(rtf.sliced(start), into);
        parser.run();
        reading.cut = parser.isCut();
    } else {
        reading.cut = WritePlainText(PlainTextOf(rtf), into);
    }
    into.setUndoRedoEnabled(undoWasEnabled);
    return reading;
}

bool ReadRtf(QByteArrayView rtf, QTextDocument& into) { return ReadRtfText(rtf, into).isRtf; }

} // namespace pelmora
