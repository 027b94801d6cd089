#pragma once
// Whether an ordinary file is present at a path, with this platform's meaning of "ordinary".

#include <QString>

namespace pelmora {

// The last component of `path`; both "/" and "\" separate components. Empty for an empty path or one
// that ends in a separator.
QString GetFileName(const QString& path);

// True only for an ordinary, visible file: directories, hidden files (name starting with "."),
// paths with wildcard characters (* or ?, anywhere) and anything that cannot be looked up are false.
// Brackets are ordinary characters: "/opt/Pelmora [copy]/Help.rtf" is found.
// Letter case counts as the file system counts it (exactly, here).
bool FileExists(const QString& path);

} // namespace pelmora
