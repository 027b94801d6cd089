// The main window's place and the file dialogs' folder, kept in the settings between runs.
#include "platform/remembered_folder.h"
#include "platform/settings_store.h"
#include "platform/window_place.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace pelmora;

namespace {

QByteArray SettingsFileBytes()
{
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteSettingsFile(const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath()));
    QFile file(SettingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class WindowPlaceTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir configHome;

private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    }
    void cleanup() { QFile::remove(SettingsFilePath()); }

    void placeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("stored") << "37 61" << true << QPoint(37, 61);
        QTest::newRow("left of the primary screen") << "-1200 5" << true << QPoint(-1200, 5);
        QTest::newRow("empty") << "" << false << QPoint();
        QTest::newRow("one number") << "37" << false << QPoint();
        QTest::newRow("three numbers") << "1 2 3" << false << QPoint();
        QTest::newRow("comma") << "37,61" << false << QPoint();
        QTest::newRow("two blanks") << "37  61" << false << QPoint();
        QTest::newRow("not a number") << "x 61" << false << QPoint();
        QTest::newRow("fraction") << "37.5 61" << false << QPoint();
        QTest::newRow("beyond any desktop") << "99999999 0" << false << QPoint();
        QTest::newRow("beyond int") << "0 4294967296" << false << QPoint();
    }
    void placeText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QPoint, place);
        const std::optional<QPoint> read = PlaceFromText(text);
        QCOMPARE(read.has_value(), valid);
        if (valid) {
            QCOMPARE(*read, place);
            QCOMPARE(TextOfPlace(*read), text);
        }
    }

    // Two screens side by side, the right one lower; 480 pixels wide windows.
    void titleBarReachable_data()
    {
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("inside the left screen") << QPoint(100, 100) << true;
        QTest::newRow("top-left corner") << QPoint(0, 0) << true;
        QTest::newRow("title bar above the screen") << QPoint(100, -1) << false;
        QTest::newRow("title bar cut at the bottom") << QPoint(100, 1024 - kTitleBarHeight + 1) << false;
        QTest::newRow("title bar just fits at the bottom") << QPoint(100, 1024 - kTitleBarHeight) << true;
        QTest::newRow("mostly off the left edge, grip left") << QPoint(-480 + kTitleBarGrip, 10) << true;
        QTest::newRow("mostly off the left edge, too little left") << QPoint(-480 + kTitleBarGrip - 1, 10) << false;
        QTest::newRow("on the right screen") << QPoint(1400, 300) << true;
        // Across both: neither holds the full height of the bar with enough of its width.
        QTest::newRow("above the right screen's top") << QPoint(1400, 100) << false;
        QTest::newRow("a screen that is gone") << QPoint(3000, 100) << false;
        QTest::newRow("far off") << QPoint(-5000, -5000) << false;
    }
    void titleBarReachable()
    {
        QFETCH(QPoint, place);
        QFETCH(bool, reachable);
        const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 200, 1024, 768)};
        QCOMPARE(TitleBarReachable(place, 480, screens), reachable);
    }

    void placeRoundTrip()
    {
        QWidget window;
        window.resize(200, 100);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        window.move(area.topLeft() + QPoint(37, 61));
        QVERIFY(StoreWindowPlace(&window, QStringLiteral("mainPosition")));
        QVERIFY(SettingsFileBytes().contains("[Window]\nmainPosition=" + TextOfPlace(window.pos()).toUtf8()));

        QWidget reopened;
        reopened.resize(200, 100);
        QVERIFY(RestoreWindowPlace(&reopened, QStringLiteral("mainPosition")));
        QCOMPARE(reopened.pos(), window.pos());
    }

    // A value that is no place, or one no screen shows, leaves the window where Qt puts it and the
    // file as it was: nothing is written on the way in.
    void damagedOrUnreachablePlace_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("words") << QByteArray("mainPosition=left top");
        QTest::newRow("list") << QByteArray("mainPosition=1, 2");
        QTest::newRow("empty") << QByteArray("mainPosition=");
        QTest::newRow("huge") << QByteArray("mainPosition=123456789012 5");
        QTest::newRow("no screen there") << QByteArray("mainPosition=90000 90000");
    }
    void damagedOrUnreachablePlace()
    {
        QFETCH(QByteArray, line);
        const QByteArray file = "; by hand\n[Window]\n" + line + "\n[Settings]\nshowHelp=0\n";
        WriteSettingsFile(file);
        QWidget window;
        window.resize(200, 100);
        const QPoint before = window.pos();
        QVERIFY(!RestoreWindowPlace(&window, QStringLiteral("mainPosition")));
        QCOMPARE(window.pos(), before);
        QCOMPARE(SettingsFileBytes(), file);
    }

    void storingAnUnchangedPlaceWritesNothing()
    {
        QWidget window;
        window.move(40, 50);
        const QByteArray file = "[Window]\nmainPosition=" + TextOfPlace(window.pos()).toUtf8() + "  ; as it was\n";
        WriteSettingsFile(file);
        QVERIFY(StoreWindowPlace(&window, QStringLiteral("mainPosition")));
        QCOMPARE(SettingsFileBytes(), file);
    }

    void folderRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "palettes";
        QTest::newRow("comma and blanks") << "my, palettes";
        QTest::newRow("quote, semicolon, non-ASCII") << "\"a\"; Füße";
    }
    void folderRoundTrip()
    {
        QFETCH(QString, name);
        QTemporaryDir base;
        const QString folder = base.path() + u'/' + name;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(RememberFolder(QStringLiteral("palettes"), folder));
        QCOMPARE(RememberedFolder(QStringLiteral("palettes")), folder);
    }

    // Anything but an existing absolute folder is the home folder; never the current folder.
    void folderFallsBackToHome_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("absent") << QByteArray();
        QTest::newRow("empty") << QByteArray("palettes=\n");
        QTest::newRow("gone") << QByteArray("palettes=/nonexistent/pelmora/folder\n");
        QTest::newRow("relative") << QByteArray("palettes=.\n");
        QTest::newRow("a file") << QByteArray("palettes=/dev/null\n");
        QTest::newRow("list") << QByteArray("palettes=/tmp, /var\n");
    }
    void folderFallsBackToHome()
    {
        QFETCH(QByteArray, line);
        const QByteArray file = "[Folders]\n" + line;
        WriteSettingsFile(file);
        QTemporaryDir current;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());
        const QString folder = RememberedFolder(QStringLiteral("palettes"));
        QDir::setCurrent(previous);
        QCOMPARE(folder, QDir::homePath());
        QCOMPARE(SettingsFileBytes(), file);
    }
};

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
