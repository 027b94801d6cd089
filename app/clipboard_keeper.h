#pragma once
// Keeping a copied text on the clipboard after the program that copied it has ended. On X11 the
// clipboard is served by the program that owns it: it is handed to a clipboard manager where one
// runs, and otherwise served by a small background process of ours until another program takes the
// clipboard over.

#include <QString>

namespace pelmora {

// Puts `text` on the clipboard so that it outlives this process. `program` is this program's path,
// started in the background to serve the text when no clipboard manager runs. Needs a
// QGuiApplication. Returns false with `error` set when the text did not reach the clipboard.
bool KeepOnClipboard(const QString& text, const QString& program, QString* error);

// The background server: owns the clipboard with `text` until another program takes it over.
// Creates its own QGuiApplication; returns the exit status.
int ServeClipboard(int argc, char** argv, const QString& text);

// The hidden option that starts the server: `pelmora pick --serve-clipboard TEXT`.
inline constexpr const char* kServeClipboardOption = "--serve-clipboard";

} // namespace pelmora
