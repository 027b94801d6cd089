#include "platform/text_painter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace pelmora {

namespace {

constexpr int kReadoutPixelSize = 11;

QString readoutFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Verdana", "DejaVu Sans"}) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

QFont ReadoutFont()
{
    QFont font(readoutFamily());
    font.setStyleHint(QFont::SansSerif, QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setPixelSize(kReadoutPixelSize);
    font.setBold(true);
    return font;
}

TextPainter MakeReadoutTextPainter()
{
    const QFont font = ReadoutFont();
    const QFontMetrics metrics(font);
    return [font, ascent = metrics.ascent(), lineHeight = metrics.height()](
               Surface& surface, int x, int y, std::string_view text, Color color) {
        // Painting through an image that shares the surface's pixels: what the painter sets is what
        // ReadPixel returns, with no copy back.
        QImage image(reinterpret_cast<uchar*>(surface.pixels()), surface.width(), surface.height(), surface.width() * 4,
            QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(font);
        const std::uint32_t pixel = Surface::ToPixel(color);
        painter.setPen(QColor::fromRgb(pixel));
        painter.drawText(x, y + ascent, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return lineHeight;
    };
}

} // namespace pelmora
