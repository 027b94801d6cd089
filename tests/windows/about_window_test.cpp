// The About window: captions, placement, the web address label, the start delay and the credits
// scroller (its load and unload through the main window's About button are in
// tests/app/application_test.cpp).
#include "windows/about_scroller.h"
#include "windows/about_window.h"
#include "windows/branding.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pelmora;

namespace {

const QString kCrlf = QStringLiteral("\r\n");

int LoadedAboutWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<AboutWindow*>(widget) != nullptr;
    return count;
}

void Unload(AboutWindow* about)
{
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    const Branding branding = LoadBranding();
    QPointer<AboutWindow> loaded;

    // A fresh About window, unloaded again after the test.
    AboutWindow* load()
    {
        loaded = new AboutWindow(branding);
        return loaded;
    }

    static QLabel* label(QWidget* about, const char* name) { return about->findChild<QLabel*>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void cleanup()
    {
        if (loaded)
            Unload(loaded);
        QCOMPARE(LoadedAboutWindows(), 0);
    }

    // ---- The rotation rule and the scroller, without a window.

    void rotateFirstLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rotated");
        QTest::newRow("two lines") << "one\r\ntwo\r\n"
                                   << "two\r\none\r\n";
        QTest::newRow("three lines") << "a\r\nbb\r\nccc\r\n"
                                     << "bb\r\nccc\r\na\r\n";
        QTest::newRow("no line break") << "just one line"
                                       << "just one line";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("bare LF is no break") << "a\nb\n"
                                             << "a\nb\n";
        QTest::newRow("bare CR is no break") << "a\rb\r"
                                             << "a\rb\r";
        QTest::newRow("LF CR is no break") << "a\n\rb"
                                           << "a\n\rb";
        QTest::newRow("only a break") << "\r\n"
                                      << "\r\n";
        QTest::newRow("empty first line") << "\r\nx\r\n"
                                          << "x\r\n\r\n";
        // The last line without its own break runs into the moved one: text after, then up to and
        // including the break, as written.
        QTest::newRow("unterminated last line") << "a\r\nb"
                                                << "ba\r\n";
    }
    void rotateFirstLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, rotated);
        QCOMPARE(RotateFirstLine(text), rotated);
    }

    void scrollerMovesUpOneLineThenRotatesAndDropsBack()
    {
        AboutScroller scroller{0, 0, QStringLiteral("first\r\nsecond\r\nthird\r\n")};
        for (int tick = 1; tick <= 18; ++tick) {
            scroller.Tick();
            QCOMPARE(scroller.topTwips, -10 * tick);
            QCOMPARE(scroller.scrollStep, tick);
            QCOMPARE(scroller.text, QStringLiteral("first\r\nsecond\r\nthird\r\n"));
        }
        scroller.Tick();
        QCOMPARE(scroller.topTwips, 0);
        QCOMPARE(scroller.scrollStep, 0);
        QCOMPARE(scroller.text, QStringLiteral("second\r\nthird\r\nfirst\r\n"));
    }

    void scrollerLeavesATextWithoutLineBreaksAlone()
    {
        const QString text = QStringLiteral("no breaks at all, however long it runs");
        AboutScroller scroller{0, 0, text};
        for (int tick = 1; tick <= 19 * 40; ++tick) {
            scroller.Tick();
            QCOMPARE(scroller.text, text);
            QVERIFY(scroller.topTwips <= 0 && scroller.topTwips >= -180);
            if (tick % 19 == 0)
                QCOMPARE(scroller.topTwips, 0);
        }
    }

    void creditsKeepEveryLineIntactHoweverLongTheScrollerRuns()
    {
        const QString credits = AboutWindow::CreditsText();
        QVERIFY(credits.endsWith(kCrlf));
        QStringList lines = credits.split(kCrlf);
        lines.removeLast(); // after the final break
        QVERIFY(lines.size() >= 5);
        AboutScroller scroller{0, 0, credits};
        for (int tick = 1; tick <= 19 * lines.size() * 3 + 7; ++tick) {
            scroller.Tick();
            QCOMPARE(scroller.text.size(), credits.size());
            if (tick % 19 == 0) {
                // The n-th rotation starts with line n and holds every line, each still whole.
                const qsizetype n = (tick / 19) % lines.size();
                QCOMPARE(scroller.text, (lines.mid(n) + lines.mid(0, n)).join(kCrlf) + kCrlf);
            }
        }
    }

    // ---- The window.

    void captionsComeFromTheVersionRecord()
    {
        AboutWindow* about = load();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Pelmora"));
        QCOMPARE(label(about, "Label1")->text(), QStringLiteral("Pelmora"));
        QCOMPARE(label(about, "Label2")->text(), QStringLiteral("Version:"));
        QCOMPARE(label(about, "Label3")->text(), QStringLiteral("Owned By:"));
        QCOMPARE(label(about, "Label4")->text(), QStringLiteral("Website:"));
        QCOMPARE(label(about, "lblVersion")->text(), QStringLiteral("2.1"));
        QCOMPARE(label(about, "lblCompany")->text(), QStringLiteral("Brightwell Studio"));
        QCOMPARE(label(about, "lblWebsite")->text(), QStringLiteral("pelmora.example.org"));
        QCOMPARE(label(about, "lblWebsite")->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(label(about, "Label1")->font().pixelSize(), 19);
        QVERIFY(label(about, "Label1")->font().bold());
        QCOMPARE(label(about, "lblCompany")->font().pixelSize(), 16);
    }

    void controlsSitAtTheirDesignedPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 501, 69);
        QTest::newRow("Label1") << "Label1" << QRect(8, 20, 377, 29);
        QTest::newRow("Label2") << "Label2" << QRect(12, 84, 153, 21);
        QTest::newRow("Label3") << "Label3" << QRect(12, 112, 153, 21);
        QTest::newRow("Label4") << "Label4" << QRect(12, 140, 153, 21);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(172, 84, 309, 21);
        QTest::newRow("lblCompany") << "lblCompany" << QRect(172, 112, 309, 21);
        QTest::newRow("lblWebsite") << "lblWebsite" << QRect(172, 140, 309, 21);
    }
    void controlsSitAtTheirDesignedPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        AboutWindow* about = load();
        QCOMPARE(about->size(), QSize(497, 169));
        auto* control = about->findChild<QLabel*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), place);
    }

    void bannerIsOurHueRampShadedForTheName()
    {
        AboutWindow* about = load();
        const QImage banner = label(about, "Picture1")->pixmap().toImage();
        QCOMPARE(banner.size(), QSize(501, 69));
        const QColor nameSide = banner.pixelColor(20, 34), farSide = banner.pixelColor(480, 34);
        QVERIFY2(nameSide.valueF() < farSide.valueF(), qPrintable(nameSide.name() + u' ' + farSide.name()));
        QVERIFY2(qAbs(banner.pixelColor(120, 34).hueF() - banner.pixelColor(360, 34).hueF()) > 0.2,
            "the banner does not run through the hues");
    }

    void startDelayEnablesTheScrollerOnce()
    {
        AboutWindow* about = load();
        auto* timer1 = about->findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* timer2 = about->findChild<QTimer*>(QStringLiteral("Timer2"));
        QVERIFY(timer2->isActive());
        QCOMPARE(timer2->interval(), 10000);
        QVERIFY(!timer1->isActive());
        QCOMPARE(timer1->interval(), 25);
        about->onStartDelayOver();
        QVERIFY(timer1->isActive());
        QVERIFY(!timer2->isActive());
        // Running for real now: 25 ms ticks move the credits.
        QVERIFY(QTest::qWaitFor([&] { return about->scroller().scrollStep >= 3; }, 2000));
    }

    void scrollerTicksPlaceTheCreditsAtEvenNearestPixels()
    {
        AboutWindow* about = load();
        auto* credits = label(about, "lblCredits");
        QVERIFY(credits);
        QCOMPARE(credits->y(), 0);
        const QString firstShown = credits->text();
        QVERIFY(!firstShown.contains(u'\r'));
        // -10 twips is -2/3 pixel: -1; -30 is -2; -20 is -4/3: -1; -180 is -12.
        const int expected[] = {-1, -1, -2, -3, -3, -4, -5, -5, -6, -7, -7, -8, -9, -9, -10, -11, -11, -12};
        for (int tick = 0; tick < 18; ++tick) {
            about->onScrollTick();
            QCOMPARE(credits->y(), expected[tick]);
        }
        about->onScrollTick();
        QCOMPARE(credits->y(), 0);
        const qsizetype firstBreak = firstShown.indexOf(u'\n');
        QCOMPARE(credits->text(), firstShown.mid(firstBreak + 1) + firstShown.left(firstBreak + 1));
    }

    void websiteLabelAsksForTheWebsite()
    {
        AboutWindow* about = load();
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QSignalSpy clicked(about, &AboutWindow::websiteClicked);
        QTest::mouseClick(label(about, "lblWebsite"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        // A press that ends outside the label is no click.
        QTest::mousePress(label(about, "lblWebsite"), Qt::LeftButton);
        QTest::mouseRelease(label(about, "lblWebsite"), Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(clicked.count(), 1);
    }

    void websiteLabelIsReachedAndOpenedFromTheKeyboard()
    {
        AboutWindow* about = load();
        about->show();
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QSignalSpy clicked(about, &AboutWindow::websiteClicked);
        QLabel* website = label(about, "lblWebsite");
        // The only control of the window that takes the focus: the first Tab lands on it.
        QTest::keyClick(about, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), website);
        QVERIFY(website->font().underline()); // the focus shows
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(website, key);
        QCOMPARE(clicked.count(), 3);
        QTest::keyClick(website, Qt::Key_A);
        QCOMPARE(clicked.count(), 3);
        website->clearFocus();
        QVERIFY(!website->font().underline());
    }

    void startDelayIsInjectable()
    {
        loaded = new AboutWindow(branding, 30);
        auto* timer1 = loaded->findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(loaded->findChild<QTimer*>(QStringLiteral("Timer2"))->interval(), 30);
        QVERIFY(QTest::qWaitFor([&] { return timer1->isActive(); }, 2000));
    }

    void closingBeforeTheDelayMeansTheScrollerNeverStarts()
    {
        AboutWindow* about = load();
        about->show();
        QPointer<QTimer> delay = about->findChild<QTimer*>(QStringLiteral("Timer2"));
        QPointer<QTimer> scroller = about->findChild<QTimer*>(QStringLiteral("Timer1"));
        QTest::qWait(30);
        QVERIFY(!scroller->isActive());
        Unload(about);
        // Both timers went with the window: nothing is left that could start the scroller.
        QVERIFY(delay.isNull());
        QVERIFY(scroller.isNull());
    }
};

QTEST_MAIN(AboutTest)
#include "about_window_test.moc"
