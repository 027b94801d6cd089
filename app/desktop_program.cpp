#include "app/desktop_program.h"

#include "mainwindow/form1.h"
#include "windows/branding.h"
#include "windows/launcher.h"

#include <QApplication>

namespace pelmora {

int RunDesktopProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setOrganizationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pelmora"));
    LoadBranding();

    auto* form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(form, &Form1::unloaded, &app, [] {
        // A launcher still on the screen ends the program itself when it has closed.
        if (IsWebsiteLauncherShown())
            return;
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    form->show();
    return QApplication::exec();
}

} // namespace pelmora
