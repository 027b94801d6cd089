#include "screen/screen_pick_settings.h"

#include "platform/settings_store.h"

namespace pelmora {
namespace {
const QString kGroup = QStringLiteral("ScreenPicking");
}

std::optional<PickWay> ParsePickWay(const QString& text)
{
    if (text == QLatin1String("auto"))
        return PickWay::Auto;
    if (text == QLatin1String("x11"))
        return PickWay::X11Loupe;
    if (text == QLatin1String("portal"))
        return PickWay::Portal;
    if (text == QLatin1String("screenshot"))
        return PickWay::Screenshot;
    return std::nullopt;
}

QString PickWayName(PickWay way)
{
    switch (way) {
    case PickWay::X11Loupe:
        return QStringLiteral("x11");
    case PickWay::Portal:
        return QStringLiteral("portal");
    case PickWay::Screenshot:
        return QStringLiteral("screenshot");
    case PickWay::Auto:
        break;
    }
    return QStringLiteral("auto");
}

PickWay ResolvePickWay(PickWay requested, const QString& platformName, const QString& sessionType)
{
    if (requested != PickWay::Auto)
        return requested;
    if (platformName != QLatin1String("xcb") || sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return PickWay::Screenshot;
    return PickWay::X11Loupe;
}

PickWay StoredPickWay()
{
    return ParsePickWay(GetSetting(kGroup, QStringLiteral("way"), QStringLiteral("auto"))).value_or(PickWay::Auto);
}

LoupeShape StoredLoupeShape()
{
    return GetSetting(kGroup, QStringLiteral("loupe"), QStringLiteral("round")) == QLatin1String("square")
        ? LoupeShape::Square
        : LoupeShape::Round;
}

int StoredAverageSize()
{
    const QString text = GetSetting(kGroup, QStringLiteral("average"), QStringLiteral("1"));
    if (text == QLatin1String("3"))
        return 3;
    if (text == QLatin1String("5"))
        return 5;
    return 1;
}

} // namespace pelmora
