#include "windows/website_launcher.h"

#include "windows/web_address.h"

#include <QDesktopServices>
#include <QEventLoopLocker>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace pelmora {

namespace {

QWidget* MakeLauncherWindow()
{
    auto* window = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    window->setObjectName(QStringLiteral("frmWebsite"));
    // Qt drops quit-on-close for tool windows; the launcher counts like any other window of the
    // program.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setFixedSize(WebsiteLauncher::kWidth, WebsiteLauncher::kHeight);
    // The screen's centre point less half the size: for an even screen width this sits one pixel
    // left of an equal split of the margins, which is where the launcher has always appeared.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(WebsiteLauncher::kWidth / 2, WebsiteLauncher::kHeight / 2));
    }
    return window;
}

} // namespace

WebsiteLauncher::WebsiteLauncher(int lifetimeMs, QObject* parent)
    : QObject(parent)
    , lifetimeMs_(lifetimeMs)
{
}

WebsiteLauncher::~WebsiteLauncher() { delete window_; }

QWidget* WebsiteLauncher::open(const QString& address, bool show)
{
    if (!window_) {
        window_ = MakeLauncherWindow();
        // Whether the desktop managed to open it is not ours to judge; the request is served either way.
        QDesktopServices::openUrl(QUrl(AddressWithScheme(address)));
        auto* timer = new QTimer(window_);
        timer->setObjectName(QStringLiteral("Timer1"));
        timer->setSingleShot(true);
        timer->setInterval(lifetimeMs_);
        connect(timer, &QTimer::timeout, this, &WebsiteLauncher::onLifetimeOver);
        timer->start();
    }
    // An empty box over the About window would tell the user nothing: the window stays off the
    // screen, and what showing it meant, a program that runs until the launcher has closed itself,
    // is kept by holding the event loop.
    if (show && !keepsProgramRunning_)
        keepsProgramRunning_ = std::make_unique<QEventLoopLocker>();
    return window_;
}

bool WebsiteLauncher::isShown() const { return window_ && keepsProgramRunning_; }

void WebsiteLauncher::onLifetimeOver()
{
    QWidget* window = window_;
    window_ = nullptr;
    window->close();
    emit unloaded();
    window->deleteLater();
    // Last: with no other window left, the program ends here.
    keepsProgramRunning_.reset();
}

} // namespace pelmora
