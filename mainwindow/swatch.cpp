#include "mainwindow/swatch.h"

#include "color/shown_color.h"

#include <QMouseEvent>
#include <QPainter>

namespace pelmora {

Swatch::Swatch(const QString& objectName, const SystemColors& systemColors, QWidget* parent)
    : QFrame(parent), systemColors_(systemColors)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
}

void Swatch::setColor(Color color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void Swatch::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const Color shown = ShownColor(color_, systemColors_);
        painter.fillRect(contentsRect(), QColor(shown.red(), shown.green(), shown.blue()));
    }
    QFrame::paintEvent(event);
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace pelmora
