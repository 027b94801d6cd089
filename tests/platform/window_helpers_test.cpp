// Window icon, top-most state, the file helpers, and the small layout helpers (twips, centring, font).
#include "color/rounding.h"
#include "platform/centre_window.h"
#include "platform/file_exists.h"
#include "platform/twips.h"
#include "platform/window_font.h"
#include "platform/window_icon.h"
#include "platform/window_on_top.h"

#include <QScreen>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace pelmora;

namespace {

// Qt keeps a pixmap premultiplied, and the way back to straight alpha rounds differently on different
// CPUs (one step in a channel). So icons are compared premultiplied, each colour channel within one
// step; alpha, which no conversion changes, exactly. Returns where the two first differ beyond that,
// or an empty text.
QString IconDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = e.pixel(x, y);
            const bool colourClose
                = qAbs(qRed(p) - qRed(q)) <= 1 && qAbs(qGreen(p) - qGreen(q)) <= 1 && qAbs(qBlue(p) - qBlue(q)) <= 1;
            if (qAlpha(p) != qAlpha(q) || !colourClose)
                return QStringLiteral("pixel (%1,%2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(p, 8, 16, QLatin1Char('0'))
                    .arg(q, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

// The icon as the window gets it, at its own size.
QImage IconImage(int size)
{
    return LoadIconGroup(QString::fromLatin1(kProgramIconGroup)).pixmap(size, size).toImage();
}

} // namespace

class WindowHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void iconGroupHoldsEverySizeFromOurArtwork()
    {
        const QIcon icon = LoadIconGroup(QString::fromLatin1(kProgramIconGroup));
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
        for (int size : {16, 32, 48, 64, 128}) {
            const QImage drawn = IconImage(size);
            const QImage file(QStringLiteral(":/icons/pelmora-%1.png").arg(size));
            QCOMPARE(drawn.size(), QSize(size, size));
            const QString difference = IconDifference(drawn, file);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1 px: ").arg(size) + difference));
            // The artwork is round: corners transparent, the centre an opaque swatch.
            QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(drawn.pixel(size / 2, size / 2)), 255);
        }
        QVERIFY(LoadIconGroup(QStringLiteral("nosuchgroup")).isNull());
    }

    // The comparison lets through the one step a CPU's rounding gives, and nothing more.
    void iconComparisonToleratesOneStep_data()
    {
        QTest::addColumn<int>("redStep");
        QTest::addColumn<int>("alphaStep");
        QTest::addColumn<bool>("same");
        QTest::newRow("unchanged") << 0 << 0 << true;
        QTest::newRow("colour one step up") << 1 << 0 << true;
        QTest::newRow("colour one step down") << -1 << 0 << true;
        QTest::newRow("colour two steps") << 2 << 0 << false;
        QTest::newRow("alpha one step") << 0 << -1 << false;
    }
    void iconComparisonToleratesOneStep()
    {
        QFETCH(int, redStep);
        QFETCH(int, alphaStep);
        QFETCH(bool, same);
        const QImage file(QStringLiteral(":/icons/pelmora-32.png"));
        QImage changed = IconImage(32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // A half-transparent edge pixel, where the rounding differs, with room to move either way.
        QPoint at(-1, -1);
        for (int y = 0; y < 32 && at.x() < 0; ++y)
            for (int x = 0; x < 32 && at.x() < 0; ++x) {
                const QRgb p = changed.pixel(x, y);
                if (qAlpha(p) > 2 && qAlpha(p) < 255 && qRed(p) >= 2 && qRed(p) + 2 <= qAlpha(p))
                    at = QPoint(x, y);
            }
        QVERIFY(at.x() >= 0);
        const QRgb p = changed.pixel(at);
        changed.setPixel(at, qRgba(qRed(p) + redStep, qGreen(p), qBlue(p), qAlpha(p) + alphaStep));
        QCOMPARE(IconDifference(changed, file).isEmpty(), same);
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
        QTest::newRow("backslashes") << "C:\\Program Files\\Pelmora\\Help.rtf"
                                     << "Help.rtf";
        QTest::newRow("slashes") << "/usr/share/pelmora/Help.rtf"
                                 << "Help.rtf";
        QTest::newRow("mixed") << "/opt/pelmora\\docs/Help.rtf"
                               << "Help.rtf";
        QTest::newRow("mixed, backslash last") << "/opt/pelmora/docs\\Help.rtf"
                                               << "Help.rtf";
        QTest::newRow("no separator") << "Help.rtf"
                                      << "Help.rtf";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("ends in separator") << "/opt/pelmora/"
                                           << "";
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
        QTest::newRow("star in a folder name") << "star*/inner.txt" << false;
        QTest::newRow("question mark in a folder name") << "what?/inner.txt" << false;
        // Brackets are no wildcards: they name exactly the file whose name holds them.
        QTest::newRow("brackets are not a character class") << "[H]elp.rtf" << false;
        QTest::newRow("file name with brackets") << "[x].txt" << true;
        QTest::newRow("folder name with brackets") << "Pelmora [copy]/Help.rtf" << true;
        QTest::newRow("folder name with an open bracket") << "Pelmora [copy/Help.rtf" << true;
        QTest::newRow("folder name with braces and a tilde") << "{a,b} ~x/Help.rtf" << true;
        QTest::newRow("brackets, other letter case") << "Pelmora [copy]/help.rtf" << false;
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
        for (const char* folder : {"docs", "star*", "what?", "Pelmora [copy]", "Pelmora [copy", "{a,b} ~x"})
            QVERIFY(root.mkpath(QString::fromLatin1(folder)));
        for (const char* name : {"Help.rtf", "readonly.txt", "docs/inner.txt", ".hidden", "[x].txt", "star*/inner.txt",
                 "what?/inner.txt", "Pelmora [copy]/Help.rtf", "Pelmora [copy/Help.rtf", "{a,b} ~x/Help.rtf"}) {
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
