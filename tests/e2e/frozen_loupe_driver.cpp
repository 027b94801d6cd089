// Runs one screen pick as the program does (ScreenPicker), for tests on a compositor without input
// devices: once the loupe on the screenshot is up, compares what it shows with the picture the
// stand-in portal served (the window's own buffer, and the compositor's screenshot of the output),
// then drives the loupe below the window and prints the outcome.
//
// usage: frozen_loupe_driver auto|screenshot SERVED_PNG X Y ACTION...
//   X Y      the logical position the pointer moves to first
//   ACTION   a key (Right, shift+Left, ctrl+Return, Escape, Space, ...), click, ctrl+click,
//            ctrl+shift+click or rightclick
// Prints "#rrggbb", "cancelled" or "failed: MESSAGE" on standard output, and "note: ..." lines on
// standard error. Status 0 when the outcome came and the pictures matched; 1 otherwise.

#include "screen/frozen_loupe.h"
#include "screen/screen_pick_settings.h"
#include "screen/screen_picker.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <iostream>

using namespace pelmora;

namespace {

FrozenScreenWindow* WaitForLoupe()
{
    for (int i = 0; i < 1500; ++i) { // 30 s: the portal, then the picture, on a busy machine
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* frozen = qobject_cast<FrozenScreenWindow*>(window); frozen && frozen->isVisible())
                return frozen;
        QTest::qWait(20);
    }
    return nullptr;
}

// How many pixels of `shown` differ from `served` outside the loupe (device pixels of the window).
int DifferingOutsideTheLoupe(const QImage& shown, const QImage& served, const FrozenScreenWindow& window)
{
    const qreal scale = window.devicePixelRatioF();
    const QRect loupe = QRectF(window.loupeRect().topLeft() * scale, window.loupeRect().size() * scale)
                            .toAlignedRect()
                            .adjusted(-4, -4, 4, 4);
    if (shown.size() != served.size())
        return shown.width() * shown.height();
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!loupe.contains(x, y) && shown.pixel(x, y) != served.pixel(x, y))
                ++differing;
    return differing;
}

// The compositor's picture of its output, through the screenshooter.
QImage CompositorScreenshot()
{
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(30000))
        return {};
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
    return files.isEmpty() ? QImage() : QImage(folder.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 4) {
        std::cerr << "usage: frozen_loupe_driver auto|screenshot SERVED_PNG X Y ACTION...\n";
        return 2;
    }
    ScreenPicker picker;
    picker.setWay(ParsePickWay(args[0]).value_or(PickWay::Auto));
    QString outcome;
    QObject::connect(&picker, &ScreenPicker::picked, [&outcome](Color color) {
        outcome
            = QStringLiteral("#%1").arg(color.red() << 16 | color.green() << 8 | color.blue(), 6, 16, QLatin1Char('0'));
    });
    QObject::connect(&picker, &ScreenPicker::cancelled, [&outcome] { outcome = QStringLiteral("cancelled"); });
    QObject::connect(&picker, &ScreenPicker::failed,
        [&outcome](const QString& message) { outcome = QStringLiteral("failed: ") + message; });
    QObject::connect(&picker, &ScreenPicker::noted,
        [](const QString& note) { std::cerr << "note: " << note.toStdString() << std::endl; });
    picker.start();

    bool matched = false;
    FrozenScreenWindow* window = WaitForLoupe();
    if (!window)
        std::cerr << "no loupe appeared" << std::endl;
    if (window) {
        if (!QTest::qWaitForWindowExposed(window->windowHandle(), 30000))
            std::cerr << "the loupe's window was never exposed\n";
        QTest::qWait(500); // the compositor shows the frame after the window has drawn it
        const QImage served = QImage(args[1]).convertToFormat(QImage::Format_RGB32);
        const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int ownDiffering = DifferingOutsideTheLoupe(own, served, *window);
        const QImage shown = CompositorScreenshot();
        const int shownDiffering = DifferingOutsideTheLoupe(shown, served, *window);
        std::cerr << "window " << window->width() << "x" << window->height() << " at scale "
                  << window->devicePixelRatioF() << (window->isFullScreen() ? ", full-screen" : ", NOT full-screen")
                  << "; own buffer " << own.width() << "x" << own.height() << ": " << ownDiffering
                  << " pixels differ outside the loupe; compositor " << shown.width() << "x" << shown.height() << ": "
                  << shownDiffering << " differ" << std::endl;
        matched = ownDiffering == 0 && shownDiffering == 0 && window->isFullScreen();

        const QPointF at(args[2].toDouble(), args[3].toDouble());
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
        for (const QString& action : args.mid(4)) {
            if (!outcome.isEmpty())
                break;
            Qt::KeyboardModifiers modifiers;
            if (action.startsWith(QLatin1String("ctrl+")))
                modifiers |= Qt::ControlModifier;
            if (action.contains(QLatin1String("shift+")))
                modifiers |= Qt::ShiftModifier;
            const QString name = action.section(QLatin1Char('+'), -1);
            if (name == QLatin1String("click") || name == QLatin1String("rightclick")) {
                const Qt::MouseButton button = name == QLatin1String("click") ? Qt::LeftButton : Qt::RightButton;
                QMouseEvent press(QEvent::MouseButtonPress, at, at, button, button, modifiers);
                QApplication::sendEvent(window, &press);
            } else {
                QTest::keyClick(window, Qt::Key(QKeySequence::fromString(name)[0].key()), modifiers);
            }
        }
    }
    for (int i = 0; i < 1500 && outcome.isEmpty(); ++i)
        QTest::qWait(20);
    std::cout << (outcome.isEmpty() ? QStringLiteral("no outcome") : outcome).toStdString() << std::endl;
    return matched && !outcome.isEmpty() ? 0 : 1;
}
