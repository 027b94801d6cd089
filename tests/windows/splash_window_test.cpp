// The splash window: its look, the 75 ticks, and the hand-over to whatever handles the due main
// window (the application's own hand-over is in tests/app/application_test.cpp).
#include "windows/branding.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pelmora;

namespace {

// Stands in for the application: loads and shows a window when the splash says the main window is due.
class StandInApplication : public QObject {
public:
    explicit StandInApplication(SplashWindow* splash)
    {
        connect(splash, &SplashWindow::mainWindowDue, this, [this] {
            ++loads;
            mainWindow = std::make_unique<QWidget>();
            mainWindow->show();
        });
    }
    int loads = 0;
    std::unique_ptr<QWidget> mainWindow;
};

// Records, at the moment the splash hides, whether the main window was already on the screen.
class HideWatcher : public QObject {
public:
    HideWatcher(SplashWindow* splash, const StandInApplication& application)
        : splash_(splash)
        , application_(application)
    {
        splash->installEventFilter(this);
    }
    int hides = 0;
    bool mainWindowVisibleAtHide = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == splash_ && event->type() == QEvent::Hide) {
            ++hides;
            mainWindowVisibleAtHide = application_.mainWindow && application_.mainWindow->isVisible();
        }
        return false;
    }

private:
    SplashWindow* splash_;
    const StandInApplication& application_;
};

} // namespace

class SplashTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    const Branding branding = LoadBranding();
    std::unique_ptr<SplashWindow> splash;

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void cleanup() { splash.reset(); }

    void loadTakesTheBrandingAndStartsTheTimer()
    {
        splash = std::make_unique<SplashWindow>(branding);
        QCOMPARE(splash->windowTitle(), QStringLiteral("Pelmora"));
        auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer2"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2);
        QCOMPARE(splash->ticks(), std::int16_t{0});
    }

    void isABorderlessCentredSplashFilledByItsArtwork()
    {
        splash = std::make_unique<SplashWindow>(branding);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
        QCOMPARE(splash->size(), QSize(478, 318));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(qAbs(splash->geometry().center().x() - screen.center().x()) <= 1, "not centred across");
        QVERIFY2(qAbs(splash->geometry().center().y() - screen.center().y()) <= 1, "not centred down");

        auto* image = splash->findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(0, 0, 478, 318));
        const QImage art = image->pixmap().toImage();
        QCOMPARE(art.size(), QSize(478, 318));
        // The colour field shows through at the top: red at the left, a different hue further right,
        // and the bottom darker than the top for the texts.
        const QColor left = art.pixelColor(40, 30), right = art.pixelColor(300, 30);
        QVERIFY2(left.red() > left.blue() + 60, qPrintable(left.name()));
        QVERIFY2(qAbs(left.hueF() - right.hueF()) > 0.2, qPrintable(left.name() + u' ' + right.name()));
        QVERIFY(art.pixelColor(240, 300).valueF() < art.pixelColor(240, 30).valueF());
    }

    void mainWindowIsLoadedOnTheSeventyFifthTickOnly()
    {
        splash = std::make_unique<SplashWindow>(branding);
        splash->findChild<QTimer*>(QStringLiteral("Timer2"))->stop(); // the test ticks by itself
        splash->show();
        QSignalSpy loaded(splash.get(), &SplashWindow::mainWindowDue);
        StandInApplication application(splash.get());
        HideWatcher watcher(splash.get(), application);

        for (int tick = 1; tick <= 74; ++tick) {
            splash->onTick();
            QVERIFY2(!application.mainWindow && application.loads == 0, qPrintable(QString::number(tick)));
        }
        QCOMPARE(splash->ticks(), std::int16_t{148});
        QVERIFY(splash->isVisible());

        splash->onTick();
        QCOMPARE(splash->ticks(), std::int16_t{150});
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(application.loads, 1);
        QVERIFY(application.mainWindow->isVisible());
        QVERIFY(!splash->isVisible());
        QCOMPARE(watcher.hides, 1);
        QVERIFY2(watcher.mainWindowVisibleAtHide, "the splash hid before the main window was shown");
        QVERIFY(!splash->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());

        // Ticks that might still be queued change nothing.
        splash->onTick();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(application.loads, 1);
        QVERIFY(!splash->isVisible());
    }

    void realTimerHandsOverOnceAndTheSplashStaysHidden()
    {
        splash = std::make_unique<SplashWindow>(branding);
        QSignalSpy loaded(splash.get(), &SplashWindow::mainWindowDue);
        StandInApplication application(splash.get());
        HideWatcher watcher(splash.get(), application);
        splash->show();
        QVERIFY(loaded.wait(5000)); // its own event loop: no sleep between the ticks
        QVERIFY(application.mainWindow != nullptr);
        QCOMPARE(loaded.count(), 1);
        QTest::qWait(50); // a further 25 periods of the timer, had it kept running
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(application.loads, 1);
        QCOMPARE(splash->ticks(), std::int16_t{150});
        QVERIFY(watcher.mainWindowVisibleAtHide);
        QVERIFY(!splash->isVisible());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_window_test.moc"
