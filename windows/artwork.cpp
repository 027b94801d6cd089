#include "windows/artwork.h"

#include "picker/field_pictures.h"
#include "picker/geometry.h"
#include "picker/surface.h"
#include "platform/window_font.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstring>

namespace pelmora {

namespace {

constexpr int kFieldSide = FieldRight - FieldLeft + 1;

// The field as the picker puts it (mirrored), made afresh rather than from the picker's shared copy:
// the splash is drawn once, and the main window starts in Hue mode, so keeping that copy alive from
// start-up would hold a quarter of a megabyte no one may need.
QImage BrightnessFieldImage()
{
    Surface field(kFieldSide, kFieldSide);
    field.PutPicture(MakeFieldBriPicture(), 0, 0, Mirror::LeftRight);
    QImage image(kFieldSide, kFieldSide, QImage::Format_RGB32);
    for (int y = 0; y < kFieldSide; ++y)
        std::memcpy(image.scanLine(y), field.pixels() + static_cast<std::size_t>(y) * kFieldSide,
            kFieldSide * sizeof(std::uint32_t));
    return image;
}

QFont ArtworkFont(int pixelSize, QFont::Weight weight)
{
    QFont font = WindowFont(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Text with a soft dark halo under it, readable on any colour of the field. The halo is the faint
// text laid down at 24 offsets: it is drawn once into a layer that is then stamped, because laying
// out and rasterising the text 24 times costs far more than blending a small picture.
void DrawShadowedText(QPainter& painter, QRect box, int flags, const QString& text, const QColor& color)
{
    const QRect inked = painter.boundingRect(box, flags, text).united(box);
    QImage halo(inked.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    {
        QPainter layer(&halo);
        layer.setRenderHints(painter.renderHints());
        layer.setFont(painter.font());
        layer.setPen(QColor(0, 0, 0, 46));
        layer.drawText(box.translated(-inked.topLeft()), flags, text);
    }
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -1; dy <= 3; ++dy)
            if (dx != 0 || dy != 0)
                painter.drawImage(inked.topLeft() + QPoint(dx, dy), halo);
    painter.setPen(color);
    painter.drawText(box, flags, text);
}

} // namespace

QImage MakeSplashArtwork(QSize size, const SplashTexts& texts)
{
    QImage art = BrightnessFieldImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    art = art.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect whole = art.rect();

    // Night falls from the middle down, so the name sits on deep colour and the small texts on dark.
    QLinearGradient dusk(0, 0, 0, size.height());
    dusk.setColorAt(0.0, QColor(0, 0, 0, 0));
    dusk.setColorAt(0.35, QColor(10, 12, 24, 40));
    dusk.setColorAt(1.0, QColor(10, 12, 24, 225));
    painter.fillRect(whole, dusk);
    QRadialGradient vignette(whole.center(), size.width() * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.fillRect(whole, vignette);

    const int margin = 28;
    painter.setFont(ArtworkFont(64, QFont::Bold));
    const QRect nameBox(margin, size.height() / 2 - 30, size.width() - 2 * margin, 76);
    DrawShadowedText(painter, nameBox, Qt::AlignLeft | Qt::AlignVCenter, texts.programName, Qt::white);

    painter.setFont(ArtworkFont(15, QFont::Normal));
    const QRect taglineBox(margin + 3, nameBox.bottom() + 2, size.width() - 2 * margin, 22);
    DrawShadowedText(painter, taglineBox, Qt::AlignLeft | Qt::AlignVCenter, texts.tagline, QColor(235, 238, 245));

    // A hairline above the footer, fading out on both sides.
    const int footerTop = size.height() - 44;
    QLinearGradient rule(margin, 0, size.width() - margin, 0);
    rule.setColorAt(0.0, QColor(255, 255, 255, 150));
    rule.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(margin, footerTop, size.width() - 2 * margin, 1), rule);

    painter.setFont(ArtworkFont(13, QFont::Bold));
    const QRect footer(margin + 2, footerTop + 8, size.width() - 2 * margin - 2, 22);
    DrawShadowedText(painter, footer, Qt::AlignLeft | Qt::AlignVCenter, texts.owner, Qt::white);
    DrawShadowedText(painter, footer, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Version ") + texts.version,
        QColor(220, 225, 235));

    // A thin dark frame: the splash has no border of its own to stand out from the desktop.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(20, 22, 34));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
    return art;
}

QImage MakeAboutBanner(QSize size)
{
    QImage strip(kFieldSide, 1, QImage::Format_RGB32);
    auto* row = reinterpret_cast<QRgb*>(strip.scanLine(0));
    for (int k = 0; k < kFieldSide; ++k) {
        // Strip row 0 is red at the top; reversed here so the banner runs red, yellow, green... left to right.
        const Color color = HueStripColor(kFieldSide - 1 - k);
        row[k] = qRgb(color.red(), color.green(), color.blue());
    }
    QImage banner = strip.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&banner);

    QLinearGradient shade(0, 0, size.width(), 0);
    shade.setColorAt(0.0, QColor(12, 14, 28, 215));
    shade.setColorAt(0.55, QColor(12, 14, 28, 150));
    shade.setColorAt(1.0, QColor(12, 14, 28, 40));
    painter.fillRect(banner.rect(), shade);

    QLinearGradient depth(0, 0, 0, size.height());
    depth.setColorAt(0.0, QColor(255, 255, 255, 50));
    depth.setColorAt(0.08, QColor(255, 255, 255, 0));
    depth.setColorAt(0.75, QColor(0, 0, 0, 0));
    depth.setColorAt(1.0, QColor(0, 0, 0, 80));
    painter.fillRect(banner.rect(), depth);
    return banner;
}

} // namespace pelmora
