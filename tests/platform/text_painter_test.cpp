// The readout text hook: fixed font, exact colours, same pixels every time, drawn into the surface.
#include "platform/text_painter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

using namespace pelmora;

namespace {

struct Ink {
    QRect box; // bounding box of every pixel that changed
    int count = 0; // how many changed
    QSet<std::int32_t> colors;
};

Ink inkOn(const Surface& surface, Color background)
{
    Ink ink;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const Color c = surface.ReadPixel(x, y);
            if (c == background)
                continue;
            ++ink.count;
            ink.colors.insert(c.value());
            ink.box |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

Surface blankSurface(Color background)
{
    Surface surface;
    surface.setBackground(background);
    surface.Clear();
    surface.setTextPainter(MakeReadoutTextPainter());
    return surface;
}

} // namespace

class TextPainterTest : public QObject {
    Q_OBJECT
private slots:
    void fontIsFixedBoldElevenPixelsWithoutSmoothing()
    {
        const QFont font = ReadoutFont();
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"), qPrintable(family));
        QCOMPARE(font.pixelSize(), 11);
        QVERIFY(font.bold());
        QVERIFY(font.styleStrategy() & QFont::NoAntialias);
    }

    void linesUseOnlyTheGivenColourInsideTheirLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::newRow("black red line") << "R: 255" << RGB(0, 0, 0).value();
        QTest::newRow("coloured hex line") << "Hex: #FFFF00" << RGB(12, 200, 99).value();
        QTest::newRow("negative channel") << "G: -255" << RGB(255, 255, 255).value();
        QTest::newRow("long hex") << "Hex: #FF0FFF01FF01" << RGB(1, 2, 3).value();
    }
    void linesUseOnlyTheGivenColourInsideTheirLine()
    {
        QFETCH(QString, text);
        QFETCH(int, color);
        const Color background = RGB(212, 208, 200);
        Surface surface = blankSurface(background);
        const int x = 312;
        const int y = 80;
        const int height = surface.DrawTextLine(x, y, text.toStdString(), Color(color));
        QCOMPARE(height, QFontMetrics(ReadoutFont()).height());
        QVERIFY(height >= 11 && height <= 16);

        const Ink ink = inkOn(surface, background);
        QVERIFY2(ink.count > 10 * text.size() / 2, "too little ink for the text");
        QCOMPARE(ink.colors, QSet<std::int32_t>{color});
        QVERIFY2(ink.box.top() >= y && ink.box.bottom() < y + height,
            qPrintable(QStringLiteral("ink rows %1..%2").arg(ink.box.top()).arg(ink.box.bottom())));
        QVERIFY(ink.box.left() >= x && ink.box.left() <= x + 2);
        QVERIFY(ink.box.right() < x + QFontMetrics(ReadoutFont()).horizontalAdvance(text) + 1);
    }

    void sameTextGivesSamePixelsDifferentTextDiffers()
    {
        const Color background = RGB(255, 255, 255);
        Surface first = blankSurface(background);
        Surface second = blankSurface(background);
        Surface other = blankSurface(background);
        first.DrawTextLine(312, 80, "B: 128", Color::black());
        second.DrawTextLine(312, 80, "B: 128", Color::black());
        other.DrawTextLine(312, 80, "B: 129", Color::black());
        const auto bytes = [](const Surface& s) {
            return QByteArray(reinterpret_cast<const char*>(s.pixels()), s.width() * s.height() * 4);
        };
        QCOMPARE(bytes(first), bytes(second));
        QVERIFY(bytes(first) != bytes(other));
    }

    void textAtTheEdgesIsClipped()
    {
        const Color background = RGB(255, 255, 255);
        Surface surface = blankSurface(background);
        surface.DrawTextLine(-30, -5, "R: 255", Color::black());
        surface.DrawTextLine(470, 512, "Hex: #FFFF00", Color::black());
        const Ink ink = inkOn(surface, background);
        QVERIFY(ink.count > 0);
        QVERIFY(QRect(0, 0, surface.width(), surface.height()).contains(ink.box));
    }
};

QTEST_MAIN(TextPainterTest)
#include "text_painter_test.moc"
