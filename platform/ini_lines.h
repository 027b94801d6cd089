#pragma once
// The lines of a settings file as the user sees them, for what QSettings cannot do: it drops
// comments and sorts sections when it writes a file back, and reads a value with unquoted commas
// as a list whose parts no longer say how they were written.

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace pelmora {

// The text after "=" on the last line of `key` ("1\pattern"; "/" and "\" are the same) in the
// sections headed `sectionLine` ("[Templates]"), blanks around it removed; nullopt when no line
// holds it. Lines starting with ";" are comments.
std::optional<QByteArray> IniValueText(QByteArrayView file, QByteArrayView sectionLine, QByteArrayView key);

// `file` with `keyLine` ("key=value") in place of the last line of its key in the sections headed
// `sectionLine`; without one, after the last setting of the last such section; without that
// section, in a new section at the end. Every other byte stays as it was, and new lines end as
// the file's first line does.
QByteArray WithIniLine(QByteArrayView file, QByteArrayView sectionLine, QByteArrayView keyLine);

} // namespace pelmora
