#include "platform/surface_view.h"

#include <QImage>
#include <QKeyEvent>
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
    // Reached by Tab, where the arrow keys work it; a click on the picture leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
    surface_.setRefreshListener([this] { update(); });
    resize(sizeHint());
}

SurfaceView::~SurfaceView() { surface_.setRefreshListener(nullptr); }

QSize SurfaceView::sizeHint() const { return QSize(surface_.width(), surface_.height()); }

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

namespace {

// A device position computed back from a logical one can land a hair below the whole number it
// came from (202 / 1.5 * 1.5 = 201.99999...).
constexpr double kSlack = 1e-3;

// The surface pixel that screen pixel `device` shows: the one under its top-left corner.
double ShownPixel(double logical, qreal ratio)
{
    const double device = std::floor(logical * ratio + kSlack);
    return std::floor((device + kSlack) / ratio);
}

} // namespace

void SurfaceView::takeMouseFrom(QWidget* overlapping, const QRect& area)
{
    overlapping_.append({overlapping, area});
    overlapping->installEventFilter(this);
}

QPointF SurfaceView::surfacePixelAt(const QWidget* receiver, const QMouseEvent* event) const
{
    // A widget is handed the pointer rounded to whole logical pixels; the position in its window
    // keeps the fraction that tells the screen pixel. An event that came from no window (its window
    // position is its own) keeps the position it has.
    const QPoint receiverOrigin = receiver->mapTo(receiver->window(), QPoint(0, 0));
    const QPointF inWindow = event->scenePosition() - QPointF(receiverOrigin);
    const QPointF exact = (inWindow - event->position()).manhattanLength() < 1.0 ? inWindow : event->position();
    const QPointF inView = exact + QPointF(receiverOrigin - mapTo(window(), QPoint(0, 0)));
    const qreal ratio = devicePixelRatioF();
    return {ShownPixel(inView.x(), ratio), ShownPixel(inView.y(), ratio)};
}

void SurfaceView::report(const QWidget* receiver, const QMouseEvent* event)
{
    const QPointF at = surfacePixelAt(receiver, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit surfaceMousePressed(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
        break;
    case QEvent::MouseMove:
        emit surfaceMouseMoved(at.x(), at.y(), event->buttons(), event->modifiers());
        break;
    case QEvent::MouseButtonRelease:
        emit surfaceMouseReleased(at.x(), at.y(), event->button(), event->buttons(), event->modifiers());
        break;
    default:
        break;
    }
}

void SurfaceView::mousePressEvent(QMouseEvent* event) { report(this, event); }

void SurfaceView::mouseMoveEvent(QMouseEvent* event) { report(this, event); }

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) { report(this, event); }

void SurfaceView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        emit surfaceArrowPressed(-1, 0);
        break;
    case Qt::Key_Right:
        emit surfaceArrowPressed(1, 0);
        break;
    case Qt::Key_Up:
        emit surfaceArrowPressed(0, -1);
        break;
    case Qt::Key_Down:
        emit surfaceArrowPressed(0, 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool SurfaceView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    for (const auto& [widget, area] : overlapping_) {
        if (widget != watched)
            continue;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            if (draggingFrom_ != widget && !area.contains(surfacePixelAt(widget, mouse).toPoint()))
                return false;
            draggingFrom_ = widget;
        } else if (draggingFrom_ != widget) {
            return false;
        }
        report(widget, mouse);
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            draggingFrom_ = nullptr;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora
