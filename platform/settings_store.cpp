#include "platform/settings_store.h"

#include "windows/version_record.h"

#include <QSettings>

namespace pelmora {

QSettings OpenSettingsStore()
{
    // Application and organisation are both the product name, so the file is Pelmora/Pelmora.conf
    // (the native format on this platform is INI).
    const QString product = QString::fromUtf8(ProgramVersion().productName);
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, product, product);
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings store = OpenSettingsStore();
    if (store.status() != QSettings::NoError)
        return defaultValue;
    store.beginGroup(section);
    const QVariant value = store.value(key);
    // A hand-edited "a, b" reads back as a list, which no caller stored: treat it as unreadable.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return defaultValue;
    return value.toString();
}

bool SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings store = OpenSettingsStore();
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QString SettingsFilePath() { return OpenSettingsStore().fileName(); }

} // namespace pelmora
