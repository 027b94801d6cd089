#include "platform/contrast_settings.h"

#include "platform/hex_color_text.h"
#include "platform/settings_store.h"

namespace pelmora {
namespace {

const QString kContrastGroup = QStringLiteral("Contrast");
const QString kBackgroundKey = QStringLiteral("background");
const QString kAimKey = QStringLiteral("aim");

} // namespace

ContrastChoice LoadContrastChoice()
{
    ContrastChoice choice;
    if (const auto background = HexColorFromText(GetSetting(kContrastGroup, kBackgroundKey, QString())))
        choice.background = *background;
    const QString aim = GetSetting(kContrastGroup, kAimKey, QString());
    for (const SuggestionLevel& level : {kAimAA, kAimAAA}) {
        if (aim == QLatin1String(level.name.data(), static_cast<qsizetype>(level.name.size())))
            choice.aim = level;
    }
    return choice;
}

bool SaveContrastBackground(Color background, QString* error)
{
    return SaveSetting(kContrastGroup, kBackgroundKey, HexColorText(background), error);
}

bool SaveContrastAim(const SuggestionLevel& aim, QString* error)
{
    return SaveSetting(
        kContrastGroup, kAimKey, QString::fromLatin1(aim.name.data(), static_cast<qsizetype>(aim.name.size())), error);
}

} // namespace pelmora
