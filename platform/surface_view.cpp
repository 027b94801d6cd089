#include "platform/surface_view.h"

#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace pelmora {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent)
    : QWidget(parent)
    , surface_(surface)
{
    setObjectName(QStringLiteral("SurfaceView"));
    // Every pixel is painted from the surface, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button reach the handlers too, as the picker's mouse handlers expect.
    setMouseTracking(true);
    surface_.setRefreshListener([this] { update(); });
    fitToScale();
}

SurfaceView::~SurfaceView()
{
    surface_.setRefreshListener(nullptr);
}

int SurfaceView::WholeScale(qreal devicePixelRatio)
{
    return std::max(1, static_cast<int>(std::floor(devicePixelRatio)));
}

QPointF SurfaceView::ToSurface(QPointF logical, qreal devicePixelRatio)
{
    return logical * (devicePixelRatio / WholeScale(devicePixelRatio));
}

QSizeF SurfaceView::LogicalSize(QSize pixels, qreal devicePixelRatio)
{
    return QSizeF(pixels) * (WholeScale(devicePixelRatio) / devicePixelRatio);
}

QSize SurfaceView::sizeHint() const
{
    return LogicalSize(QSize(surface_.width(), surface_.height()), devicePixelRatioF()).toSize();
}

void SurfaceView::fitToScale()
{
    resize(sizeHint());
}

void SurfaceView::changeEvent(QEvent* event)
{
    // Moving to a screen of another pixel ratio changes the logical size the surface needs.
    if (event->type() == QEvent::ScreenChangeInternal)
        fitToScale();
    QWidget::changeEvent(event);
}

void SurfaceView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    // Wraps the surface's pixels (no copy); the image's own ratio makes Qt put each surface pixel on
    // exactly WholeScale x WholeScale device pixels.
    QImage image(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(), surface_.height(),
                 surface_.width() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio / WholeScale(ratio));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(QPointF(0, 0), image);
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = ToSurface(event->position(), devicePixelRatioF());
    emit surfaceMousePressed(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = ToSurface(event->position(), devicePixelRatioF());
    emit surfaceMouseMoved(at.x(), at.y(), event->buttons(), event->modifiers());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = ToSurface(event->position(), devicePixelRatioF());
    emit surfaceMouseReleased(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
}

} // namespace pelmora
