#include "window/placement/X11Frame.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a property of `window`; empty when it is not set.
std::vector<std::uint32_t> cardinals(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                     xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

QMargins frameExtentsOf(xcb_connection_t *connection, QWidget &window, xcb_atom_t extents)
{
    return frameExtentsMargins(
        cardinals(connection, static_cast<xcb_window_t>(window.winId()), extents, XCB_ATOM_CARDINAL),
        window.devicePixelRatioF());
}

} // namespace

QMargins announcedFrameMargins(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return {};
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr), &std::free);
    if (!tree)
        return {};
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const auto supported = cardinals(connection, tree->root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.cbegin(), supported.cend(), request) == supported.cend())
        return {};

    // An answer to an earlier request must not pass for this one's.
    xcb_delete_property(connection, id, extents);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // The manager answers within a few milliseconds; a tenth of a second
    // bounds the wait for one that announces the request but never answers.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    do {
        const QMargins margins = frameExtentsOf(connection, window, extents);
        if (!margins.isNull())
            return margins;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

QMargins currentFrameMargins(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    return connection ? frameExtentsOf(connection, window, atom(connection, "_NET_FRAME_EXTENTS")) : QMargins();
}

QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio)
{
    if (extents.size() != 4 || devicePixelRatio <= 0)
        return {};
    const auto scaled = [devicePixelRatio](std::uint32_t value) { return int(std::ceil(value / devicePixelRatio)); };
    return QMargins(scaled(extents[0]), scaled(extents[2]), scaled(extents[1]), scaled(extents[3]));
}
