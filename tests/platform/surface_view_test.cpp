// The surface shown pixel for pixel, at whatever device pixel ratio the run was started with
// (the scale runs repeat this program at 1.5 and 2), and the mouse mapped back to surface pixels.
#include "platform/surface_view.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

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

// The surface pixel a device pixel shows at pixel ratio `ratio`: the one under its top-left corner.
int SourceOf(int device, qreal ratio) { return static_cast<int>(std::floor(device / ratio)); }

// Compares what the view shows against the surface: every device pixel shows exactly the surface
// pixel under its top-left corner (at a whole ratio k: surface pixel (x, y) covers [kx, kx + k) x [ky, ky + k)).
void compareShown(const QImage& shown, const Surface& surface, qreal ratio)
{
    QCOMPARE(shown.size(), QSize(qRound(surface.width() * ratio), qRound(surface.height() * ratio)));
    const QImage rgb = shown.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        const int sy = SourceOf(y, ratio);
        for (int x = 0; x < rgb.width(); ++x) {
            const int sx = SourceOf(x, ratio);
            const std::uint32_t expected = surface.pixels()[sy * surface.width() + sx];
            if (row[x] != expected)
                QFAIL(qPrintable(QStringLiteral("device pixel (%1,%2) is %3, surface pixel (%4,%5) is %6")
                                     .arg(x)
                                     .arg(y)
                                     .arg(row[x], 8, 16)
                                     .arg(sx)
                                     .arg(sy)
                                     .arg(expected, 8, 16)));
        }
    }
}

} // namespace

class SurfaceViewTest : public QObject {
    Q_OBJECT
private slots:
    void keepsTheSurfaceSizeInLogicalPixels()
    {
        Surface surface;
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.size(), QSize(480, 519)); // the unit the window's controls are laid out in
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
        compareShown(view.grab().toImage(), surface, ratio);
    }

    void refreshRepaintsWhatIsOnScreen()
    {
        Surface surface;
        surface.setBackground(RGB(200, 200, 200));
        surface.Clear();
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const qreal ratio = view.devicePixelRatioF();
        auto onScreen = [&view, ratio](int x, int y) {
            const QImage shot = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
            return shot.pixel(qRound(x * ratio), qRound(y * ratio)) & 0xFFFFFFu;
        };
        QTRY_COMPARE(onScreen(100, 50), 0xC8C8C8u);

        surface.HorizontalLine(90, 110, 50, RGB(255, 0, 0));
        QTest::qWait(50);
        QCOMPARE(onScreen(100, 50), 0xC8C8C8u); // drawn but not refreshed: the screen waits
        surface.Refresh();
        QTRY_COMPARE(onScreen(100, 50), 0xFF0000u);
    }

    void mouseIsReportedInSurfacePixels()
    {
        Surface surface;
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy pressed(&view, &SurfaceView::surfaceMousePressed);
        QSignalSpy moved(&view, &SurfaceView::surfaceMouseMoved);
        QSignalSpy released(&view, &SurfaceView::surfaceMouseReleased);

        const QPoint at(40, 60);
        const QPointF expected = at; // logical pixels are surface pixels at every ratio
        QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, at);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed[0][0].toDouble(), expected.x());
        QCOMPARE(pressed[0][1].toDouble(), expected.y());
        QCOMPARE(pressed[0][2].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(pressed[0][3].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(pressed[0][4].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));

        QTest::mouseMove(&view, QPoint(70, 20));
        QVERIFY(moved.count() >= 1);
        const QPointF movedTo(70, 20);
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

    // Qt hands a widget the pointer rounded to whole logical pixels; the window position keeps the
    // fraction. Every device pixel under the pointer reads as the surface pixel it shows.
    void mouseReadsThePixelShownUnderThePointer()
    {
        Surface surface;
        SurfaceView view(surface);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const qreal ratio = view.devicePixelRatioF();
        QSignalSpy pressed(&view, &SurfaceView::surfaceMousePressed);
        for (int device = 0; device < 64; ++device) {
            const QPointF exact(device / ratio, (device + 7) / ratio);
            QMouseEvent event(QEvent::MouseButtonPress, exact.toPoint(), exact, view.mapToGlobal(exact), Qt::LeftButton,
                Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&view, &event);
            QCOMPARE(pressed.last()[0].toDouble(), double(SourceOf(device, ratio)));
            QCOMPARE(pressed.last()[1].toDouble(), double(SourceOf(device + 7, ratio)));
        }
    }

    // A frame laid over the picture leaves the view the presses inside the given area, and the drag
    // that follows; its own controls keep theirs.
    void overlappingWidgetHandsOverItsPressesInsideTheArea()
    {
        Surface surface;
        QWidget window;
        auto* view = new SurfaceView(surface, &window);
        auto* frame = new QFrame(&window);
        frame->setGeometry(300, 64, 177, 59);
        auto* button = new QPushButton(QStringLiteral("Keep"), frame);
        button->setGeometry(10, 10, 60, 30);
        view->takeMouseFrom(frame, QRect(QPoint(10, 8), QPoint(302, 267)));
        window.resize(480, 519);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy pressed(view, &SurfaceView::surfaceMousePressed);
        QSignalSpy moved(view, &SurfaceView::surfaceMouseMoved);
        QSignalSpy released(view, &SurfaceView::surfaceMouseReleased);
        QSignalSpy clicked(button, &QPushButton::clicked);

        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(0, 36));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed[0][0].toDouble(), 300.0);
        QCOMPARE(pressed[0][1].toDouble(), 100.0);
        QCOMPARE(released.count(), 1);

        // x 304: beyond the area. (At a fractional scale an odd logical position lies inside a device
        // pixel that shows the surface pixel before it, so the positions here are even.)
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(4, 36));
        QCOMPARE(pressed.count(), 1);

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(pressed.count(), 1);

        // A drag that starts in the area follows the pointer beyond it.
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(2, 50));
        QTest::mouseMove(frame, QPoint(100, 56));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(100, 56));
        QCOMPARE(pressed.count(), 2);
        QVERIFY(moved.count() >= 1);
        QCOMPARE(moved.last()[0].toDouble(), 400.0);
        QCOMPARE(moved.last()[1].toDouble(), 120.0);
        QCOMPARE(released.count(), 2);
        // Moves after the drag are the frame's again.
        const qsizetype movesAfterDrag = moved.count();
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), frame->mapToGlobal(QPointF(5, 5)),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &move);
        QCOMPARE(moved.count(), movesAfterDrag);
    }

    void surfaceOutlivingItsViewStaysSafe()
    {
        Surface surface;
        {
            SurfaceView view(surface);
            surface.Refresh();
        }
        surface.Refresh(); // no listener left pointing at the destroyed view
        QCOMPARE(surface.ReadPixel(0, 0), surface.ReadPixel(1, 1));
    }
};

QTEST_MAIN(SurfaceViewTest)
#include "surface_view_test.moc"
