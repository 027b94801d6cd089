#pragma once
// The per-user settings store: ~/.config/Pelmora/Pelmora.conf, an INI file of exact strings.

#include <QString>

namespace pelmora {

// The stored string, or `defaultValue` when it is absent or the store cannot be read.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);

// Stores `value` unchanged; returns whether it reached the file.
bool SaveSetting(const QString& section, const QString& key, const QString& value);

// The file the two functions use (for messages and tests).
QString SettingsFilePath();

} // namespace pelmora
