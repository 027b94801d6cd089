// The start-up chain, splash -> main window -> help window, with a help file in this test's own
// program folder (the test binary has a folder of its own, so no other test ever sees the file).
#include "app/application.h"
#include "mainwindow/main_window.h"
#include "platform/settings_store.h"
#include "windows/help_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pelmora;

namespace {

const QString kAbsent = QStringLiteral("<absent>");
const QByteArray kHelpRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Pelmora\\b0\\par Pick a colour.}";

QString HelpFileHere() { return HelpFilePath(QCoreApplication::applicationDirPath()); }

void StoreShowHelp(const QString& value)
{
    if (value == kAbsent) {
        QSettings store(SettingsFilePath(), QSettings::IniFormat);
        store.remove(QStringLiteral("Settings/showHelp"));
        store.sync();
    } else {
        QVERIFY(SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), value));
    }
}

QString StoredShowHelp() { return GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), kAbsent); }

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    std::unique_ptr<Application> application;

    // The program's start: the splash, its 75 ticks (as fast as the event loop runs them), and
    // whatever the main window's load opened.
    MainWindow* start()
    {
        application = std::make_unique<Application>(CompanionTimings{0, 1000, 10000});
        // A signal spy's own event loop runs the ticks back to back; QTest::qWaitFor would sleep
        // 10 ms after each one.
        QSignalSpy loaded(application.get(), &Application::mainWindowLoaded);
        application->start();
        if (!loaded.wait(5000))
            return nullptr;
        return application->mainWindow();
    }

    void placeHelpFile(bool present)
    {
        QFile::remove(HelpFileHere());
        if (!present)
            return;
        QFile file(HelpFileHere());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(kHelpRtf), kHelpRtf.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        QVERIFY(SettingsFilePath().startsWith(configHome.path()));
    }
    void cleanup()
    {
        QPointer<HelpWindow> help = application ? application->helpWindow() : nullptr;
        application.reset(); // the main window takes its help window with it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(help.isNull());
    }
    void cleanupTestCase() { QFile::remove(HelpFileHere()); }

    void helpWindowAtStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("helpFile");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("nothing stored") << kAbsent << true << true << kAbsent;
        QTest::newRow("stored 1") << "1" << true << true << "1";
        QTest::newRow("stored 0") << "0" << true << false << "0";
        QTest::newRow("stored blank 1") << " 1" << true << false << " 1";
        QTest::newRow("stored 01") << "01" << true << false << "01";
        QTest::newRow("no help file") << kAbsent << false << false << kAbsent;
    }
    void helpWindowAtStart()
    {
        QFETCH(QString, stored);
        QFETCH(bool, helpFile);
        QFETCH(bool, shown);
        QFETCH(QString, storedAfter);
        StoreShowHelp(stored);
        placeHelpFile(helpFile);

        MainWindow* form = start();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        HelpWindow* help = application->helpWindow();
        QCOMPARE(help != nullptr && help->isVisible(), shown);
        if (shown) {
            QCOMPARE(help->parentWidget(), form);
            QCOMPARE(help->findChild<QCheckBox*>(QStringLiteral("Check1"))->checkState(), Qt::Checked);
        }
        QCOMPARE(StoredShowHelp(), storedAfter);
    }

    void uncheckingKeepsTheHelpClosedAtTheNextStart()
    {
        StoreShowHelp(kAbsent);
        placeHelpFile(true);
        QVERIFY(start());
        QVERIFY(application->helpWindow());
        QTest::mouseClick(application->helpWindow()->findChild<QCheckBox*>(QStringLiteral("Check1")), Qt::LeftButton);
        QCOMPARE(StoredShowHelp(), QStringLiteral("0"));
        cleanup();

        QVERIFY(start());
        QVERIFY(application->helpWindow() == nullptr);
        QCOMPARE(StoredShowHelp(), QStringLiteral("0"));
    }

    // F1 and "Help" in the picture's menu open the help window whatever "Show at Startup" says, and
    // bring back the one already open rather than a second.
    void helpOnRequest_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("F1, switched off") << "0" << false;
        QTest::newRow("F1, closed after the start") << "1" << false;
        QTest::newRow("menu, switched off") << "0" << true;
    }
    void helpOnRequest()
    {
        QFETCH(QString, stored);
        QFETCH(bool, byMenu);
        StoreShowHelp(stored);
        placeHelpFile(true);
        MainWindow* form = start();
        QVERIFY(form);
        if (QPointer<HelpWindow> atStart = application->helpWindow()) {
            atStart->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!application->helpWindow() || !application->helpWindow()->isVisible());
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        const auto ask = [&] {
            if (!byMenu) {
                QTest::keyClick(form, Qt::Key_F1);
                return;
            }
            QWidget* surface = form->findChild<QWidget*>(QStringLiteral("surface"));
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), surface->mapToGlobal(QPoint(20, 20)));
            QApplication::sendEvent(surface, &event);
            QMenu* menu = form->findChild<QMenu*>(QStringLiteral("surfaceMenu"));
            QVERIFY(menu);
            QAction* help = nullptr;
            for (QAction* action : menu->actions())
                help = action->text() == QStringLiteral("&Help") ? action : help;
            QVERIFY2(help, "no Help in the picture's menu");
            help->trigger();
            menu->close();
            delete menu;
        };
        ask();
        QTRY_VERIFY_WITH_TIMEOUT(application->helpWindow() && application->helpWindow()->isVisible(), 2000);
        QPointer<HelpWindow> help = application->helpWindow();
        QCOMPARE(help->parentWidget(), form);
        QCOMPARE(StoredShowHelp(), stored);
        ask();
        QCOMPARE(application->helpWindow(), help.data());
        QCOMPARE(form->findChildren<HelpWindow*>().size(), 1);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
