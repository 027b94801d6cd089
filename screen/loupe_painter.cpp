#include "screen/loupe_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace pelmora {
namespace {

constexpr int kLoupeDevicePixels = 110; // 11 pixels at the default 10x
constexpr qreal kLabelGap = 4;
constexpr qreal kLabelHeight = 20;
constexpr qreal kLabelWidth = 76;

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
    return {0, 0, std::max(diameter, kLabelWidth), diameter + kLabelGap + kLabelHeight};
}

namespace {

QRectF PictureRect(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    const qreal diameter = LoupeDiameter(patchSize, look);
    const qreal width = LoupeBounds(patchSize, look).width();
    return {topLeft + QPointF((width - diameter) / 2, 0), QSizeF(diameter, diameter)};
}

QRectF LabelRect(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    const qreal width = LoupeBounds(patchSize, look).width();
    const qreal pictureBottom = topLeft.y() + LoupeDiameter(patchSize, look);
    return {topLeft.x() + (width - kLabelWidth) / 2, pictureBottom + kLabelGap, kLabelWidth, kLabelHeight};
}

} // namespace

QRegion LoupeRegion(QPointF topLeft, int patchSize, const LoupeLook& look)
{
    // A pixel more on every side for the outline, which antialiasing spreads over the edge.
    const QRect picture = PictureRect(topLeft, patchSize, look).toAlignedRect().adjusted(-1, -1, 1, 1);
    const QRegion pictureRegion
        = look.shape == LoupeShape::Round ? QRegion(picture, QRegion::Ellipse) : QRegion(picture);
    return pictureRegion.united(LabelRect(topLeft, patchSize, look).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PaintLoupe(QPainter& painter, QPointF topLeft, const QImage& patch, Color picked, const LoupeLook& look)
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
    painter.setClipping(false);

    // The outlined square: the centre pixel, or the averaged area.
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

    // The code of the colour a click would pick, on a swatch of that colour.
    const QRectF label = LabelRect(topLeft, size, look);
    const QColor fill
        = picked == Color::none() ? QColor(Qt::darkGray) : QColor(picked.red(), picked.green(), picked.blue());
    painter.fillRect(label, fill);
    painter.drawRect(label);
    painter.setPen(picked == Color::none() ? QColor(Qt::white) : ContrastingPen(picked));
    painter.drawText(label, Qt::AlignCenter, HtmlCode(picked));
    painter.restore();
}

} // namespace pelmora
