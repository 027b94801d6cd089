#include "app/desktop_program.h"

#include "app/application.h"
#include "screen/session_bus_probe.h"

#include <QApplication>

namespace pelmora {

int RunDesktopProgram(int argc, char** argv)
{
    // The window is laid out in whole pixels and shows the picker's pixels one to one: on a high-DPI
    // screen it scales by a whole factor. A fractional scale set through the environment
    // (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) is not rounded; there the surface view still
    // shows only painted colours and reads a click as the pixel shown under the pointer.
    // Qt opens the session bus for screen readers as the first window shows, and would wait for ever
    // on a bus that takes the connection and never answers: such a bus is hidden from it.
    HideSilentSessionBus();

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setOrganizationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pelmora"));

    // The splash stays loaded, hidden, for the whole run once it has brought up the main window.
    Application pelmora;
    pelmora.start();
    return QApplication::exec();
}

} // namespace pelmora
