#include "screen/screen_picker.h"

#include "screen/loupe_overlay.h"
#include "screen/portal_color_picker.h"
#include "screen/screen_pick_messages.h"

#include <QGuiApplication>

namespace pelmora {

ScreenPicker::ScreenPicker(QObject* parent)
    : QObject(parent)
    , requested_(StoredPickWay())
{
}

ScreenPicker::~ScreenPicker()
{
    // The loupe is a top-level window, not a child of this object.
    delete current_;
}

PickWay ScreenPicker::way() const
{
    return ResolvePickWay(requested_, QGuiApplication::platformName(), qEnvironmentVariable("XDG_SESSION_TYPE"));
}

template <typename Way> void ScreenPicker::relay(Way* way)
{
    current_ = way;
    auto done = [this, way] {
        active_ = false;
        windowsAside_.bringBack();
        way->deleteLater();
    };
    connect(way, &Way::picked, this, [this, done](Color color) {
        done();
        emit picked(color);
    });
    connect(way, &Way::cancelled, this, [this, done] {
        done();
        emit cancelled();
    });
    connect(way, &Way::failed, this, [this, done](const QString& message) {
        done();
        emit failed(message);
    });
    way->start();
}

void ScreenPicker::start()
{
    if (active_)
        return;
    active_ = true;
    windowsAside_.hideAll();
    if (way() == PickWay::Portal) {
        auto* portal = new PortalColorPicker(portalBus_, this);
        portal->setAnswerTimeout(portalTimeout_);
        relay(portal);
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        const QString message = ScreenGrabUnavailableMessage(QGuiApplication::platformName());
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                active_ = false;
                windowsAside_.bringBack();
                emit failed(message);
            },
            Qt::QueuedConnection);
        return;
    }
    auto* loupe = new LoupeOverlay;
    loupe->setCodeWriter(codeWriter_);
    relay(loupe);
}

} // namespace pelmora
