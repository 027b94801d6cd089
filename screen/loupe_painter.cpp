#include "screen/loupe_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pelmora {
namespace {

constexpr int kLoupeDevicePixels = 110; // 11 pixels at the default 10x
constexpr qreal kLabelGap = 4; // between the picture and the read-outs
constexpr qreal kSwatchHeight = 20;
constexpr qreal kMinLabelWidth = 76; // "#RRGGBB" and "off screen"
constexpr qreal kTextMargin = 5;
constexpr qreal kBottomMargin = 2;
constexpr int kTextLines = 3; // position and zoom, code, keys
// Small but legible at every scale: logical pixels, which the scale multiplies.
constexpr int kReadoutPixelSize = 11;
constexpr int kSwatchPixelSize = 12;
// Each channel of a grid pixel is 128 away from the screen pixel's: a line on light and dark alike.
constexpr QRgb kGridXor = 0x808080u;
constexpr QRgb kOffScreen = 0xFF808080u; // where the patch is off the screen
const QColor kPanel(0x20, 0x20, 0x20);
const QColor kReadoutText(0xF0, 0xF0, 0xF0);
const QColor kHintText(0xB4, 0xB4, 0xB4);

QString HtmlCode(Color color)
{
    if (color == Color::none())
        return QStringLiteral("off screen");
    return QStringLiteral("#%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

// Black on light colours, white on dark ones, so the outline shows on any pixel.
QColor ContrastingPen(Color color)
{
    const int luma = (299 * color.red() + 587 * color.green() + 114 * color.blue()) / 1000;
    return luma > 127 ? Qt::black : Qt::white;
}

QFont ReadoutFont(int pixelSize, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// What the read-outs need at every move, made once: the fonts, their measures and the key hint as
// a picture, which is copied where drawing its fifty letters again would take as long as the rest of
// the loupe. The read-outs are as wide as the hint, their widest fixed line, so that they keep their
// size (and the window its shape) while the pointer moves. Kept for the life of the process and never
// destroyed: fonts must not be released after the application's font system has gone at exit.
class ReadoutText {
public:
    const QFont font = ReadoutFont(kReadoutPixelSize, false);
    const QFont swatchFont = ReadoutFont(kSwatchPixelSize, true);
    qreal width = 0;
    qreal lineHeight = 0;
    qreal ascent = 0;
    qreal swatchAscent = 0;
    qreal swatchHeight = 0;

    ReadoutText()
    {
        const QFontMetricsF metrics(font);
        width = std::max(kMinLabelWidth, std::ceil(metrics.horizontalAdvance(LoupeKeyHint())) + 2 * kTextMargin);
        lineHeight = std::ceil(metrics.height());
        ascent = metrics.ascent();
        const QFontMetricsF swatchMetrics(swatchFont);
        swatchAscent = swatchMetrics.ascent();
        swatchHeight = swatchMetrics.height();
    }

    // The hint's line, panel and all, in device pixels of `ratio`.
    const QImage& hintLine(qreal ratio)
    {
        if (hintLine_.isNull() || hintLine_.devicePixelRatio() != ratio) {
            hintLine_ = QImage((QSizeF(width, lineHeight) * ratio).toSize(), QImage::Format_RGB32);
            hintLine_.setDevicePixelRatio(ratio);
            hintLine_.fill(kPanel);
            QPainter painter(&hintLine_);
            painter.setFont(font);
            painter.setPen(kHintText);
            painter.drawText(QPointF(kTextMargin, ascent), LoupeKeyHint());
        }
        return hintLine_;
    }

private:
    QImage hintLine_;
};

ReadoutText& Text()
{
    static ReadoutText* const text = new ReadoutText;
    return *text;
}

qreal BlockHeight() { return kSwatchHeight + kTextLines * Text().lineHeight + kBottomMargin; }

} // namespace

int LoupePatchSize(int zoom)
{
    const int across = kLoupeDevicePixels / std::clamp(zoom, kMinZoom, kMaxZoom);
    return std::max(5, across % 2 == 0 ? across - 1 : across);
}

qreal LoupeDiameter(int patchSize, const LoupeLook& look) { return patchSize * look.zoom / look.devicePixelRatio; }

QRectF LoupeBounds(int patchSize, const LoupeLook& look)
{
    const qreal diameter = LoupeDiameter(patchSize, look);
    return {0, 0, std::max(diameter, Text().width), diameter + kLabelGap + BlockHeight()};
}

namespace {

// Centred over the read-outs, on whole device pixels: the magnified pixels and the grid between
// them fall on the screen's own pixels at any scale.
QRectF PictureRect(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    const qreal diameter = LoupeDiameter(patchSize, look);
    const qreal width = LoupeBounds(patchSize, look).width();
    const qreal ratio = look.devicePixelRatio;
    const qreal left = std::nearbyint((topLeft.x() + (width - diameter) / 2) * ratio) / ratio;
    const qreal top = std::ceil(topLeft.y() * ratio) / ratio;
    return {left, top, diameter, diameter};
}

QRectF BlockRect(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    const qreal width = LoupeBounds(patchSize, look).width();
    const qreal blockTop = topLeft.y() + LoupeDiameter(patchSize, look) + kLabelGap;
    return {topLeft.x() + (width - Text().width) / 2, blockTop, Text().width, BlockHeight()};
}

// The patch magnified `zoom` times, one image pixel per device pixel, pixels off the screen dark
// grey. From kGridMinZoom up the first device pixel row and column of every magnified pixel but the
// first is the grid, each pixel once, crossings too. Made by hand rather than by a scaled drawing and
// a painted grid: a tenth of the time, which the loupe spends again at every move.
QImage Magnified(const QImage& patch, int zoom)
{
    const int size = patch.width();
    const bool grid = zoom >= kGridMinZoom;
    QImage image(size * zoom, size * zoom, QImage::Format_RGB32);
    std::vector<QRgb> row(static_cast<std::size_t>(size * zoom));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = patch.pixel(x, y);
            const QRgb shown = qAlpha(pixel) == 0 ? kOffScreen : pixel | 0xFF000000u;
            std::fill_n(row.begin() + x * zoom, zoom, shown);
            if (grid && x > 0)
                row[static_cast<std::size_t>(x * zoom)] ^= kGridXor;
        }
        for (int line = 0; line < zoom; ++line) {
            auto* target = reinterpret_cast<QRgb*>(image.scanLine(y * zoom + line));
            std::copy(row.begin(), row.end(), target);
            if (grid && y > 0 && line == 0)
                for (int x = 0; x < size * zoom; ++x)
                    if (x % zoom != 0 || x == 0)
                        target[x] ^= kGridXor;
        }
    }
    return image;
}

// Left-aligned under one another: text drawn at a point is laid out once, not measured first.
void PaintReadouts(
    QPainter& painter, const QRectF& block, Color picked, const LoupeLook& look, const LoupeReadout& readout)
{
    ReadoutText& text = Text();
    painter.fillRect(block, kPanel);
    // The code of the colour a click would pick, on a swatch of that colour.
    const QRectF swatch(block.topLeft(), QSizeF(block.width(), kSwatchHeight));
    const bool offScreen = picked == Color::none();
    painter.fillRect(swatch, offScreen ? QColor(Qt::darkGray) : QColor(picked.red(), picked.green(), picked.blue()));
    painter.setPen(offScreen ? QColor(Qt::white) : ContrastingPen(picked));
    painter.setFont(text.swatchFont);
    const qreal left = block.left() + kTextMargin;
    painter.drawText(
        QPointF(left, swatch.top() + (kSwatchHeight - text.swatchHeight) / 2 + text.swatchAscent), HtmlCode(picked));

    painter.setFont(text.font);
    auto lineTop = [&](int index) { return swatch.bottom() + index * text.lineHeight; };
    painter.setPen(kReadoutText);
    painter.drawText(QPointF(left, lineTop(0) + text.ascent), LoupePositionText(readout.position, look.zoom));
    // A template can write more than fits: its end is cut at the edge.
    painter.setClipRect(QRectF(left, lineTop(1), block.width() - 2 * kTextMargin, text.lineHeight));
    painter.drawText(QPointF(left, lineTop(1) + text.ascent), readout.code);
    painter.setClipping(false);
    painter.drawImage(QPointF(block.left(), lineTop(2)), text.hintLine(look.devicePixelRatio));

    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(block);
}

} // namespace

QRegion LoupeRegion(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    // A pixel more on every side for the outline, which antialiasing spreads over the edge.
    const QRect picture = PictureRect(topLeft, patchSize, look).toAlignedRect().adjusted(-1, -1, 1, 1);
    const QRegion pictureRegion
        = look.shape == LoupeShape::Round ? QRegion(picture, QRegion::Ellipse) : QRegion(picture);
    return pictureRegion.united(BlockRect(topLeft, patchSize, look).toAlignedRect().adjusted(-1, -1, 1, 1));
}

QString LoupePositionText(QPoint position, int zoom)
{
    return QStringLiteral("x %1, y %2 \u00B7 %3\u00D7").arg(position.x()).arg(position.y()).arg(zoom);
}

QString LoupeCodeText(const CodeWriter& writer, Color picked)
{
    if (!writer || picked == Color::none())
        return {};
    const std::optional<std::string> code = writer(picked);
    return code ? QString::fromStdString(*code) : QStringLiteral("N/A");
}

QString LoupeKeyHint() { return QStringLiteral("Enter pick \u00B7 Esc cancel \u00B7 arrows move \u00B7 Ctrl average"); }

void PaintLoupe(QPainter& painter, QPointF topLeft, const QImage& patch, Color picked, const LoupeLook& look,
    const LoupeReadout& readout)
{
    const int size = patch.width();
    const qreal diameter = LoupeDiameter(size, look);
    const qreal cell = diameter / size;
    const QRectF picture = PictureRect(topLeft, size, look);

    painter.save();
    // The edges of the shape blend with what is under them: black, as the outline, never an
    // earlier frame.
    painter.fillRect(QRectF(topLeft, LoupeBounds(size, look).size()).toAlignedRect().adjusted(-1, -1, 1, 1), Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, look.shape == LoupeShape::Round);
    QPainterPath outline;
    if (look.shape == LoupeShape::Round)
        outline.addEllipse(picture);
    else
        outline.addRect(picture);
    painter.setClipPath(outline);
    QImage magnified = Magnified(patch, look.zoom);
    magnified.setDevicePixelRatio(look.devicePixelRatio);
    painter.drawImage(picture.topLeft(), magnified);
    painter.setClipping(false);

    // The outlined square, over the grid: the centre pixel, or the averaged area.
    const Color centre = RGB(qRed(patch.pixel(size / 2, size / 2)), qGreen(patch.pixel(size / 2, size / 2)),
        qBlue(patch.pixel(size / 2, size / 2)));
    const int square = std::max(1, look.averageSize);
    const qreal first = (size / 2 - square / 2) * cell;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ContrastingPen(centre), 0));
    painter.drawRect(QRectF(picture.topLeft() + QPointF(first, first), QSizeF(square * cell, square * cell)));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPath(outline);

    PaintReadouts(painter, BlockRect(topLeft, size, look), picked, look, readout);
    painter.restore();
}

} // namespace pelmora
