#include "platform/window_place.h"

#include "platform/settings_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace pelmora {

namespace {

const QString kWindowSection = QStringLiteral("Window");

QList<QRect> AvailableAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

std::optional<QPoint> PlaceFromText(const QString& text)
{
    const QStringList parts = text.split(u' ');
    if (parts.size() != 2)
        return std::nullopt;
    bool xOk = false;
    bool yOk = false;
    const int x = parts[0].toInt(&xOk);
    const int y = parts[1].toInt(&yOk);
    // Far beyond any desktop: a damaged value, not a place (and no overflow in the sums below).
    constexpr int kLimit = 1 << 20;
    if (!xOk || !yOk || std::abs(x) > kLimit || std::abs(y) > kLimit)
        return std::nullopt;
    return QPoint(x, y);
}

QString TextOfPlace(const QPoint& place) { return QString::number(place.x()) + u' ' + QString::number(place.y()); }

bool TitleBarReachable(const QPoint& place, int width, const QList<QRect>& availableAreas)
{
    const QRect titleBar(place, QSize(width, kTitleBarHeight));
    const int grip = std::min(kTitleBarGrip, width);
    return std::any_of(availableAreas.begin(), availableAreas.end(), [&](const QRect& area) {
        const QRect onScreen = titleBar.intersected(area);
        return onScreen.height() == kTitleBarHeight && onScreen.width() >= grip;
    });
}

bool RestoreWindowPlace(QWidget* window, const QString& key)
{
    const std::optional<QPoint> place = PlaceFromText(GetSetting(kWindowSection, key, QString()));
    if (!place || !TitleBarReachable(*place, window->width(), AvailableAreas()))
        return false;
    window->move(*place);
    return true;
}

bool StoreWindowPlace(const QWidget* window, const QString& key)
{
    const QString text = TextOfPlace(window->pos());
    if (GetSetting(kWindowSection, key, QString()) == text)
        return true;
    return SaveSetting(kWindowSection, key, text);
}

} // namespace pelmora
