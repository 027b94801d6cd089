// The surface shown pixel for pixel, at whatever device pixel ratio the run was started with
// (the scale runs repeat this program at 1.5 and 2), and the mouse mapped back to surface pixels.
#include "platform/surface_view.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmora;

namespace {

// Every pixel different from its neighbours, so a shift, a blend or a flip by one pixel shows.
void paintPattern(Surface& surface)
{
    std::uint32_t* pixels = surface.pixels();
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x)
            pixels[y * surface.width() + x] = 0xFF000000u | (std::uint32_t(x & 0xFF) << 16)
                                              | (std::uint32_t(y & 0xFF) << 8) | std::uint32_t((x ^ y) * 37 & 0xFF);
    }
}

// Compares what the view shows against the surface: surface pixel (x, y) must cover exactly the
// device pixels [kx, kx + k) x [ky, ky + k).
void compareShown(const QImage& shown, const Surface& surface, int k)
{
    QCOMPARE(shown.size(), QSize(surface.width() * k, surface.height() * k));
    const QImage rgb = shown.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const std::uint32_t expected = surface.pixels()[(y / k) * surface.width() + x / k];
            if (row[x] != expected)
                QFAIL(qPrintable(QStringLiteral("device pixel (%1,%2) is %3, surface pixel (%4,%5) is %6")
                                     .arg(x).arg(y).arg(row[x], 8, 16).arg(x / k).arg(y / k).arg(expected, 8, 16)));
        }
    }
}

} // namespace

class SurfaceViewTest : public QObject {
    Q_OBJECT
private slots:
    void wholeScale_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<QPointF>("surface");
        QTest::newRow("1") << 1.0 << 1 << QPointF(137.5, 10) << QPointF(137.5, 10);
        QTest::newRow("1.25") << 1.25 << 1 << QPointF(8, 80) << QPointF(10, 100);
        QTest::newRow("1.5") << 1.5 << 1 << QPointF(20, 30) << QPointF(30, 45);
        QTest::newRow("1.99") << 1.99 << 1 << QPointF(100, 0) << QPointF(199, 0);
        QTest::newRow("2") << 2.0 << 2 << QPointF(265, 10) << QPointF(265, 10);
        QTest::newRow("2.5") << 2.5 << 2 << QPointF(20, 30) << QPointF(25, 37.5);
        QTest::newRow("3") << 3.0 << 3 << QPointF(7, 7) << QPointF(7, 7);
        QTest::newRow("below 1") << 0.5 << 1 << QPointF(20, 30) << QPointF(10, 15);
    }
    void wholeScale()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        QFETCH(QPointF, logical);
        QFETCH(QPointF, surface);
        QCOMPARE(SurfaceView::WholeScale(ratio), scale);
        QCOMPARE(SurfaceView::ToSurface(logical, ratio), surface);
        // The widget covers exactly scale x the surface's pixels on the device.
        QCOMPARE(SurfaceView::LogicalSize(QSize(480, 519), ratio) * ratio, QSizeF(480.0 * scale, 519.0 * scale));
    }

    void showsEverySurfacePixelExactly()
    {
        Surface surface;
        paintPattern(surface);
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const qreal ratio = view.devicePixelRatioF();
        qInfo("device pixel ratio %g", ratio);
        compareShown(view.grab().toImage(), surface, SurfaceView::WholeScale(ratio));
    }

    void refreshRepaintsWhatIsOnScreen()
    {
        Surface surface;
        surface.setBackground(RGB(200, 200, 200));
        surface.Clear();
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int k = SurfaceView::WholeScale(view.devicePixelRatioF());
        auto onScreen = [&view, k](int x, int y) {
            const QImage shot = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
            return shot.pixel(x * k, y * k) & 0xFFFFFFu;
        };
        QTRY_COMPARE(onScreen(100, 50), 0xC8C8C8u);

        surface.HorizontalLine(90, 110, 50, RGB(255, 0, 0));
        QTest::qWait(50);
        QCOMPARE(onScreen(100, 50), 0xC8C8C8u);  // drawn but not refreshed: the screen waits
        surface.Refresh();
        QTRY_COMPARE(onScreen(100, 50), 0xFF0000u);
    }

    void mouseIsReportedInSurfacePixels()
    {
        Surface surface;
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const qreal ratio = view.devicePixelRatioF();
        QSignalSpy pressed(&view, &SurfaceView::surfaceMousePressed);
        QSignalSpy moved(&view, &SurfaceView::surfaceMouseMoved);
        QSignalSpy released(&view, &SurfaceView::surfaceMouseReleased);

        const QPoint at(40, 60);
        const QPointF expected = SurfaceView::ToSurface(at, ratio);
        QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, at);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed[0][0].toDouble(), expected.x());
        QCOMPARE(pressed[0][1].toDouble(), expected.y());
        QCOMPARE(pressed[0][2].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(pressed[0][3].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(pressed[0][4].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));

        QTest::mouseMove(&view, QPoint(70, 20));
        QVERIFY(moved.count() >= 1);
        const QPointF movedTo = SurfaceView::ToSurface(QPoint(70, 20), ratio);
        QCOMPARE(moved.last()[0].toDouble(), movedTo.x());
        QCOMPARE(moved.last()[1].toDouble(), movedTo.y());
        QCOMPARE(moved.last()[2].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));

        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(70, 20));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released[0][2].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(released[0][3].value<Qt::MouseButtons>(), Qt::MouseButtons());

        QTest::mouseClick(&view, Qt::RightButton, {}, at);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(pressed[1][2].value<Qt::MouseButton>(), Qt::RightButton);
    }

    void surfaceOutlivingItsViewStaysSafe()
    {
        Surface surface;
        {
            SurfaceView view(surface);
            surface.Refresh();
        }
        surface.Refresh();  // no listener left pointing at the destroyed view
        QCOMPARE(surface.ReadPixel(0, 0), surface.ReadPixel(1, 1));
    }
};

QTEST_MAIN(SurfaceViewTest)
#include "surface_view_test.moc"
