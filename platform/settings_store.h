#pragma once
// The per-user settings store: ~/.config/Pelmora/Pelmora.conf, an INI file of exact strings.

#include <QSettings>
#include <QString>

namespace pelmora {

// The stored string, or `defaultValue` when it is absent or the store cannot be read.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);

// Stores `value` unchanged; returns whether it reached the file.
bool SaveSetting(const QString& section, const QString& key, const QString& value);

// The store itself, for callers that keep more than single strings (lists of templates).
QSettings OpenSettingsStore();

// The file the two functions use (for messages and tests).
QString SettingsFilePath();

} // namespace pelmora
