#include "platform/window_on_top.h"

#include <QWidget>

namespace pelmora {

void SetWindowOnTop(QWidget* window, bool onTop)
{
    if (!window)
        return;
    QWidget* top = window->window();
    if (top->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing window flags re-creates the native window hidden, so put it back as it was.
    const bool wasVisible = top->isVisible();
    const QRect geometry = top->geometry();
    top->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        top->setGeometry(geometry);
        top->show();
    }
}

} // namespace pelmora
