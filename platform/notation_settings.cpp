#include "platform/notation_settings.h"

#include "platform/ini_lines.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace pelmora {

namespace {

const QString kTemplatesArray = QStringLiteral("Templates");
const QString kNotationsGroup = QStringLiteral("Notations");

struct StoredText {
    QString text;
    QString problem; // why the text could not be read; it is then empty
};

// The text of `key` in the templates group. QSettings reads a value with commas as a list, and a
// list no longer says how it was written ("a,b" and "a, b" give the same parts): the file's line
// does, unless quotes, backslashes or ";" (a comment to QSettings) make it ambiguous.
StoredText ReadStoredText(const QSettings& store, QByteArrayView file, const QString& key)
{
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QStringList)
        return {value.toString(), {}};
    const QString section = QLatin1Char('[') + kTemplatesArray + QLatin1Char(']');
    const std::optional<QByteArray> line = IniValueText(file, section.toUtf8(), key.toUtf8());
    static const QByteArray kAmbiguous = QByteArrayLiteral("\"\\;");
    if (line && std::none_of(line->begin(), line->end(), [](char c) { return kAmbiguous.contains(c); }))
        return {QString::fromUtf8(*line), {}};
    return {{},
        QCoreApplication::translate("NotationSettings",
            "the settings file holds it in a form that cannot be read; write it in double quotes, as "
            "1\\pattern=\"vec3({rf}, {gf}, {bf})\"")};
}

} // namespace

std::vector<UserTemplate> ReadUserTemplates(QSettings& store, QByteArrayView file, std::vector<QString>* problems)
{
    // The numbered entries there are, in their order. The stored "size" is not taken at its word:
    // a hand-edited 2147483647 would have start-up look up two billion entries.
    store.beginGroup(kTemplatesArray);
    std::vector<std::pair<int, QString>> entries;
    for (const QString& group : store.childGroups()) {
        bool isNumber = false;
        if (const int number = group.toInt(&isNumber); isNumber && number >= 1)
            entries.emplace_back(number, group);
    }
    std::sort(entries.begin(), entries.end());
    if (entries.size() > kMaxUserTemplates)
        entries.resize(kMaxUserTemplates);
    std::vector<UserTemplate> templates;
    for (const auto& [number, entry] : entries) {
        const StoredText name = ReadStoredText(store, file, entry + QStringLiteral("/name"));
        if (name.text.isEmpty())
            continue;
        const StoredText pattern = ReadStoredText(store, file, entry + QStringLiteral("/pattern"));
        templates.push_back({name.text.toStdString(), pattern.text.toStdString()});
        if (problems)
            problems->push_back(pattern.problem);
    }
    store.endGroup();
    return templates;
}

std::vector<UserTemplate> LoadUserTemplates(std::vector<QString>* problems)
{
    std::vector<UserTemplate> templates;
    ReadSettingsAndText(
        [&](QSettings& store, QByteArrayView file) { templates = ReadUserTemplates(store, file, problems); });
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

bool SaveChosenNotation(const QString& key, QString* error)
{
    return SaveSetting(kNotationsGroup, QStringLiteral("chosen"), key, error);
}

} // namespace pelmora
