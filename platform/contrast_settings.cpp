#include "platform/contrast_settings.h"

#include "platform/settings_store.h"

#include <algorithm>

namespace pelmora {
namespace {

const QString kContrastGroup = QStringLiteral("Contrast");
const QString kBackgroundKey = QStringLiteral("background");
const QString kAimKey = QStringLiteral("aim");

bool IsHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

} // namespace

QString BackgroundText(Color background)
{
    return QStringLiteral("#%1").arg(
        (background.red() << 16) | (background.green() << 8) | background.blue(), 6, 16, QLatin1Char('0'));
}

std::optional<Color> BackgroundFromText(const QString& text)
{
    if (text.size() != 7 || text[0] != u'#' || !std::all_of(text.begin() + 1, text.end(), IsHexDigit))
        return std::nullopt;
    const uint rrggbb = text.mid(1).toUInt(nullptr, 16);
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

ContrastChoice LoadContrastChoice()
{
    ContrastChoice choice;
    if (const auto background = BackgroundFromText(GetSetting(kContrastGroup, kBackgroundKey, QString())))
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
    return SaveSetting(kContrastGroup, kBackgroundKey, BackgroundText(background), error);
}

bool SaveContrastAim(const SuggestionLevel& aim, QString* error)
{
    return SaveSetting(
        kContrastGroup, kAimKey, QString::fromLatin1(aim.name.data(), static_cast<qsizetype>(aim.name.size())), error);
}

} // namespace pelmora
