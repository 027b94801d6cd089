#include "screen/loupe_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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
const QColor kGridXor(0x80, 0x80, 0x80);
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

QFont ReadoutFont(int pixelSize, bool bold = false)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The read-outs' block: as wide as the key hint, its widest fixed line, so that it keeps its size
// (and the window its shape) while the pointer moves. Measured once: plain numbers, nothing that
// would outlive the application.
struct BlockSize {
    qreal width = 0;
    qreal lineHeight = 0;
};

const BlockSize& Block()
{
    static const BlockSize size = [] {
        const QFontMetricsF metrics(ReadoutFont(kReadoutPixelSize));
        return BlockSize{
            std::max(kMinLabelWidth, std::ceil(metrics.horizontalAdvance(LoupeKeyHint())) + 2 * kTextMargin),
            std::ceil(metrics.height())};
    }();
    return size;
}

qreal BlockHeight() { return kSwatchHeight + kTextLines * Block().lineHeight + kBottomMargin; }

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
    return {0, 0, std::max(diameter, Block().width), diameter + kLabelGap + BlockHeight()};
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
    return {topLeft.x() + (width - Block().width) / 2, blockTop, Block().width, BlockHeight()};
}

// One device pixel between neighbouring magnified pixels. Drawn as one path with every crossing
// filled once: a second pass over a crossing would undo the first.
void PaintGrid(QPainter& painter, const QRectF& picture, int size, const LoupeLook& look)
{
    if (look.zoom < kGridMinZoom)
        return;
    const qreal cell = picture.width() / size;
    const qreal line = 1 / look.devicePixelRatio;
    QPainterPath lines;
    lines.setFillRule(Qt::WindingFill);
    for (int k = 1; k < size; ++k) {
        lines.addRect(picture.left() + k * cell, picture.top(), line, picture.height());
        lines.addRect(picture.left(), picture.top() + k * cell, picture.width(), line);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillPath(lines, kGridXor);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PaintReadouts(
    QPainter& painter, const QRectF& block, Color picked, const LoupeLook& look, const LoupeReadout& readout)
{
    painter.fillRect(block, kPanel);
    // The code of the colour a click would pick, on a swatch of that colour.
    const QRectF swatch(block.topLeft(), QSizeF(block.width(), kSwatchHeight));
    const bool offScreen = picked == Color::none();
    painter.fillRect(swatch, offScreen ? QColor(Qt::darkGray) : QColor(picked.red(), picked.green(), picked.blue()));
    painter.setPen(offScreen ? QColor(Qt::white) : ContrastingPen(picked));
    painter.setFont(ReadoutFont(kSwatchPixelSize, true));
    painter.drawText(swatch, Qt::AlignCenter, HtmlCode(picked));

    const QFont font = ReadoutFont(kReadoutPixelSize);
    painter.setFont(font);
    const qreal lineHeight = Block().lineHeight;
    const qreal textWidth = block.width() - 2 * kTextMargin;
    auto line = [&](int index) {
        return QRectF(block.left() + kTextMargin, swatch.bottom() + index * lineHeight, textWidth, lineHeight);
    };
    painter.setPen(kReadoutText);
    painter.drawText(line(0), Qt::AlignCenter, LoupePositionText(readout.position, look.zoom));
    // A template can write more than fits: its end gives way.
    painter.drawText(line(1), Qt::AlignCenter, QFontMetricsF(font).elidedText(readout.code, Qt::ElideRight, textWidth));
    painter.setPen(kHintText);
    painter.drawText(line(2), Qt::AlignCenter, LoupeKeyHint());

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
    painter.fillPath(outline, Qt::darkGray); // shows through where the patch is off the screen
    painter.setClipPath(outline);
    painter.drawImage(picture, patch);
    PaintGrid(painter, picture, size, look);
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
