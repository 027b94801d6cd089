#include "mainwindow/swatch.h"

#include "color/shown_color.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace pelmora {

Swatch::Swatch(const QString& objectName, const SystemColors& systemColors, QWidget* parent)
    : QFrame(parent)
    , systemColors_(systemColors)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

Color Swatch::shownColor() const { return ShownColor(color_, systemColors_); }

void Swatch::setColor(Color color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
    // Assistive technology names a swatch by its colour.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Swatch::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const Color shown = shownColor();
        painter.fillRect(contentsRect(), QColor(shown.red(), shown.green(), shown.blue()));
    }
    QFrame::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void Swatch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
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
