#pragma once
// Putting a code text on the system clipboard.

#include <QString>

namespace pelmora {

// Puts exactly `text` on the clipboard as plain text. Returns whether the clipboard holds it
// afterwards; false (and no harm done) when there is no clipboard to put it on.
bool CopyTextToClipboard(const QString& text);

} // namespace pelmora
