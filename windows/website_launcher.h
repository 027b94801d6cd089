#pragma once
// The website launcher: a small borderless window that opens the owner's web address in the
// user's browser when it is loaded and unloads itself one second later.

#include <QTimer>
#include <QWidget>

namespace pelmora {

class frmWebsite final : public QWidget {
    Q_OBJECT
public:
    // Client area 1830 x 1605 twips.
    static constexpr int kWidth = 122;
    static constexpr int kHeight = 107;
    static constexpr int kLifetimeMs = 1000;

    ~frmWebsite() override;

    // Opens the branding record's web address when strWebRequest() is exactly "Website", then
    // empties the request word. Any other request opens nothing and stays as it is.
    static void OpenRequestedAddress();

signals:
    // Emitted when the timer has unloaded the launcher (the window is closed and about to be deleted).
    void unloaded();

private:
    friend frmWebsite* LoadWebsiteLauncher(bool show);
    frmWebsite();
    void Timer1_Timer();

    QTimer* Timer1;
};

// Loads the launcher (running its load step) unless it is loaded already, and shows it when asked.
// A request made while the launcher is loaded waits in strWebRequest() for the next load.
frmWebsite* LoadWebsiteLauncher(bool show);

// The loaded launcher, or nullptr once its timer has unloaded it.
frmWebsite* LoadedWebsiteLauncher();

// Whether a loaded launcher is on the screen: the main window's unload leaves ending the program
// to it then (it keeps the application alive until it closes itself).
bool IsWebsiteLauncherShown();

} // namespace pelmora
