#include "screen/x11_pointer.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace pelmora {
namespace {

struct X11Connection {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

std::optional<X11Connection> Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    return X11Connection{connection, screen->root};
}

} // namespace

std::optional<QPoint> X11PointerPosition()
{
    const auto x11 = Connection();
    if (!x11)
        return std::nullopt;
    xcb_query_pointer_reply_t* reply
        = xcb_query_pointer_reply(x11->connection, xcb_query_pointer(x11->connection, x11->root), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint position(reply->root_x, reply->root_y);
    std::free(reply);
    return position;
}

bool WarpX11Pointer(QPoint position)
{
    const auto x11 = Connection();
    if (!x11)
        return false;
    xcb_warp_pointer(x11->connection, XCB_NONE, x11->root, 0, 0, 0, 0, static_cast<int16_t>(position.x()),
        static_cast<int16_t>(position.y()));
    xcb_flush(x11->connection);
    return true;
}

} // namespace pelmora
