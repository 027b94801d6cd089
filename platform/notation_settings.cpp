#include "platform/notation_settings.h"

#include "platform/settings_store.h"

#include <QSettings>

namespace pelmora {

namespace {

const QString kTemplatesArray = QStringLiteral("Templates");
const QString kNotationsGroup = QStringLiteral("Notations");

} // namespace

std::vector<UserTemplate> LoadUserTemplates()
{
    std::vector<UserTemplate> templates;
    ReadSettings([&](QSettings& store) {
        const int count = store.beginReadArray(kTemplatesArray);
        for (int i = 0; i < count; ++i) {
            store.setArrayIndex(i);
            const QString name = store.value(QStringLiteral("name")).toString();
            if (name.isEmpty())
                continue;
            templates.push_back({name.toStdString(), store.value(QStringLiteral("pattern")).toString().toStdString()});
        }
        store.endArray();
    });
    return templates;
}

bool SaveUserTemplates(const std::vector<UserTemplate>& templates)
{
    return ChangeSettings([&](QSettings& store) {
        store.remove(kTemplatesArray);
        store.beginWriteArray(kTemplatesArray, static_cast<int>(templates.size()));
        for (std::size_t i = 0; i < templates.size(); ++i) {
            store.setArrayIndex(static_cast<int>(i));
            store.setValue(QStringLiteral("name"), QString::fromStdString(templates[i].name));
            store.setValue(QStringLiteral("pattern"), QString::fromStdString(templates[i].pattern));
        }
        store.endArray();
    });
}

QString LoadChosenNotation() { return GetSetting(kNotationsGroup, QStringLiteral("chosen"), QString()); }

bool SaveChosenNotation(const QString& key) { return SaveSetting(kNotationsGroup, QStringLiteral("chosen"), key); }

} // namespace pelmora
