#pragma once
// The per-user settings store: ~/.config/Pelmora/Pelmora.conf, an INI file of exact strings.
// Only a regular file of the user's own (or a symlink to one) is read or replaced; anything else in
// its place leaves the program on the defaults, writing nothing.

#include <QByteArrayView>
#include <QString>

#include <functional>

class QSettings;

namespace pelmora {

// The stored string, or `defaultValue` when it is absent or the store cannot be read.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);

// Stores `value` unchanged; returns whether it reached the file, and when not sets `error` to the
// first reason. Only the setting's own line changes: comments, blank lines and the order of a
// hand-edited file stay. A file whose line cannot be changed alone, and that QSettings would not
// write back as it was, is left untouched and the save fails.
bool SaveSetting(const QString& section, const QString& key, const QString& value, QString* error = nullptr);

// Runs `read` on the stored settings; false (and `read` not run) when there are none or the store
// cannot be read.
bool ReadSettings(const std::function<void(QSettings&)>& read);

// Runs `read` with the stored settings and the bytes of the file they were read from (QSettings
// reads a value with unquoted commas as a list; its line tells what was written).
bool ReadSettingsAndText(const std::function<void(QSettings&, QByteArrayView)>& read);

// Runs `change` on the stored settings (empty when there are none) and stores the result as
// QSettings writes it, under the same rules as SaveSetting: a file it would not write back as it
// was is left untouched and the change fails.
bool ChangeSettings(const std::function<void(QSettings&)>& change, QString* error = nullptr);

// The file these functions use (for messages and tests).
QString SettingsFilePath();

} // namespace pelmora
