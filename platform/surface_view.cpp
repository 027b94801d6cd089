#include "platform/surface_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>


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
    resize(sizeHint());
}

SurfaceView::~SurfaceView()
{
    surface_.setRefreshListener(nullptr);
}

QSize SurfaceView::sizeHint() const
{
    return QSize(surface_.width(), surface_.height());
}

void SurfaceView::paintEvent(QPaintEvent*)
{
    // Wraps the surface's pixels (no copy). Nearest-pixel scaling onto the device: each device pixel
    // shows exactly one surface pixel, never a blend of two.
    const QImage image(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(), surface_.height(),
                       surface_.width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(QRectF(0, 0, surface_.width(), surface_.height()), image);
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit surfaceMousePressed(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit surfaceMouseMoved(at.x(), at.y(), event->buttons(), event->modifiers());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit surfaceMouseReleased(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
}

} // namespace pelmora
