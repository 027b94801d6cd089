#include "windows/launcher.h"

#include "windows/branding.h"
#include "windows/web_address.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace pelmora {

namespace {
frmWebsite* g_loaded = nullptr;
} // namespace

frmWebsite::frmWebsite()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmWebsite"));
    // Qt drops quit-on-close for tool windows; a shown launcher must keep the program alive until it
    // has closed itself, exactly like any other open window.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kLifetimeMs);
    connect(Timer1, &QTimer::timeout, this, &frmWebsite::Timer1_Timer);
}

frmWebsite::~frmWebsite()
{
    if (g_loaded == this)
        g_loaded = nullptr;
}

void frmWebsite::OpenRequestedAddress()
{
    LoadBranding();
    if (strWebRequest() != QLatin1String("Website"))
        return;
    // Whether the desktop managed to open it is not ours to judge; the request is served either way.
    QDesktopServices::openUrl(QUrl(AddressWithScheme(ProgramBranding().strWebsite)));
    strWebRequest().clear();
}

void frmWebsite::Timer1_Timer()
{
    if (g_loaded == this)
        g_loaded = nullptr;
    close();
    emit unloaded();
    deleteLater();
}

frmWebsite* LoadWebsiteLauncher(bool show)
{
    if (!g_loaded) {
        g_loaded = new frmWebsite();
        frmWebsite::OpenRequestedAddress();
        g_loaded->Timer1->start();
    }
    if (show)
        g_loaded->show();
    return g_loaded;
}

frmWebsite* LoadedWebsiteLauncher()
{
    return g_loaded;
}

bool IsWebsiteLauncherShown()
{
    return g_loaded && g_loaded->isVisible();
}

} // namespace pelmora
