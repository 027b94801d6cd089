// The help window and its start-up opener against a private settings store and a temporary
// program folder.
#include "file_faults.h"
#include "platform/settings_store.h"
#include "windows/help_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace pelmora;

namespace {

const QByteArray kHelpRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b\\fs32 Welcome\\b0\\fs24\\par Pick a colour.}";
const QString kAbsent = QStringLiteral("<absent>");

QString StoredShowHelp() { return GetSetting("Settings", "showHelp", kAbsent); }

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<HelpWindow*> LoadedHelpWindows()
{
    QList<HelpWindow*> loaded;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* form = qobject_cast<HelpWindow*>(widget))
            loaded.append(form);
    }
    return loaded;
}

// The user closing the window with its close box, and the deferred delete that unloads it.
void CloseHelpWindow()
{
    for (HelpWindow* form : LoadedHelpWindows())
        form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(LoadedHelpWindows().isEmpty());
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir configHome;
    std::unique_ptr<QTemporaryDir> programFolder;

    void storeShowHelp(const QString& value)
    {
        if (value == kAbsent) {
            QSettings store(SettingsFilePath(), QSettings::IniFormat);
            store.remove("Settings/showHelp");
            store.sync();
        } else {
            QVERIFY(SaveSetting("Settings", "showHelp", value));
        }
        QCOMPARE(StoredShowHelp(), value);
    }

private slots:
    void initTestCase()
    {
        // A store of our own, so parallel tests cannot see or change it.
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        QVERIFY2(SettingsFilePath().startsWith(configHome.path()), qPrintable(SettingsFilePath()));
    }

    void init()
    {
        programFolder = std::make_unique<QTemporaryDir>();
        QVERIFY(programFolder->isValid());
        storeShowHelp(kAbsent);
    }

    void cleanup() { CloseHelpWindow(); }

    void opener_data()
    {
        QTest::addColumn<QString>("stored"); // the "showHelp" value before the start
        QTest::addColumn<QByteArray>("helpFile"); // empty: no Help.rtf in the program folder
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("storedAfter");

        QTest::newRow("nothing stored") << kAbsent << kHelpRtf << true << kAbsent;
        QTest::newRow("stored 1") << "1" << kHelpRtf << true << "1";
        QTest::newRow("stored 0") << "0" << kHelpRtf << false << "0";
        QTest::newRow("stored blank and 1") << " 1" << kHelpRtf << false << " 1";
        QTest::newRow("stored 01") << "01" << kHelpRtf << false << "01";
        QTest::newRow("stored garbage") << "yes" << kHelpRtf << false << "yes";
        QTest::newRow("no help file") << kAbsent << QByteArray() << false << kAbsent;
        QTest::newRow("no help file, stored 1") << "1" << QByteArray() << false << "1";
        QTest::newRow("damaged help file") << kAbsent << QByteArray("{\\rtf1 Half a {\\b doc\\'") << true << kAbsent;
        QTest::newRow("help file that is not rtf") << kAbsent << QByteArray("\x89PNG\r\n\x1a\n", 8) << true << kAbsent;
    }

    void opener()
    {
        QFETCH(QString, stored);
        QFETCH(QByteArray, helpFile);
        QFETCH(bool, shown);
        QFETCH(QString, storedAfter);

        storeShowHelp(stored);
        if (!helpFile.isEmpty())
            WriteFile(HelpFilePath(programFolder->path()), helpFile);
        QWidget mainWindow;
        mainWindow.show();

        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder->path());
        QCOMPARE(form != nullptr, shown);
        QCOMPARE(LoadedHelpWindows(), form ? QList<HelpWindow*>{form} : QList<HelpWindow*>{});
        if (shown) {
            QVERIFY(QTest::qWaitForWindowExposed(form));
            QCOMPARE(form->findChild<QCheckBox*>("Check1")->checkState(), Qt::Checked);
            QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        }
        const auto visibleHelpWindows = [] {
            int count = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                count += widget->objectName() == "Form8" && widget->isVisible();
            return count;
        };
        QCOMPARE(visibleHelpWindows(), shown ? 1 : 0);
        QCOMPARE(StoredShowHelp(), storedAfter);
        if (shown && helpFile == kHelpRtf) {
            QCOMPARE(form->findChild<QTextBrowser*>("rtf1")->toPlainText(), "Welcome\nPick a colour.");
        }
        CloseHelpWindow();
    }

    void uncheckingStopsTheNextStart()
    {
        WriteFile(HelpFilePath(programFolder->path()), kHelpRtf);
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder->path());
        QVERIFY(form);
        auto* check = form->findChild<QCheckBox*>("Check1");
        QVERIFY(QTest::qWaitForWindowExposed(form));

        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(check->checkState(), Qt::Unchecked);
        QCOMPARE(StoredShowHelp(), "0");
        CloseHelpWindow();
        QVERIFY(OpenHelpAtStartup(&mainWindow, programFolder->path()) == nullptr);

        // The box checked again (say the user opened the window another way) brings it back.
        HelpWindow direct(programFolder->path(), nullptr);
        auto* directCheck = direct.findChild<QCheckBox*>("Check1");
        QCOMPARE(directCheck->checkState(), Qt::Unchecked);
        direct.show();
        QVERIFY(QTest::qWaitForWindowExposed(&direct));
        QTest::mouseClick(directCheck, Qt::LeftButton);
        QCOMPARE(StoredShowHelp(), "1");
        QVERIFY(OpenHelpAtStartup(&mainWindow, programFolder->path()) != nullptr);
    }

    // Copies of the program land in folders named by people and file managers; none of these
    // characters may keep the help from showing or its first setting from being written.
    void programFolderNameIsNoPattern_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("brackets") << "Pelmora [copy]";
        QTest::newRow("open bracket only") << "Pelmora [2";
        QTest::newRow("bracket range") << "[a-z]";
        QTest::newRow("braces, tilde, dollar") << "{x,y} ~$HOME";
    }
    void programFolderNameIsNoPattern()
    {
        QFETCH(QString, folderName);
        const QDir parent(programFolder->path());
        QVERIFY(parent.mkdir(folderName));
        const QString folder = parent.filePath(folderName);
        WriteFile(HelpFilePath(folder), kHelpRtf);
        QWidget mainWindow;
        mainWindow.show();

        HelpWindow* form = OpenHelpAtStartup(&mainWindow, folder);
        QVERIFY2(form, qPrintable(folder));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->findChild<QTextBrowser*>("rtf1")->toPlainText(), "Welcome\nPick a colour.");
        QCOMPARE(StoredShowHelp(), kAbsent); // start-up writes no setting
    }

    // The load reads the stored text as a whole number; only the user's clicks write it.
    void storedValueSetsTheBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("storedAfter");

        QTest::newRow("absent") << kAbsent << int(Qt::Checked) << kAbsent;
        QTest::newRow("1") << "1" << int(Qt::Checked) << "1";
        QTest::newRow("blank and 1") << " 1" << int(Qt::Checked) << " 1";
        QTest::newRow("01") << "01" << int(Qt::Checked) << "01";
        QTest::newRow("1.0") << "1.0" << int(Qt::Checked) << "1.0";
        QTest::newRow("0 is the box's own state") << "0" << int(Qt::Unchecked) << "0";
        QTest::newRow("2 is grey") << "2" << int(Qt::PartiallyChecked) << "2";
        QTest::newRow("3 is no state") << "3" << int(Qt::Unchecked) << "3";
        QTest::newRow("negative") << "-1" << int(Qt::Unchecked) << "-1";
        QTest::newRow("fraction") << "0.5" << int(Qt::Unchecked) << "0.5";
        QTest::newRow("letters") << "on" << int(Qt::Unchecked) << "on";
        QTest::newRow("empty") << "" << int(Qt::Unchecked) << "";
    }

    void storedValueSetsTheBox()
    {
        QFETCH(QString, stored);
        QFETCH(int, state);
        QFETCH(QString, storedAfter);
        storeShowHelp(stored);
        WriteFile(HelpFilePath(programFolder->path()), kHelpRtf);
        HelpWindow form(programFolder->path(), nullptr);
        QCOMPARE(int(form.findChild<QCheckBox*>("Check1")->checkState()), state);
        QCOMPARE(StoredShowHelp(), storedAfter);
    }

    // Start-up writes nothing: a settings file it cannot read stays byte for byte as it was.
    void startUpLeavesAnUnreadableSettingsFileAlone()
    {
        QByteArray garbage(5000, '\0');
        QRandomGenerator random(10);
        for (char& byte : garbage)
            byte = char(random.bounded(256));
        WriteFile(SettingsFilePath(), garbage);
        WriteFile(HelpFilePath(programFolder->path()), kHelpRtf);
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder->path());
        QVERIFY(form); // the default shows the help
        QCOMPARE(form->findChild<QCheckBox*>("Check1")->checkState(), Qt::Checked);
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
        file.remove();
    }

    // The user's choice that cannot be kept is not dropped in silence.
    void uncheckingOnAReadOnlySettingsFileSaysSo()
    {
        const QString settingsFolder = QFileInfo(SettingsFilePath()).absolutePath();
        QVERIFY(QDir().mkpath(settingsFolder));
        test::ReadOnlyFolder readOnly(settingsFolder);
        WriteFile(SettingsFilePath(), "[Settings]\nshowHelp=1\n");
        if (const QString why = readOnly.makeReadOnly(); !why.isEmpty())
            QSKIP(qPrintable(why));
        WriteFile(HelpFilePath(programFolder->path()), kHelpRtf);
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder->path());
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(form->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
        auto* box = form->findChild<QMessageBox*>("messageBox");
        QVERIFY(box);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QVERIFY2(box->text().contains("could not be saved") && box->text().contains(SettingsFilePath()),
            qPrintable(box->text()));
        box->button(QMessageBox::Ok)->click();
        QCOMPARE(StoredShowHelp(), "1");
    }

    void layout()
    {
        WriteFile(HelpFilePath(programFolder->path()), kHelpRtf);
        QWidget mainWindow;
        HelpWindow* form = OpenHelpAtStartup(&mainWindow, programFolder->path());
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->windowTitle(), "Readme/Help");
        QCOMPARE(form->size(), QSize(686, 528));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!form->isModal());
        auto* view = form->findChild<QTextBrowser*>("rtf1");
        QCOMPARE(view->geometry(), QRect(0, 0, 685, 501));
        QVERIFY(view->isReadOnly());
        auto* check = form->findChild<QCheckBox*>("Check1");
        QCOMPARE(check->geometry(), QRect(4, 508, 133, 17));
        QCOMPARE(check->text(), "Show at Startup");
        const QRect screen = form->screen()->availableGeometry();
        // Centred before the window manager adds its frame, so allow for the frame's width.
        const QPoint offset = form->frameGeometry().center() - screen.center();
        QVERIFY2(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4, "not centred on the screen");
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
