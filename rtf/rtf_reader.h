#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace pelmora {

// Replaces the contents of `into` with the rich text of `rtf`: paragraphs, bold, italic,
// underline, font sizes and families, colours, tabs, line breaks and Unicode characters.
// Destinations it does not understand (pictures, document info, style sheets, headers, ...) are
// left out. Damaged input shows whatever text could be recovered; nothing in the input can make
// it crash, recurse without bound or produce more characters than the input has bytes.
// Returns false when the bytes are not RTF at all; the document then holds them as plain text.
bool ReadRtf(QByteArrayView rtf, QTextDocument& into);

} // namespace pelmora
