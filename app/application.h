#pragma once
// The application: the windows that exist once in a run (splash, main, help, About, launcher), the
// branding record they all show, and the hand-overs between them.

#include "windows/about_window.h"
#include "windows/branding.h"
#include "windows/splash_window.h"
#include "windows/website_launcher.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace pelmora {

class MainWindow;
class HelpWindow;

// How long the companion windows' timers run. The program keeps the defaults; tests shorten them so
// that they need not wait for real seconds.
struct CompanionTimings {
    int splashTickMs = SplashWindow::kTickMs;
    int launcherLifetimeMs = WebsiteLauncher::kLifetimeMs;
    int aboutStartDelayMs = AboutWindow::kStartDelayMs;
};

class Application final : public QObject {
    Q_OBJECT
public:
    // `programFolder` is where the help file is looked for (the program's own folder by default).
    explicit Application(CompanionTimings timings = {}, QString programFolder = QString());
    ~Application() override;

    // Shows the splash; its 75th tick brings up the main window.
    void start();

    const Branding& branding() const { return branding_; }
    const CompanionTimings& timings() const { return timings_; }
    SplashWindow* splashWindow() const { return splash_.get(); }
    // Each of these is nullptr while its window is not loaded (before it opened, or once closed).
    MainWindow* mainWindow() const;
    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;
    WebsiteLauncher& launcher() { return launcher_; }

    // The About button: loads the About window unless it is loaded, and shows it.
    AboutWindow* showAbout();
    // Opens the owner's web address through the launcher, showing its window when asked.
    void visitWebsite(bool showLauncher);

signals:
    // The main window has been loaded (its start-up and the help window's opener have run) and is
    // about to be shown.
    void mainWindowLoaded(pelmora::MainWindow* form);

private:
    void openMainWindow();
    void onMainWindowClosed();

    const Branding branding_;
    const CompanionTimings timings_;
    const QString programFolder_;
    WebsiteLauncher launcher_;
    std::unique_ptr<SplashWindow> splash_;
    QPointer<MainWindow> mainWindow_;
    QPointer<HelpWindow> helpWindow_;
    QPointer<AboutWindow> aboutWindow_;
};

} // namespace pelmora
