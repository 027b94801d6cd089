// Window icon, top-most state, the file helpers, and the small layout helpers (twips, centring, font).
#include "color/rounding.h"
#include "helpers/centre_window.h"
#include "helpers/file_exists.h"
#include "helpers/twips.h"
#include "helpers/window_font.h"
#include "helpers/window_icon.h"
#include "helpers/window_on_top.h"

#include <QScreen>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;

class WindowHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void iconGroupHoldsEverySizeFromOurArtwork()
    {
        const QIcon icon = LoadIconGroup(QString::fromLatin1(kProgramIconGroup));
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
        for (int size : {16, 32, 48, 64, 128}) {
            const QImage drawn = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage file(QStringLiteral(":/icons/pelmora-%1.png").arg(size));
            QCOMPARE(drawn.size(), QSize(size, size));
            QCOMPARE(drawn, file.convertToFormat(QImage::Format_ARGB32));
            // The artwork is round: corners transparent, the centre an opaque swatch.
            QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(drawn.pixel(size / 2, size / 2)), 255);
        }
        QVERIFY(LoadIconGroup(QStringLiteral("nosuchgroup")).isNull());
    }

    void iconGoesOnTheWindowAndOnItsTopOwnerWhenAsked()
    {
        QWidget owner;
        QDialog middle(&owner);
        QDialog window(&middle);

        // A window without its own icon shows its owner's, so ask which windows were given one.
        ApplyWindowIcon(&window, QStringLiteral("AAA"), false);
        QCOMPARE(window.windowIcon().availableSizes().size(), 5);
        QVERIFY(window.testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(!owner.testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(!middle.testAttribute(Qt::WA_SetWindowIcon));

        ApplyWindowIcon(&window, QStringLiteral("AAA"), true);
        QVERIFY(owner.testAttribute(Qt::WA_SetWindowIcon));
        QCOMPARE(owner.windowIcon().availableSizes().size(), 5);
        QVERIFY(!middle.testAttribute(Qt::WA_SetWindowIcon));

        // Without an owner, asking for it sets the same icon on the window itself, once or twice alike.
        QWidget alone;
        ApplyWindowIcon(&alone, QStringLiteral("AAA"), true);
        QCOMPARE(alone.windowIcon().availableSizes().size(), 5);

        // A missing group leaves both with no icon rather than keeping the old one.
        ApplyWindowIcon(&window, QStringLiteral("missing"), true);
        QVERIFY(window.windowIcon().availableSizes().isEmpty());
        QVERIFY(owner.windowIcon().availableSizes().isEmpty());
    }

    void topMostKeepsVisibilityAndPlace_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown window") << true;
        QTest::newRow("hidden window") << false;
    }
    void topMostKeepsVisibilityAndPlace()
    {
        QFETCH(bool, shown);
        QWidget window;
        window.setGeometry(40, 50, 200, 120);
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        const QRect before = window.geometry();
        for (bool onTop : {true, true, false, true, false}) {
            SetWindowOnTop(&window, onTop);
            QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(window.isVisible(), shown);
            QCOMPARE(window.geometry(), before);
        }
    }

    void getFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("backslashes") << "C:\\Program Files\\Pelmora\\Help.rtf" << "Help.rtf";
        QTest::newRow("slashes") << "/usr/share/pelmora/Help.rtf" << "Help.rtf";
        QTest::newRow("mixed") << "/opt/pelmora\\docs/Help.rtf" << "Help.rtf";
        QTest::newRow("mixed, backslash last") << "/opt/pelmora/docs\\Help.rtf" << "Help.rtf";
        QTest::newRow("no separator") << "Help.rtf" << "Help.rtf";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("ends in separator") << "/opt/pelmora/" << "";
    }
    void getFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(GetFileName(path), name);
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("exists");
        QTest::newRow("ordinary file") << "Help.rtf" << true;
        QTest::newRow("read-only file") << "readonly.txt" << true;
        QTest::newRow("file in a folder") << "docs/inner.txt" << true;
        QTest::newRow("backslash separates") << "docs\\inner.txt" << true;
        QTest::newRow("other letter case") << "help.RTF" << false;
        QTest::newRow("hidden file") << ".hidden" << false;
        QTest::newRow("directory") << "docs" << false;
        QTest::newRow("missing") << "absent.rtf" << false;
        QTest::newRow("star wildcard") << "*.rtf" << false;
        QTest::newRow("question wildcard") << "Help.rt?" << false;
        QTest::newRow("bracket wildcard") << "[H]elp.rtf" << false;
        QTest::newRow("literal bracket name") << "[x].txt" << false;
        QTest::newRow("missing folder") << "nowhere/Help.rtf" << false;
        QTest::newRow("ends in separator") << "docs/" << false;
        QTest::newRow("empty name") << "" << false;
    }
    void fileExists()
    {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("docs")));
        for (const char* name : {"Help.rtf", "readonly.txt", "docs/inner.txt", ".hidden", "[x].txt"}) {
            QFile file(root.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        }
        QFile::setPermissions(root.filePath(QStringLiteral("readonly.txt")), QFile::ReadOwner);
        const QString path = relative.isEmpty() ? QString() : dir.path() + QLatin1Char('/') + relative;
        QCOMPARE(FileExists(path), exists);
    }

    // The one conversion agrees with the even-nearest rule on every twips value a layout can hold,
    // the whole pixels of the layouts and the About scroller's fractions alike.
    void twipsGoToTheNearestPixel()
    {
        for (int twips = -20000; twips <= 20000; ++twips)
            QCOMPARE(TwipsToPixels(twips), EvenNearest(twips / 15.0));
        static_assert(TwipsToPixels(7515) == 501 && TwipsToPixels(-10) == -1 && TwipsToPixels(7) == 0
                      && TwipsToPixels(8) == 1 && TwipsToPixels(-8) == -1);
        QCOMPARE(TwipsRect(120, 300, 5655, 435), QRect(8, 20, 377, 29));
    }

    void centringSplitsTheMarginsWithTheOddPixelLeftAndAbove()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(101, 50);
        CentreOnScreen(&window);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const int left = window.geometry().left() - area.left();
        const int right = area.right() - window.geometry().right();
        const int top = window.geometry().top() - area.top();
        const int bottom = area.bottom() - window.geometry().bottom();
        QVERIFY2(left - right == 0 || left - right == 1, qPrintable(QString("%1 %2").arg(left).arg(right)));
        QVERIFY2(top - bottom == 0 || top - bottom == 1, qPrintable(QString("%1 %2").arg(top).arg(bottom)));
        QCOMPARE(window.size(), QSize(101, 50));
    }

    void windowFontHasAFixedPixelSize()
    {
        const QFont plain = WindowFont(11);
        QCOMPARE(plain.pixelSize(), 11);
        QVERIFY(!plain.bold());
        QCOMPARE(plain.families().value(0), QStringLiteral("Verdana"));
        QVERIFY(WindowFont(16, true).bold());
    }
};

QTEST_MAIN(WindowHelpersTest)
#include "window_helpers_test.moc"
