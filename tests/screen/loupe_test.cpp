// The loupe's placement beside the pointer at every edge and corner, its read-outs, and the grid
// between magnified pixels, read from the picture the painter makes.

#include "notations/code_writer.h"
#include "screen/device_pixels.h"
#include "screen/loupe_painter.h"
#include "screen/loupe_placement.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace pelmora;

namespace {

constexpr qreal kOffset = 24;

enum class Side { After, Before, Any };

// The loupe's default look at `scale`.
LoupeLook LookAt(qreal scale, int zoom = kDefaultZoom)
{
    LoupeLook look;
    look.zoom = zoom;
    look.devicePixelRatio = scale;
    return look;
}

// Patch cells alternate light, dark and mid grey, so a grid must show on each.
QImage ShadesPatch(int size)
{
    static const QRgb shades[] = {0xFFE0E0E0u, 0xFF202020u, 0xFF808080u};
    QImage patch(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            patch.setPixel(x, y, shades[(x + 2 * y) % 3]);
    // The centre light, so its outline is black.
    patch.setPixel(size / 2, size / 2, shades[0]);
    return patch;
}

// The loupe painted by itself at `scale`, in device pixels.
QImage PaintedLoupe(const QImage& patch, const LoupeLook& look)
{
    const QSizeF bounds = LoupeBounds(patch.width(), look).size();
    QImage canvas((bounds * look.devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(look.devicePixelRatio);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    PaintLoupe(painter, QPointF(0, 0), patch, RGB(0xE0, 0xE0, 0xE0), look, {QPoint(7, 9), QStringLiteral("code")});
    return canvas;
}

bool FarApart(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) >= 96 && std::abs(qGreen(a) - qGreen(b)) >= 96
        && std::abs(qBlue(a) - qBlue(b)) >= 96;
}

} // namespace

Q_DECLARE_METATYPE(Side)

class LoupeTest : public QObject {
    Q_OBJECT
private slots:
    // A large and a small screen at each scale: the loupe stays whole on it, off the pointer's
    // pixel, and on the side of the pointer away from a near edge.
    void staysOnTheScreen_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("screenPixels");
        QTest::addColumn<QPoint>("pointer"); // device pixels
        QTest::addColumn<Side>("horizontal");
        QTest::addColumn<Side>("vertical");
        // Where the pointer is, as a part of the screen's last pixel column and row.
        const struct {
            const char* name;
            QPointF part;
            Side horizontal;
            Side vertical;
        } places[] = {
            {"top-left corner", {0, 0}, Side::After, Side::After},
            {"top-right corner", {1, 0}, Side::Before, Side::After},
            {"bottom-left corner", {0, 1}, Side::After, Side::Before},
            {"bottom-right corner", {1, 1}, Side::Before, Side::Before},
            {"top edge", {0.5, 0}, Side::Any, Side::After},
            {"bottom edge", {0.5, 1}, Side::Any, Side::Before},
            {"left edge", {0, 0.5}, Side::After, Side::Any},
            {"right edge", {1, 0.5}, Side::Before, Side::Any},
            {"middle", {0.5, 0.5}, Side::Any, Side::Any},
        };
        // Two loupes' width and height fit on 640 x 480 at 1.5, not at 2.
        const struct {
            QSize pixels;
            std::vector<qreal> scales;
        } screens[] = {{{1280, 1024}, {1.0, 1.5, 2.0}}, {{640, 480}, {1.0, 1.5}}};
        for (const auto& screen : screens)
            for (const qreal scale : screen.scales)
                for (const auto& place : places) {
                    const QPoint pointer(int(place.part.x() * (screen.pixels.width() - 1)),
                        int(place.part.y() * (screen.pixels.height() - 1)));
                    QTest::addRow("%s of %dx%d at %g", place.name, screen.pixels.width(), screen.pixels.height(), scale)
                        << scale << screen.pixels << pointer << place.horizontal << place.vertical;
                }
        QTest::addRow("a pixel from the right edge at 1.5")
            << 1.5 << QSize(1280, 1024) << QPoint(1278, 700) << Side::Before << Side::Any;
    }

    void staysOnTheScreen()
    {
        QFETCH(qreal, scale);
        QFETCH(QSize, screenPixels);
        QFETCH(QPoint, pointer);
        QFETCH(Side, horizontal);
        QFETCH(Side, vertical);
        // Qt's logical screen: 853 x 683 for 1280 x 1024 at 1.5.
        const QRectF screen(0, 0, std::round(screenPixels.width() / scale), std::round(screenPixels.height() / scale));
        const ScreenScale placement{QPoint(), scale};
        const QPointF at = LogicalCentreOf(pointer, placement);
        for (const int zoom : {kMinZoom, kDefaultZoom, kMaxZoom}) {
            const QSizeF size = LoupeBounds(LoupePatchSize(zoom), LookAt(scale, zoom)).size();
            const QRectF loupe(PlaceLoupe(at, size, screen, kOffset), size);
            const QString where = QStringLiteral("zoom %1: loupe at %2, %3 %4 x %5")
                                      .arg(zoom)
                                      .arg(loupe.x())
                                      .arg(loupe.y())
                                      .arg(loupe.width())
                                      .arg(loupe.height());
            QVERIFY2(screen.contains(loupe), qPrintable(where));
            QVERIFY2(loupe.x() == std::round(loupe.x()) && loupe.y() == std::round(loupe.y()), qPrintable(where));
            const QRectF pointerPixel(QPointF(pointer) / scale, QSizeF(1, 1) / scale);
            QVERIFY2(!loupe.intersects(pointerPixel), qPrintable(where));
            if (horizontal == Side::After)
                QVERIFY2(loupe.left() >= at.x() + kOffset - 0.5, qPrintable(where));
            if (horizontal == Side::Before)
                QVERIFY2(loupe.right() <= at.x() - kOffset + 0.5, qPrintable(where));
            if (vertical == Side::After)
                QVERIFY2(loupe.top() >= at.y() + kOffset - 0.5, qPrintable(where));
            if (vertical == Side::Before)
                QVERIFY2(loupe.bottom() <= at.y() - kOffset + 0.5, qPrintable(where));
        }
    }

    // A screen with room on neither side of the pointer along one axis: the loupe stays on it, and
    // the other axis keeps it off the pointer.
    void keptOnANarrowScreen_data()
    {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPointF>("topLeft");
        // A 300 x 120 loupe on 400 x 300.
        QTest::newRow("middle, more room right") << QPointF(190, 100) << QPointF(100, 124);
        QTest::newRow("middle, more room left") << QPointF(210, 250) << QPointF(0, 106);
        QTest::newRow("right side") << QPointF(350, 50) << QPointF(26, 74);
    }

    void keptOnANarrowScreen()
    {
        QFETCH(QPointF, pointer);
        QTEST(PlaceLoupe(pointer, QSizeF(300, 120), QRectF(0, 0, 400, 300), kOffset), "topLeft");
    }

    void positionAndZoomAreWritten_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QString>("text");
        QTest::newRow("corner") << QPoint(0, 0) << 10 << QStringLiteral("x 0, y 0 \u00B7 10\u00D7");
        QTest::newRow("far corner at 20x")
            << QPoint(2559, 1439) << 20 << QStringLiteral("x 2559, y 1439 \u00B7 20\u00D7");
        QTest::newRow("second screen at 4x") << QPoint(1920, 7) << 4 << QStringLiteral("x 1920, y 7 \u00B7 4\u00D7");
    }

    void positionAndZoomAreWritten()
    {
        QFETCH(QPoint, position);
        QFETCH(int, zoom);
        QTEST(LoupePositionText(position, zoom), "text");
    }

    // The code line writes the colour in the notation chosen in the band, as the settings key it.
    void codeIsInTheChosenNotation_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Color>("color");
        QTest::addColumn<QString>("code");
        const Color orange = RGB(255, 136, 0);
        QTest::newRow("nothing chosen: the band's first") << "" << orange << "RGB(255, 136, 0)";
        QTest::newRow("an unknown name: the band's first") << "cmyk" << orange << "RGB(255, 136, 0)";
        QTest::newRow("html") << "html" << orange << "#FF8800";
        QTest::newRow("oklch") << "oklch" << orange << "oklch(74.4% 0.181 56.5)";
        QTest::newRow("hsl") << "hsl" << orange << "hsl(32 100% 50%)";
        QTest::newRow("a CSS name") << "css-name" << RGB(255, 165, 0) << "orange";
        QTest::newRow("no CSS name") << "css-name" << orange << "N/A";
        QTest::newRow("a template") << "template:Vec3" << orange << "vec3(1.00, 0.53, 0.00)";
        QTest::newRow("a template that cannot be read") << "template:Broken" << orange << "";
        QTest::newRow("a template that is gone") << "template:Gone" << orange << "";
        QTest::newRow("off the screen") << "oklch" << Color::none() << "";
    }

    void codeIsInTheChosenNotation()
    {
        QFETCH(QString, key);
        QFETCH(Color, color);
        const std::vector<UserTemplate> templates{
            {"Broken", "vec3({rf:.2}, {nope})"}, {"Vec3", "vec3({rf:.2}, {gf:.2}, {bf:.2})"}};
        QTEST(LoupeCodeText(WriterForChosenNotation(key.toStdString(), templates), color), "code");
    }

    // From zoom 8 up a line of one device pixel, far from both neighbours' colours, parts the
    // magnified pixels; below, every magnified pixel is whole. The outline stays over the grid.
    void gridFromZoomEight_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("grid");
        for (const qreal scale : {1.0, 1.5, 2.0})
            for (const int zoom : {kMinZoom, 7, 8, kDefaultZoom, kMaxZoom})
                QTest::addRow("zoom %d at %g", zoom, scale) << scale << zoom << (zoom >= 8);
    }

    void gridFromZoomEight()
    {
        QFETCH(qreal, scale);
        QFETCH(int, zoom);
        QFETCH(bool, grid);
        LoupeLook look = LookAt(scale, zoom);
        look.shape = LoupeShape::Square;
        look.averageSize = 3;
        const int size = LoupePatchSize(zoom);
        const QImage patch = ShadesPatch(size);
        const QImage canvas = PaintedLoupe(patch, look);
        // The picture is centred over the read-outs, on whole device pixels.
        const qreal width = LoupeBounds(size, look).width();
        const int left = int(std::nearbyint((width - LoupeDiameter(size, look)) / 2 * scale));
        auto pixel = [&](int column, int row, int dx, int dy) {
            return canvas.pixel(left + column * zoom + dx, row * zoom + dy);
        };
        const int inside = zoom / 2;
        const int outlined = size / 2 - 1; // the first cell of the 3 x 3 square
        for (int row = 0; row < size; ++row) {
            for (int column = 1; column < size; ++column) {
                const QRgb cell = patch.pixel(column, row);
                QCOMPARE(pixel(column, row, inside, inside), cell); // the middle of a cell
                const bool onOutline
                    = (column == outlined || column == outlined + 3) && row >= outlined && row <= outlined + 2;
                if (onOutline) {
                    QCOMPARE(pixel(column, row, 0, inside), 0xFF000000u); // black on a light centre
                    continue;
                }
                // The vertical line between this cell and the one on its left.
                const QRgb line = pixel(column, row, 0, inside);
                if (grid) {
                    QVERIFY2(FarApart(line, cell),
                        qPrintable(QStringLiteral("%1, %2: %3").arg(column).arg(row).arg(line, 8, 16)));
                    // One device pixel wide.
                    QCOMPARE(pixel(column, row, 1, inside), cell);
                    QCOMPARE(pixel(column, row, -1, inside), patch.pixel(column - 1, row));
                } else {
                    QCOMPARE(line, cell);
                }
                // The horizontal line above, and the crossing, where two passes must not cancel.
                if (row > 0
                    && !(column >= outlined && column <= outlined + 3 && row >= outlined && row <= outlined + 3)) {
                    QCOMPARE(FarApart(pixel(column, row, inside, 0), cell), grid);
                    QCOMPARE(pixel(column, row, 0, 0) != cell, grid);
                }
            }
        }
    }

    // The read-outs under the picture are in the window's shape and drawn: every line has text.
    void readoutsAreShownAndInTheShape()
    {
        for (const qreal scale : {1.0, 1.5, 2.0}) {
            const LoupeLook look = LookAt(scale);
            const int size = LoupePatchSize(kDefaultZoom);
            const QImage canvas = PaintedLoupe(ShadesPatch(size), look);
            const QRectF bounds = LoupeBounds(size, look);
            const QRegion shape = LoupeRegion(QPointF(0, 0), size, look);
            const qreal diameter = LoupeDiameter(size, look);
            // Three text lines below the swatch: count bright pixels in each band of rows.
            const qreal textTop = diameter + 4 + 20;
            const qreal lineHeight = (bounds.height() - textTop - 2) / 3;
            for (int line = 0; line < 3; ++line) {
                int lit = 0;
                const int firstRow = int(std::ceil((textTop + line * lineHeight) * scale));
                const int lastRow = int((textTop + (line + 1) * lineHeight) * scale);
                for (int y = firstRow; y < lastRow; ++y)
                    for (int x = 0; x < canvas.width(); ++x)
                        lit += qGray(canvas.pixel(x, y)) > 0x90 ? 1 : 0;
                QVERIFY2(lit > 20, qPrintable(QStringLiteral("line %1 at %2: %3 lit").arg(line).arg(scale).arg(lit)));
                QVERIFY(shape.contains(QPoint(1, int(textTop + (line + 0.5) * lineHeight))));
                QVERIFY(shape.contains(QPoint(int(bounds.width()) - 2, int(textTop + (line + 0.5) * lineHeight))));
            }
        }
    }
};

QTEST_MAIN(LoupeTest)
#include "loupe_test.moc"
