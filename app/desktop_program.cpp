#include "app/desktop_program.h"

#include "mainwindow/main_window.h"
#include "windows/launcher.h"
#include "windows/splash.h"

#include <QApplication>

namespace pelmora {

int RunDesktopProgram(int argc, char** argv)
{
    // The window is laid out in whole pixels and shows the picker's pixels one to one: on a high-DPI
    // screen it scales by a whole factor, so every shown colour is a painted one and a click lands
    // on the pixel under the pointer.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setOrganizationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pelmora"));

    // The splash stays loaded, hidden, for the whole run once it has brought up the main window.
    frmSplash splash;
    QObject::connect(&splash, &frmSplash::mainWindowLoaded, &app, [&app](MainWindow* form) {
        QObject::connect(form, &MainWindow::unloaded, &app, [] {
            // A launcher still on the screen ends the program itself when it has closed.
            if (IsWebsiteLauncherShown())
                return;
            QApplication::closeAllWindows();
            QApplication::quit();
        });
    });
    splash.show();
    return QApplication::exec();
}

} // namespace pelmora
