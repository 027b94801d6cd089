// The loupe's pieces without a screen: device-pixel arithmetic, the choice of way, the averaged
// pick over a patch, and the loupe's drawing.

#include "platform/settings_store.h"
#include "screen/device_pixels.h"
#include "screen/loupe_painter.h"
#include "screen/screen_patch.h"
#include "screen/screen_pick_settings.h"

#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTest>

#include <cmath>
#include <vector>

using namespace pelmora;

Q_DECLARE_METATYPE(pelmora::PickWay)

namespace {

// A patch of `size` x `size` pixels: a black-and-white checkerboard with white in the centre.
ScreenPatch Checkerboard(int size)
{
    ScreenPatch patch;
    patch.pixels = QImage(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            patch.pixels.setPixel(x, y, (x + y) % 2 == 0 ? 0xFFFFFFFFu : 0xFF000000u);
    return patch;
}

} // namespace

class ScreenPickingTest : public QObject {
    Q_OBJECT
private slots:
    // Other tests share the settings folder: leave no screen-picking settings behind.
    void cleanupTestCase()
    {
        QSettings(SettingsFilePath(), QSettings::IniFormat).remove(QStringLiteral("ScreenPicking"));
    }

    void devicePixelUnderThePointer_data()
    {
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<QPoint>("device");
        QTest::newRow("scale 1") << QPointF(37, 201) << QPoint() << 1.0 << QPoint(37, 201);
        QTest::newRow("scale 2, odd device pixel") << QPointF(50.5, 38.5) << QPoint() << 2.0 << QPoint(101, 77);
        QTest::newRow("scale 2, even device pixel") << QPointF(50, 38) << QPoint() << 2.0 << QPoint(100, 76);
        QTest::newRow("scale 2, inside a pixel") << QPointF(50.74, 38.26) << QPoint() << 2.0 << QPoint(101, 76);
        QTest::newRow("scale 1.5, a hair below")
            << QPointF(202 / 1.5, 101 / 1.5) << QPoint() << 1.5 << QPoint(202, 101);
        QTest::newRow("second screen at scale 2")
            << QPointF(1280 + 10.5, 3) << QPoint(1280, 0) << 2.0 << QPoint(1280 + 21, 6);
    }
    void devicePixelUnderThePointer()
    {
        QFETCH(QPointF, logical);
        QFETCH(QPoint, origin);
        QFETCH(qreal, factor);
        QFETCH(QPoint, device);
        const ScreenScale screen{origin, factor};
        QCOMPARE(DevicePixelAt(logical, screen), device);
        // And back: the centre of that device pixel lies in it.
        QCOMPARE(DevicePixelAt(LogicalCentreOf(device, screen), screen), device);
    }

    void grabCoversTheWantedPixels_data()
    {
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("scale 1") << QRect(32, 196, 11, 11) << 1.0;
        QTest::newRow("scale 2, odd start") << QRect(95, 71, 11, 11) << 2.0;
        QTest::newRow("scale 1.5") << QRect(101, 60, 11, 11) << 1.5;
        QTest::newRow("scale 1.25") << QRect(7, 9, 27, 27) << 1.25;
    }
    void grabCoversTheWantedPixels()
    {
        QFETCH(QRect, pixels);
        QFETCH(qreal, factor);
        QPoint deviceOrigin;
        const QRect logical = LogicalGrabRect(pixels, factor, QSize(1000, 800), &deviceOrigin);
        const QRect covered(deviceOrigin, QSize(qRound(logical.width() * factor), qRound(logical.height() * factor)));
        QVERIFY2(covered.contains(pixels),
            qPrintable(QStringLiteral("%1,%2 %3x%4")
                           .arg(covered.x())
                           .arg(covered.y())
                           .arg(covered.width())
                           .arg(covered.height())));
        QVERIFY(logical.width() <= pixels.width() / factor + 4); // a small rectangle, never the screen
    }

    void grabStaysOnTheScreen()
    {
        QPoint deviceOrigin;
        const QRect logical = LogicalGrabRect(QRect(-5, -5, 11, 11), 1.0, QSize(100, 100), &deviceOrigin);
        QCOMPARE(logical.topLeft(), QPoint(0, 0));
        QCOMPARE(deviceOrigin, QPoint(0, 0));
        const QRect corner = LogicalGrabRect(QRect(95, 95, 11, 11), 1.0, QSize(100, 100), nullptr);
        QCOMPARE(corner.bottomRight(), QPoint(99, 99));
    }

    // Arrow keys past the edge stop at the last pixel of the screens, whatever their scale.
    void positionsStayOnTheScreens_data()
    {
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QPoint>("kept");
        QTest::newRow("on the screen") << QPoint(1279, 300) << QPoint(1279, 300);
        QTest::newRow("past the right edge") << QPoint(1281, 900) << QPoint(1279, 900);
        QTest::newRow("past the bottom edge") << QPoint(100, 1030) << QPoint(100, 1023);
        QTest::newRow("past the corner") << QPoint(-3, -8) << QPoint(0, 0);
        QTest::newRow("onto the second screen") << QPoint(1285, 10) << QPoint(1285, 10);
        QTest::newRow("below the short second screen") << QPoint(1400, 800) << QPoint(1400, 767);
        QTest::newRow("nearest of two") << QPoint(1300, 1000) << QPoint(1279, 1000);
    }
    void positionsStayOnTheScreens()
    {
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, kept);
        // 1280 x 1024 at scale 1.5 (853 x 683 logical), and 1024 x 768 at scale 2 to its right.
        const QRect root(0, 0, 2304, 1024);
        const std::vector<QRect> screens{
            DeviceRectOf(QRect(0, 0, 853, 683), 1.5, root), DeviceRectOf(QRect(1280, 0, 512, 384), 2.0, root)};
        QCOMPARE(screens[0], QRect(0, 0, 1280, 1024));
        QCOMPARE(screens[1], QRect(1280, 0, 1024, 768));
        QCOMPARE(NearestPixelOn(screens, wanted), kept);
    }

    // Without a compositor the window shows only the loupe's shape: round, or square, and its
    // read-outs below it.
    void windowShowsOnlyTheLoupe()
    {
        LoupeLook look;
        const QRectF bounds = LoupeBounds(11, look); // a picture 110 across over wider read-outs
        QVERIFY(bounds.width() > 110);
        const int middle = 100 + int(bounds.width() / 2);
        const int pictureLeft = middle - 55;
        const int bottom = 50 + int(bounds.height());
        const QRegion round = LoupeRegion(QPointF(100, 50), 11, look);
        QVERIFY(round.contains(QPoint(middle, 105))); // the centre
        QVERIFY(round.contains(QPoint(middle, 50))); // the top of the ring
        QVERIFY(!round.contains(QPoint(pictureLeft + 2, 52))); // a corner of the square around it
        QVERIFY(!round.contains(QPoint(pictureLeft + 108, 158))); // another
        QVERIFY(!round.contains(QPoint(102, 52))); // beside the picture, over the read-outs' left end
        // The read-outs from end to end, down to their last line.
        QVERIFY(round.contains(QPoint(101, 50 + 110 + 6)));
        QVERIFY(round.contains(QPoint(100 + int(bounds.width()) - 2, bottom - 2)));
        QVERIFY(!round.contains(QPoint(middle, bottom + 2)));
        look.shape = LoupeShape::Square;
        const QRegion square = LoupeRegion(QPointF(100, 50), 11, look);
        QVERIFY(square.contains(QPoint(pictureLeft + 2, 52)));
        QVERIFY(!square.contains(QPoint(102, 52))); // beside the narrower picture
    }

    void wayFollowsTheSession_data()
    {
        QTest::addColumn<PickWay>("requested");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("session");
        QTest::addColumn<PickWay>("taken");
        QTest::newRow("X11 session") << PickWay::Auto << "xcb"
                                     << "x11" << PickWay::X11Loupe;
        QTest::newRow("no session type") << PickWay::Auto << "xcb"
                                         << "" << PickWay::X11Loupe;
        QTest::newRow("Wayland") << PickWay::Auto << "wayland"
                                 << "wayland" << PickWay::Screenshot;
        QTest::newRow("X11 program on Wayland") << PickWay::Auto << "xcb"
                                                << "wayland" << PickWay::Screenshot;
        QTest::newRow("offscreen") << PickWay::Auto << "offscreen"
                                   << "" << PickWay::Screenshot;
        QTest::newRow("screenshot forced on X11") << PickWay::Screenshot << "xcb"
                                                  << "x11" << PickWay::Screenshot;
        QTest::newRow("portal forced on X11") << PickWay::Portal << "xcb"
                                              << "x11" << PickWay::Portal;
        QTest::newRow("loupe forced on Wayland") << PickWay::X11Loupe << "xcb"
                                                 << "wayland" << PickWay::X11Loupe;
    }
    void wayFollowsTheSession()
    {
        QFETCH(PickWay, requested);
        QFETCH(QString, platform);
        QFETCH(QString, session);
        QFETCH(PickWay, taken);
        QCOMPARE(ResolvePickWay(requested, platform, session), taken);
    }

    void wayNamesReadBack()
    {
        for (const PickWay way : {PickWay::Auto, PickWay::X11Loupe, PickWay::Portal, PickWay::Screenshot})
            QCOMPARE(ParsePickWay(PickWayName(way)), std::optional(way));
        QCOMPARE(ParsePickWay(QStringLiteral("X11")), std::nullopt);
        QCOMPARE(ParsePickWay(QString()), std::nullopt);
    }

    void settingsChooseTheWayAndTheLoupe_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("loupe");
        QTest::addColumn<QString>("average");
        QTest::addColumn<PickWay>("storedWay");
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("storedAverage");
        QTest::newRow("portal, square, 5 x 5") << "portal"
                                               << "square"
                                               << "5" << PickWay::Portal << true << 5;
        QTest::newRow("screenshot, round, 1") << "screenshot"
                                              << "round"
                                              << "1" << PickWay::Screenshot << false << 1;
        QTest::newRow("x11, round, 3 x 3") << "x11"
                                           << "round"
                                           << "3" << PickWay::X11Loupe << false << 3;
        QTest::newRow("unreadable values fall back") << "wayland"
                                                     << "oval"
                                                     << "7" << PickWay::Auto << false << 1;
    }
    void settingsChooseTheWayAndTheLoupe()
    {
        QFETCH(QString, way);
        QFETCH(QString, loupe);
        QFETCH(QString, average);
        QVERIFY(SaveSetting(QStringLiteral("ScreenPicking"), QStringLiteral("way"), way));
        QVERIFY(SaveSetting(QStringLiteral("ScreenPicking"), QStringLiteral("loupe"), loupe));
        QVERIFY(SaveSetting(QStringLiteral("ScreenPicking"), QStringLiteral("average"), average));
        QTEST(StoredPickWay(), "storedWay");
        QTEST(StoredLoupeShape() == LoupeShape::Square, "square");
        QTEST(StoredAverageSize(), "storedAverage");
    }

    void patchSizeFollowsTheZoom()
    {
        QCOMPARE(LoupePatchSize(kDefaultZoom), 11);
        QCOMPARE(LoupePatchSize(kMinZoom), 27);
        QCOMPARE(LoupePatchSize(kMaxZoom), 5); // still room for a 5 x 5 average
        for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom)
            QVERIFY2(LoupePatchSize(zoom) % 2 == 1, "a patch has a centre pixel");
    }

    void averagedPickIsLinearLight_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QRgb>("picked");
        QTest::newRow("centre pixel") << 1 << QRgb(0xFFFFFF);
        QTest::newRow("3 x 3: 5 white, 4 black") << 3 << QRgb(0xC5C5C5); // not the byte mean #8E8E8E
        QTest::newRow("5 x 5: 13 white, 12 black") << 5 << QRgb(0xBFBFBF);
    }
    void averagedPickIsLinearLight()
    {
        QFETCH(int, square);
        QFETCH(QRgb, picked);
        const ScreenPatch patch = Checkerboard(11);
        const Color color = patch.pickedColor(square);
        QCOMPARE(QRgb(color.red() << 16 | color.green() << 8 | color.blue()), picked);
    }

    void pixelsOffTheScreenAreLeftOut()
    {
        ScreenPatch patch = Checkerboard(11);
        // The left half off the screen: only the white centre column and its right neighbours count.
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 5; ++x)
                patch.pixels.setPixel(x, y, 0x00000000u);
        QCOMPARE(patch.colorAt(-1, 0), Color::none());
        QCOMPARE(patch.colorAt(0, 0), Color::white());
        // 3 x 3 with the left column gone: white, black, white over three rows = 3 white, 3 black.
        QCOMPARE(patch.pickedColor(3), RGB(0xBC, 0xBC, 0xBC));
    }

    void loupeMagnifiesWithoutSmoothing()
    {
        QImage patch(11, 11, QImage::Format_ARGB32);
        patch.fill(0xFF102030u);
        patch.setPixel(5, 5, 0xFFE0C0A0u); // the centre
        patch.setPixel(6, 5, 0xFF00FF00u); // its right neighbour
        LoupeLook look;
        look.shape = LoupeShape::Square;
        const QRectF bounds = LoupeBounds(11, look);
        QImage canvas(bounds.size().toSize(), QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        {
            QPainter painter(&canvas);
            PaintLoupe(painter, QPointF(0, 0), patch, RGB(0xE0, 0xC0, 0xA0), look);
        }
        // Each screen pixel is a 10 x 10 block of its own colour; the centre block has an outline.
        const int left = int(std::nearbyint((bounds.width() - 110) / 2)); // centred over the read-outs
        QCOMPARE(canvas.pixel(left + 25, 25), 0xFF102030u);
        QCOMPARE(canvas.pixel(left + 55, 55), 0xFFE0C0A0u);
        QCOMPARE(canvas.pixel(left + 65, 55), 0xFF00FF00u);
        QCOMPARE(canvas.pixel(left + 69, 51), 0xFF00FF00u);
        QCOMPARE(canvas.pixel(left + 50, 55), 0xFF000000u); // the outline: black on a light centre
        // The code's swatch below the picture is filled with the picked colour.
        QCOMPARE(canvas.pixel(3, 110 + 4 + 3), 0xFFE0C0A0u);
        // Every pixel of its bounds is painted: nothing of what was there before shows.
        look.shape = LoupeShape::Round;
        canvas.fill(Qt::magenta);
        {
            QPainter painter(&canvas);
            PaintLoupe(painter, QPointF(0, 0), patch, RGB(0xE0, 0xC0, 0xA0), look);
        }
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                QVERIFY2(canvas.pixel(x, y) != QColor(Qt::magenta).rgb(),
                    qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
};

QTEST_MAIN(ScreenPickingTest)
#include "screen_picking_test.moc"
