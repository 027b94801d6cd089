// The application object: the hand-over from the splash to the main window, and the main and About
// windows' ways to the About window and the website launcher.
#include "app/application.h"
#include "mainwindow/main_window.h"
#include "url_catcher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pelmora;

namespace {

// Fast companion timers: the splash ticks as fast as the event loop runs, the launcher lives 200 ms.
constexpr CompanionTimings kFast{0, 200, AboutWindow::kStartDelayMs};

int LoadedWindows(const char* className)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->inherits(className);
    return count;
}

// Records, at the moment the splash hides, whether the main window was already on the screen.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(const Application& application)
        : application_(application)
    {
        application.splashWindow()->installEventFilter(this);
    }
    int hides = 0;
    bool mainWindowVisibleAtHide = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == application_.splashWindow() && event->type() == QEvent::Hide) {
            ++hides;
            mainWindowVisibleAtHide = application_.mainWindow() && application_.mainWindow()->isVisible();
        }
        return false;
    }

private:
    const Application& application_;
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    QTemporaryDir programFolder; // no help file: the help window stays closed
    UrlCatcher catcher;
    std::unique_ptr<Application> application;

    MainWindow* start(CompanionTimings timings = kFast)
    {
        application = std::make_unique<Application>(timings, programFolder.path());
        // A signal spy's own event loop runs the ticks back to back; QTest::qWaitFor would sleep
        // 10 ms after each one.
        QSignalSpy loaded(application.get(), &Application::mainWindowLoaded);
        application->start();
        if (!loaded.wait(5000))
            return nullptr;
        return application->mainWindow();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        QVERIFY(programFolder.isValid());
        qRegisterMetaType<pelmora::MainWindow*>();
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        // The main window's close would end the event loop of a real run; here it only quits exec().
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { catcher.opened.clear(); }
    void cleanup()
    {
        application.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(LoadedWindows("pelmora::MainWindow"), 0);
        QCOMPARE(LoadedWindows("pelmora::AboutWindow"), 0);
    }

    void brandingIsLoadedOnceForEveryWindow()
    {
        Application app;
        QCOMPARE(app.branding(), LoadBranding());
        QCOMPARE(app.branding().programName, QStringLiteral("Pelmora"));
        QCOMPARE(app.branding().ownerName, QStringLiteral("Brightwell Studio"));
        QCOMPARE(app.timings().splashTickMs, 2);
        QCOMPARE(app.timings().launcherLifetimeMs, 1000);
        QCOMPARE(app.timings().aboutStartDelayMs, 10000);
    }

    void mainWindowIsLoadedOnTheSeventyFifthTickOnly()
    {
        // The test ticks by itself: the timer's first tick is a minute away.
        application = std::make_unique<Application>(CompanionTimings{60000, 200, 10000}, programFolder.path());
        application->start();
        SplashWindow* splash = application->splashWindow();
        QSignalSpy loaded(application.get(), &Application::mainWindowLoaded);
        HideWatcher watcher(*application);

        for (int tick = 1; tick <= 74; ++tick) {
            splash->onTick();
            QVERIFY2(!application->mainWindow() && LoadedWindows("pelmora::MainWindow") == 0,
                qPrintable(QString::number(tick)));
        }
        QVERIFY(splash->isVisible());
        splash->onTick();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedWindows("pelmora::MainWindow"), 1);
        QVERIFY(application->mainWindow()->isVisible());
        QVERIFY(!splash->isVisible());
        QCOMPARE(watcher.hides, 1);
        QVERIFY2(watcher.mainWindowVisibleAtHide, "the splash hid before the main window was shown");

        // Ticks that might still be queued change nothing.
        splash->onTick();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedWindows("pelmora::MainWindow"), 1);
    }

    void realTimerHandsOverOnceAndTheSplashStaysHidden()
    {
        application = std::make_unique<Application>(CompanionTimings{}, programFolder.path());
        QSignalSpy loaded(application.get(), &Application::mainWindowLoaded);
        application->start();
        HideWatcher watcher(*application);
        QVERIFY(loaded.wait(5000));
        QCOMPARE(qvariant_cast<MainWindow*>(loaded.at(0).at(0)), application->mainWindow());
        QCOMPARE(application->mainWindow()->windowTitle(), QStringLiteral("Pelmora by Brightwell Studio"));
        QTest::qWait(50); // a further 25 periods of the timer, had it kept running
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(LoadedWindows("pelmora::MainWindow"), 1);
        QCOMPARE(application->splashWindow()->ticks(), std::int16_t{150});
        QVERIFY(watcher.mainWindowVisibleAtHide);
        QVERIFY(!application->splashWindow()->isVisible());
    }

    void visitButtonOpensTheWebsiteWithoutShowingTheLauncher()
    {
        MainWindow* form = start();
        QVERIFY(form);
        auto* command4 = form->findChild<QPushButton*>(QStringLiteral("Command4"));
        QTest::mouseClick(command4, Qt::LeftButton);
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://pelmora.example.org"))});
        QVERIFY(application->launcher().window());
        QVERIFY(!application->launcher().isShown());
        // A second click while the launcher lives opens nothing.
        QTest::mouseClick(command4, Qt::LeftButton);
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(QTest::qWaitFor([&] { return application->launcher().window() == nullptr; }, 3000));
    }

    void websiteLabelOpensTheAddressThroughAShownLauncher()
    {
        application = std::make_unique<Application>(kFast, programFolder.path());
        AboutWindow* about = application->showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblWebsite")), Qt::LeftButton);
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://pelmora.example.org"))});
        QVERIFY(application->launcher().isShown());
        QVERIFY(QTest::qWaitFor([&] { return application->launcher().window() == nullptr; }, 3000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void aboutButtonLoadsOnceAndAClosedWindowStartsFresh()
    {
        MainWindow* form = start();
        QVERIFY(form);
        auto* command5 = form->findChild<QPushButton*>(QStringLiteral("Command5"));
        QTest::mouseClick(command5, Qt::LeftButton);
        QPointer<AboutWindow> first = application->aboutWindow();
        QVERIFY(first && first->isVisible());
        QVERIFY(first->parent() == nullptr); // its own task bar entry
        first->onStartDelayOver();
        first->onScrollTick();
        QTest::mouseClick(command5, Qt::LeftButton);
        QCOMPARE(application->aboutWindow(), first.data());
        QCOMPARE(LoadedWindows("pelmora::AboutWindow"), 1);
        QCOMPARE(first->scroller().scrollStep, 1);

        QPointer<QTimer> firstScroller = first->findChild<QTimer*>(QStringLiteral("Timer1"));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(firstScroller.isNull());
        QVERIFY(application->aboutWindow() == nullptr);

        QTest::mouseClick(command5, Qt::LeftButton);
        AboutWindow* second = application->aboutWindow();
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->scroller().scrollStep, 0);
        QCOMPARE(second->scroller().text, AboutWindow::CreditsText());
        QVERIFY(second->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(second->findChild<QTimer*>(QStringLiteral("Timer2"))->interval(), 10000);
        QVERIFY(!second->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void closingTheMainWindowEndsTheProgramUnlessTheLauncherIsShown()
    {
        MainWindow* form = start();
        QVERIFY(form);
        AboutWindow* about = application->showAbout();
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblWebsite")), Qt::LeftButton);
        QVERIFY(application->launcher().isShown());
        about->close();
        QTimer::singleShot(0, form, &QWidget::close);
        QElapsedTimer clock;
        clock.start();
        // The launcher's self-close (200 ms here) is what ends the event loop.
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { qApp->exit(1); });
        guard.start(3000);
        QCOMPARE(qApp->exec(), 0);
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(clock.elapsed() >= 150);
        QVERIFY(!application->launcher().isShown());
    }

    void theAboutWindowClosesWithTheMainWindowAndTheLauncherEndsTheProgram()
    {
        MainWindow* form = start();
        QVERIFY(form);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
        QPointer<AboutWindow> about = application->aboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblWebsite")), Qt::LeftButton);
        QVERIFY(application->launcher().isShown());
        // The launcher has nothing to show: no box of its own on the screen.
        QVERIFY(application->launcher().window());
        QVERIFY(!application->launcher().window()->isVisible());
        QTimer::singleShot(0, form, &QWidget::close);
        QElapsedTimer clock;
        clock.start();
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { qApp->exit(1); });
        guard.start(3000);
        bool aboutOpenAfterTheClose = true;
        QTimer::singleShot(50, qApp, [&] { aboutOpenAfterTheClose = about && about->isVisible(); });
        const int status = qApp->exec();
        QApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(status, 0);
        QVERIFY2(!aboutOpenAfterTheClose, "the About window stayed open after the main window had closed");
        QVERIFY(clock.elapsed() >= 150); // not before the launcher has closed itself
        QVERIFY(!application->launcher().isShown());
    }

    void theLaunchersEndLeavesAnOpenMainWindowRunning()
    {
        MainWindow* form = start();
        QVERIFY(form);
        AboutWindow* about = application->showAbout();
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblWebsite")), Qt::LeftButton);
        about->close();
        QApplication::setQuitOnLastWindowClosed(true);
        // The launcher closes itself after 200 ms; the program must still run 300 ms later.
        QTimer::singleShot(500, qApp, [] { qApp->exit(7); });
        const int status = qApp->exec();
        QApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(status, 7);
        QVERIFY(!application->launcher().isShown());
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
