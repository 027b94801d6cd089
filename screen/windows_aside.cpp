#include "screen/windows_aside.h"

#include "screen/x11_pointer.h"

#include <QApplication>
#include <QWindow>

namespace pelmora {

void WindowsAside::hideAll()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        // The server knows where the window is, in device pixels; Qt's logical position may be a
        // rounded one, or one it asked for and the manager did not take.
        hidden_.push_back({window, window->geometry().topLeft(), X11WindowOrigin(window->winId())});
        window->hide();
    }
}

void WindowsAside::bringBack()
{
    for (const Hidden& entry : hidden_) {
        if (!entry.window)
            continue;
        // A position set before showing is one the program asked for: the manager keeps it. (On the
        // widget, the same position as before would be no change, and ask for nothing.)
        QWindow* handle = entry.window->windowHandle();
        if (handle)
            handle->setPosition(
                entry.devicePosition ? *entry.devicePosition / handle->devicePixelRatio() : entry.position);
        entry.window->show();
        if (handle && entry.devicePosition)
            MoveX11Window(handle->winId(), *entry.devicePosition);
    }
    hidden_.clear();
}

} // namespace pelmora
