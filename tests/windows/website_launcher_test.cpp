// The website launcher against a captured URL handler: what it opens, when, and how long it lives.
#include "url_catcher.h"
#include "windows/website_launcher.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>

using namespace pelmora;

namespace {

const QString kWebsite = QStringLiteral("pelmora.example.org");
// Long enough for the checks made while the window is loaded, short enough not to wait for.
constexpr int kShortLifetimeMs = 200;

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private:
    UrlCatcher catcher;

    static void waitUntilUnloaded(const WebsiteLauncher& launcher)
    {
        QVERIFY(QTest::qWaitFor([&] { return launcher.window() == nullptr; }, 3000));
        // Let the deferred delete run so the next test starts with no window at all.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    void init() { catcher.opened.clear(); }

    void visitOpensTheBareHostWithHttp()
    {
        WebsiteLauncher launcher(kShortLifetimeMs);
        QVERIFY(launcher.window() == nullptr);
        QVERIFY(catcher.opened.isEmpty()); // nothing opens before it is asked
        QWidget* window = launcher.open(kWebsite, false);
        QVERIFY(window);
        QCOMPARE(launcher.window(), window);
        QCOMPARE(window->objectName(), QStringLiteral("frmWebsite"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://pelmora.example.org"))});
        QVERIFY(!window->isVisible());
        QVERIFY(!launcher.isShown());
        waitUntilUnloaded(launcher);
    }

    void addressWithASchemeIsOpenedUnchanged()
    {
        WebsiteLauncher launcher(kShortLifetimeMs);
        launcher.open(QStringLiteral("HTTPS://A.EXAMPLE.ORG"), false);
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("HTTPS://A.EXAMPLE.ORG"))});
        waitUntilUnloaded(launcher);
    }

    void secondRequestWithinTheLifetimeWaitsForTheNextLoad()
    {
        WebsiteLauncher launcher(kShortLifetimeMs);
        QWidget* first = launcher.open(kWebsite, false);
        QCOMPARE(catcher.opened.size(), 1);

        QCOMPARE(launcher.open(kWebsite, false), first); // still loaded: the load step does not run again
        QCOMPARE(catcher.opened.size(), 1);

        waitUntilUnloaded(launcher);
        QCOMPARE(catcher.opened.size(), 1); // the timer only unloads; it serves nothing

        QVERIFY(launcher.open(kWebsite, false));
        QCOMPARE(catcher.opened.size(), 2);
        waitUntilUnloaded(launcher);
    }

    void theProgramsLauncherLivesOneSecond()
    {
        QCOMPARE(WebsiteLauncher::kLifetimeMs, 1000);
        WebsiteLauncher launcher;
        QWidget* window = launcher.open(kWebsite, false);
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 1000);
    }

    void unloadsItselfWhenItsLifetimeIsOver()
    {
        WebsiteLauncher launcher(kShortLifetimeMs);
        QElapsedTimer clock;
        clock.start();
        QWidget* window = launcher.open(kWebsite, false);
        QSignalSpy unloaded(&launcher, &WebsiteLauncher::unloaded);
        QTest::qWait(kShortLifetimeMs - 100);
        QCOMPARE(launcher.window(), window);
        QVERIFY(unloaded.wait(2000));
        QVERIFY(clock.elapsed() >= kShortLifetimeMs - 50);
        QCOMPARE(launcher.window(), nullptr);
        waitUntilUnloaded(launcher);
    }

    void shownLauncherIsBorderlessCentredAndKeepsTheProgramAlive()
    {
        WebsiteLauncher launcher(kShortLifetimeMs * 2);
        QWidget* window = launcher.open(kWebsite, true);
        // Shown, it has nothing to show: it puts no empty box on the screen.
        QTest::qWait(50);
        QVERIFY(!window->isVisible());
        QVERIFY(launcher.isShown());
        QCOMPARE(window->size(), QSize(122, 107));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window->windowType(), Qt::Tool);
        QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->geometry().center().y() - screen.center().y()) <= 1);

        // Loading again while alive (the About window's label) only shows the same window.
        QCOMPARE(launcher.open(kWebsite, true), window);
        QCOMPARE(catcher.opened.size(), 1);

        // With no other window open, its self-close is what ends the program's event loop.
        bool timedOut = false;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [&timedOut] {
            timedOut = true;
            qApp->exit(1);
        });
        guard.start(3000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(qApp->exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(!launcher.isShown());
        waitUntilUnloaded(launcher);
    }
};

QTEST_MAIN(LauncherTest)
#include "website_launcher_test.moc"
