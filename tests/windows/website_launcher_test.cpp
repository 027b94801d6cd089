// The website launcher against a captured URL handler: what it opens, when, and how long it lives.
#include "tests/shell/url_catcher.h"
#include "windows/branding.h"
#include "windows/launcher.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmora;

class LauncherTest : public QObject {
    Q_OBJECT
private:
    UrlCatcher catcher;

    static void waitUntilUnloaded()
    {
        QVERIFY(QTest::qWaitFor([] { return LoadedWebsiteLauncher() == nullptr; }, 3000));
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
    void init()
    {
        catcher.opened.clear();
        strWebRequest().clear();
        if (LoadedWebsiteLauncher())
            waitUntilUnloaded();
    }

    void visitOpensTheBareHostWithHttpAndEmptiesTheRequest()
    {
        strWebRequest() = QStringLiteral("Website");
        frmWebsite* launcher = LoadWebsiteLauncher(false);
        QVERIFY(launcher);
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://pelmora.example.org"))});
        QVERIFY(strWebRequest().isEmpty());
        QVERIFY(!launcher->isVisible());
        QVERIFY(!IsWebsiteLauncherShown());
        waitUntilUnloaded();
    }

    void requestsOtherThanExactlyWebsiteOpenNothingAndStay_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("lower case") << "website";
        QTest::newRow("trailing blank") << "Website ";
        QTest::newRow("upper case") << "WEBSITE";
        QTest::newRow("empty") << "";
    }
    void requestsOtherThanExactlyWebsiteOpenNothingAndStay()
    {
        QFETCH(QString, request);
        strWebRequest() = request;
        QVERIFY(LoadWebsiteLauncher(false));
        QVERIFY(catcher.opened.isEmpty());
        QCOMPARE(strWebRequest(), request);
        waitUntilUnloaded();
    }

    void secondRequestWithinOneSecondWaitsForTheNextLoad()
    {
        strWebRequest() = QStringLiteral("Website");
        frmWebsite* first = LoadWebsiteLauncher(false);
        QCOMPARE(catcher.opened.size(), 1);

        strWebRequest() = QStringLiteral("Website");
        QCOMPARE(LoadWebsiteLauncher(false), first);  // still loaded: the load step does not run again
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(strWebRequest(), QStringLiteral("Website"));

        waitUntilUnloaded();
        QCOMPARE(catcher.opened.size(), 1);  // the timer only unloads; it serves nothing

        QVERIFY(LoadWebsiteLauncher(false));
        QCOMPARE(catcher.opened.size(), 2);
        QVERIFY(strWebRequest().isEmpty());
        waitUntilUnloaded();
    }

    void unloadsItselfAboutOneSecondAfterLoading()
    {
        QElapsedTimer clock;
        clock.start();
        frmWebsite* launcher = LoadWebsiteLauncher(false);
        QSignalSpy unloaded(launcher, &frmWebsite::unloaded);
        QTest::qWait(frmWebsite::kLifetimeMs - 300);
        QCOMPARE(LoadedWebsiteLauncher(), launcher);
        QVERIFY(unloaded.wait(2000));
        QVERIFY(clock.elapsed() >= frmWebsite::kLifetimeMs - 50);
        QCOMPARE(LoadedWebsiteLauncher(), nullptr);
        waitUntilUnloaded();
    }

    void shownLauncherIsBorderlessCentredAndKeepsTheProgramAlive()
    {
        strWebRequest() = QStringLiteral("Website");
        frmWebsite* launcher = LoadWebsiteLauncher(true);
        QVERIFY(QTest::qWaitForWindowExposed(launcher));
        QVERIFY(IsWebsiteLauncherShown());
        QCOMPARE(launcher->size(), QSize(122, 107));
        QVERIFY(launcher->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(launcher->windowType(), Qt::Tool);
        QVERIFY(launcher->testAttribute(Qt::WA_QuitOnClose));
        const QRect screen = launcher->screen()->availableGeometry();
        QVERIFY(qAbs(launcher->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(launcher->geometry().center().y() - screen.center().y()) <= 1);

        // Loading again while alive (the About window's label) only shows the same window.
        QCOMPARE(LoadWebsiteLauncher(true), launcher);
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
        QVERIFY(!IsWebsiteLauncherShown());
        waitUntilUnloaded();
    }
};

QTEST_MAIN(LauncherTest)
#include "launcher_test.moc"
