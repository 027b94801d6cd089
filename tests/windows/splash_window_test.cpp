// The splash window: its look, the 75 ticks, and the hand-over to the main window.
#include "mainwindow/form1.h"
#include "windows/branding.h"
#include "windows/splash.h"

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

int LoadedMainWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<Form1*>(widget) != nullptr;
    return count;
}

// Records, at the moment the splash hides, whether the main window was already on the screen.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(frmSplash* splash) : splash_(splash) { splash->installEventFilter(this); }
    int hides = 0;
    bool mainWindowVisibleAtHide = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == splash_ && event->type() == QEvent::Hide) {
            ++hides;
            mainWindowVisibleAtHide = splash_->mainWindow() && splash_->mainWindow()->isVisible();
        }
        return false;
    }

private:
    frmSplash* splash_;
};

} // namespace

class SplashTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    std::unique_ptr<frmSplash> splash;

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void cleanup()
    {
        if (splash && splash->mainWindow())
            delete splash->mainWindow();
        splash.reset();
        QCOMPARE(LoadedMainWindows(), 0);
    }

    void loadFillsTheBrandingAndStartsTheTimer()
    {
        ProgramBranding() = {};
        splash = std::make_unique<frmSplash>();
        QCOMPARE(ProgramBranding().strProgramName, QStringLiteral("Pelmora"));
        QCOMPARE(ProgramBranding().strOwnerName, QStringLiteral("Brightwell Studio"));
        auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer2"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2);
        QCOMPARE(splash->ticks(), std::int16_t{0});
    }

    void isABorderlessCentredSplashFilledByItsArtwork()
    {
        splash = std::make_unique<frmSplash>();
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
        splash = std::make_unique<frmSplash>();
        splash->findChild<QTimer*>(QStringLiteral("Timer2"))->stop();  // the test ticks by itself
        splash->show();
        QSignalSpy loaded(splash.get(), &frmSplash::mainWindowLoaded);
        HideWatcher watcher(splash.get());

        for (int tick = 1; tick <= 74; ++tick) {
            splash->Timer2_Timer();
            QVERIFY2(!splash->mainWindow() && LoadedMainWindows() == 0, qPrintable(QString::number(tick)));
        }
        QCOMPARE(splash->ticks(), std::int16_t{148});
        QVERIFY(splash->isVisible());

        splash->Timer2_Timer();
        QCOMPARE(splash->ticks(), std::int16_t{150});
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedMainWindows(), 1);
        QVERIFY(splash->mainWindow()->isVisible());
        QVERIFY(!splash->isVisible());
        QCOMPARE(watcher.hides, 1);
        QVERIFY2(watcher.mainWindowVisibleAtHide, "the splash hid before the main window was shown");
        QVERIFY(!splash->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());

        // Ticks that might still be queued change nothing.
        splash->Timer2_Timer();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedMainWindows(), 1);
        QVERIFY(!splash->isVisible());
    }

    void realTimerHandsOverOnceAndTheSplashStaysHidden()
    {
        splash = std::make_unique<frmSplash>();
        QSignalSpy loaded(splash.get(), &frmSplash::mainWindowLoaded);
        HideWatcher watcher(splash.get());
        splash->show();
        QVERIFY(QTest::qWaitFor([&] { return splash->mainWindow() != nullptr; }, 5000));
        QCOMPARE(qvariant_cast<Form1*>(loaded.at(0).at(0)), splash->mainWindow());
        QCOMPARE(splash->mainWindow()->windowTitle(), QStringLiteral("Pelmora by Brightwell Studio"));
        QTest::qWait(50);  // a further 25 periods of the timer, had it kept running
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedMainWindows(), 1);
        QCOMPARE(splash->ticks(), std::int16_t{150});
        QVERIFY(watcher.mainWindowVisibleAtHide);
        QVERIFY(!splash->isVisible());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
