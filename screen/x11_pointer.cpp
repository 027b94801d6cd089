#include "screen/x11_pointer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace pelmora {
namespace {

xcb_connection_t* Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The root windows in the order of their screen numbers.
std::vector<xcb_window_t> Roots(xcb_connection_t* connection)
{
    std::vector<xcb_window_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0; xcb_screen_next(&it))
        roots.push_back(it.data->root);
    return roots;
}

std::optional<xcb_window_t> RootOf(xcb_connection_t* connection, int screenNumber)
{
    const std::vector<xcb_window_t> roots = Roots(connection);
    if (screenNumber < 0 || screenNumber >= int(roots.size()))
        return std::nullopt;
    return roots[std::size_t(screenNumber)];
}

std::optional<int> ScreenNumberOfRoot(xcb_connection_t* connection, xcb_window_t root)
{
    const std::vector<xcb_window_t> roots = Roots(connection);
    for (std::size_t i = 0; i < roots.size(); ++i)
        if (roots[i] == root)
            return int(i);
    return std::nullopt;
}

} // namespace

std::optional<X11Pointer> X11PointerPosition()
{
    xcb_connection_t* connection = Connection();
    const auto anyRoot = connection ? RootOf(connection, 0) : std::nullopt;
    if (!anyRoot)
        return std::nullopt;
    // Asked on any root, the server answers with the root the pointer is on and the position there.
    const ReplyPtr<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, *anyRoot), nullptr));
    if (!reply)
        return std::nullopt;
    const auto screenNumber = ScreenNumberOfRoot(connection, reply->root);
    if (!screenNumber)
        return std::nullopt;
    return X11Pointer{QPoint(reply->root_x, reply->root_y), *screenNumber};
}

bool WarpX11Pointer(QPoint position, int screenNumber)
{
    xcb_connection_t* connection = Connection();
    const auto root = connection ? RootOf(connection, screenNumber) : std::nullopt;
    if (!root)
        return false;
    xcb_warp_pointer(connection, XCB_NONE, *root, 0, 0, 0, 0, static_cast<int16_t>(position.x()),
        static_cast<int16_t>(position.y()));
    xcb_flush(connection);
    return true;
}

std::optional<QRect> X11ScreenRect(int screenNumber)
{
    xcb_connection_t* connection = Connection();
    const auto root = connection ? RootOf(connection, screenNumber) : std::nullopt;
    if (!root)
        return std::nullopt;
    const ReplyPtr<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, *root), nullptr));
    if (!reply)
        return std::nullopt;
    return QRect(0, 0, reply->width, reply->height);
}

int X11ScreenCount()
{
    xcb_connection_t* connection = Connection();
    return connection ? std::max(1, int(Roots(connection).size())) : 1;
}

std::optional<int> X11ScreenNumberOf(QScreen* screen)
{
    xcb_connection_t* connection = Connection();
    if (!connection || !screen)
        return std::nullopt;
    if (Roots(connection).size() == 1)
        return 0;
    // Qt does not say which root a screen belongs to, but it makes a window on that screen a child
    // of that root: make one (never shown) and ask the server for its root.
    QWindow probe;
    probe.setScreen(screen);
    probe.setGeometry(QRect(screen->geometry().topLeft(), QSize(1, 1)));
    probe.create();
    const ReplyPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, xcb_window_t(probe.winId())), nullptr));
    return reply ? ScreenNumberOfRoot(connection, reply->root) : std::nullopt;
}

std::optional<QPoint> X11WindowOrigin(unsigned long window)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return std::nullopt;
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_window_t(window)), nullptr));
    if (!geometry)
        return std::nullopt;
    const ReplyPtr<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, xcb_window_t(window), geometry->root, 0, 0), nullptr));
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

void MoveX11Window(unsigned long window, QPoint origin)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return;
    const uint32_t values[] = {uint32_t(origin.x()), uint32_t(origin.y())};
    xcb_configure_window(connection, xcb_window_t(window), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    xcb_flush(connection);
}

} // namespace pelmora
