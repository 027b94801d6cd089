#include "platform/history_store.h"

#include "platform/settings_store.h"

namespace pelmora {
namespace {

const QString kHistoryGroup = QStringLiteral("History");
const QString kColorsKey = QStringLiteral("colors");

} // namespace

HistoryColors HistoryStore::load()
{
    lastStored_ = HistoryFromText(GetSetting(kHistoryGroup, kColorsKey, QString()));
    return lastStored_;
}

void HistoryStore::saveIfChanged(const HistoryColors& colors)
{
    if (colors == lastStored_)
        return;
    if (SaveSetting(kHistoryGroup, kColorsKey, HistoryText(colors)))
        lastStored_ = colors;
}

} // namespace pelmora
