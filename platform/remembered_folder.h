#pragma once
// The folder a file dialog last used, kept in the settings between runs.

#include <QString>

namespace pelmora {

// The folder stored under `key` in [Folders] when it is still a folder; otherwise the home folder.
// Never the folder the program was started from: a relative or empty value counts as none.
QString RememberedFolder(const QString& key);

// Stores `folder` under `key` unless it is stored already; false when the settings could not be
// written (the dialogs still open there for the rest of the run).
bool RememberFolder(const QString& key, const QString& folder);

} // namespace pelmora
