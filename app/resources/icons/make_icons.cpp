// Draws Pelmora's window icon at every size it ships in and writes pelmora-<size>.png beside it.
// Each size is drawn on its own pixel grid (not scaled down from the largest) so the ring edges,
// the outline and the picker mark stay crisp at 16 px.
//
// Run from the build tree: cmake --build <build> --target pelmora_make_icons && <build>/platform/pelmora_make_icons
// app/resources/icons

#include <QColor>
#include <QConicalGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128};
constexpr double kPickedHue = 200.0; // where the picker mark sits on the ring (degrees)

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double s = size;
    const QPointF centre(s / 2.0, s / 2.0);
    const double edge = size <= 16 ? 1.0 : s / 32.0; // outline width, one pixel at the smallest size
    const double outer = s / 2.0 - edge / 2.0;
    const double inner = s * (size <= 16 ? 0.25 : 0.26);
    const double disc = inner - (size <= 16 ? 1.0 : s / 24.0);

    // Hue ring: red at the top, running clockwise like a compass.
    QConicalGradient hues(centre, 90.0);
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        hues.setColorAt(t, QColor::fromHsvF(std::fmod(1.0 - t, 1.0), 1.0, 1.0));
    }
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    ring.addEllipse(centre, inner, inner);
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawPath(ring);

    const QColor outline(32, 36, 44, 220);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, edge));
    p.drawEllipse(centre, outer, outer);
    if (size > 16)
        p.drawEllipse(centre, inner, inner);

    // The picked colour in the middle, with a soft highlight so it reads as a swatch, not a hole.
    const QColor picked = QColor::fromHsvF(kPickedHue / 360.0, 0.85, 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(picked);
    p.drawEllipse(centre, disc, disc);
    if (size >= 32) {
        QRadialGradient shine(centre - QPointF(disc * 0.35, disc * 0.35), disc * 1.1);
        shine.setColorAt(0.0, QColor(255, 255, 255, 90));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(shine);
        p.drawEllipse(centre, disc, disc);
    }

    // The picker mark: a white ring with a dark rim on the hue ring at the picked hue.
    const double angle = qDegreesToRadians(90.0 - kPickedHue); // clockwise from the top
    const double mid = (outer + inner) / 2.0;
    const QPointF mark(centre.x() + mid * std::cos(angle), centre.y() - mid * std::sin(angle));
    const double markRadius = size <= 16 ? 2.0 : (outer - inner) * 0.40;
    const double markPen = size <= 16 ? 1.0 : s / 24.0;
    p.setBrush(QColor::fromHsvF(kPickedHue / 360.0, 1.0, 1.0));
    p.setPen(QPen(outline, markPen + (size <= 16 ? 0.0 : 2.0 * edge)));
    p.drawEllipse(mark, markRadius, markRadius);
    if (size > 16) {
        p.setPen(QPen(Qt::white, markPen));
        p.drawEllipse(mark, markRadius, markRadius);
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int size : kSizes) {
        const QString path = QStringLiteral("%1/pelmora-%2.png").arg(folder).arg(size);
        if (!drawIcon(size).convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
