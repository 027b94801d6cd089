#include "app/application.h"

#include "mainwindow/main_window.h"
#include "platform/window_place.h"
#include "windows/help_window.h"

#include <QApplication>

#include <utility>

namespace pelmora {

namespace {

// The main window's place under [Window] in the settings.
const QString kMainWindowPlaceKey = QStringLiteral("mainPosition");

} // namespace

Application::Application(CompanionTimings timings, QString programFolder)
    : branding_(LoadBranding())
    , timings_(timings)
    , programFolder_(programFolder.isNull() ? QCoreApplication::applicationDirPath() : std::move(programFolder))
    , launcher_(timings.launcherLifetimeMs)
{
}

Application::~Application()
{
    // The main window takes its help window with it; the About window has no owner but us.
    delete mainWindow_;
    delete aboutWindow_;
}

void Application::start()
{
    splash_ = std::make_unique<SplashWindow>(branding_, timings_.splashTickMs);
    connect(splash_.get(), &SplashWindow::mainWindowDue, this, &Application::openMainWindow);
    splash_->show();
}

MainWindow* Application::mainWindow() const { return mainWindow_; }
HelpWindow* Application::helpWindow() const { return helpWindow_; }
AboutWindow* Application::aboutWindow() const { return aboutWindow_; }

void Application::openMainWindow()
{
    if (mainWindow_)
        return;
    auto* form = new MainWindow(branding_);
    form->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow_ = form;
    connect(form, &MainWindow::visitWebsiteClicked, this, [this] { visitWebsite(false); });
    connect(form, &MainWindow::aboutClicked, this, [this] { showAbout(); });
    connect(form, &MainWindow::helpRequested, this,
        [this, form] { helpWindow_ = OpenHelpOnRequest(helpWindow_, form, programFolder_); });
    connect(form, &MainWindow::unloaded, this, &Application::onMainWindowClosed);
    // Where it was last closed, when that is still on a screen; otherwise where Qt puts a new window.
    RestoreWindowPlace(form, kMainWindowPlaceKey);
    // The last step of the main window's load.
    helpWindow_ = OpenHelpAtStartup(form, programFolder_);
    emit mainWindowLoaded(form);
    form->show();
}

void Application::onMainWindowClosed()
{
    // A place that cannot be stored is only lost: closing never waits on the settings.
    if (mainWindow_)
        StoreWindowPlace(mainWindow_, kMainWindowPlaceKey);
    // Every other window goes with the main window. A launcher that was shown keeps the program
    // running until it has closed itself; then the program ends, as no window is left.
    QApplication::closeAllWindows();
    if (!launcher_.isShown())
        QApplication::quit();
}

AboutWindow* Application::showAbout()
{
    if (!aboutWindow_) {
        aboutWindow_ = new AboutWindow(branding_, timings_.aboutStartDelayMs);
        connect(aboutWindow_, &AboutWindow::websiteClicked, this, [this] { visitWebsite(true); });
    }
    aboutWindow_->show();
    aboutWindow_->raise();
    aboutWindow_->activateWindow();
    return aboutWindow_;
}

void Application::visitWebsite(bool showLauncher) { launcher_.open(branding_.website, showLauncher); }

} // namespace pelmora
