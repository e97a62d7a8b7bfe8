#include "window/placement/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWidget>
#include <QWindow>

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

// The margins an X11 window manager will put around `window`, asked for
// before the window is mapped. Zero where there is no X11 window manager that
// answers such a request.
QMargins announcedFrameMargins(QWidget &window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return {};
    xcb_connection_t *connection = x11->connection();
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
        const QMargins margins =
            frameExtentsMargins(cardinals(connection, id, extents, XCB_ATOM_CARDINAL), window.devicePixelRatioF());
        if (!margins.isNull())
            return margins;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

} // namespace

QPoint centredFramePosition(const QRect &available, const QSize &frame)
{
    return available.topLeft()
        + QPoint(std::max(0, (available.width() - frame.width()) / 2),
                 std::max(0, (available.height() - frame.height()) / 2));
}

QSize fittedClientSize(const QRect &available, const QMargins &frame, const QSize &full, const QSize &least,
                       int scrollBar)
{
    const QSize room = available.size().shrunkBy(frame);
    QSize wanted = full;
    if (room.height() < full.height())
        wanted.rwidth() += scrollBar;
    if (room.width() < full.width())
        wanted.rheight() += scrollBar;
    return wanted.boundedTo(room).expandedTo(least);
}

QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio)
{
    if (extents.size() != 4 || devicePixelRatio <= 0)
        return {};
    // Rounded up: a window fitted inside them at a fractional scale must not
    // reach a device pixel past the screen.
    const auto scaled = [devicePixelRatio](std::uint32_t value) { return int(std::ceil(value / devicePixelRatio)); };
    return QMargins(scaled(extents[0]), scaled(extents[2]), scaled(extents[1]), scaled(extents[3]));
}

WindowPlacement::WindowPlacement(QWidget &window) : QObject(&window), window_(window), full_(window.maximumSize())
{
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    centre({}); // no frame yet
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_)
        return false;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        // The native window exists from now on.
        connect(window_.windowHandle(), &QWindow::screenChanged, this, &WindowPlacement::screenChanged,
                Qt::UniqueConnection);
        if (!areaWatch_)
            watchArea(window_.screen());
        if (frameCentred_)
            return false;
        // Still unmapped: placed now, the frame appears centred at once. The
        // screen may have changed since the window was made. Fitted inside
        // the frame, the window may turn resizable or fixed, and its frame
        // with it (openbox adds a grip along the bottom): then it is asked
        // for again.
        const auto fixed = [this] { return window_.minimumSize() == window_.maximumSize(); };
        const bool wasFixed = fixed();
        QMargins frame = announcedFrameMargins(window_);
        centre(frame);
        if (!frame.isNull() && fixed() != wasFixed) {
            frame = announcedFrameMargins(window_);
            centre(frame);
        }
        frameCentred_ = !frame.isNull();
    } else if (event->type() == QEvent::Move && !frameCentred_) {
        // Where the window manager did not announce its frame, it shows it
        // only once it has framed the window: centre that frame then.
        const QRect outer = window_.frameGeometry();
        const QRect inner = window_.geometry();
        if (outer != inner) {
            frameCentred_ = true;
            centre(QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom()));
        }
    }
    return false;
}

void WindowPlacement::screenChanged(QScreen *screen)
{
    watchArea(screen);
    fit();
}

void WindowPlacement::watchArea(QScreen *screen)
{
    disconnect(areaWatch_);
    if (screen)
        areaWatch_ = connect(screen, &QScreen::availableGeometryChanged, this, &WindowPlacement::fit);
}

void WindowPlacement::fit()
{
    const QScreen *screen = window_.screen();
    if (!screen)
        return;
    const QSize least = window_.minimumSizeHint();
    const int scrollBar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
    const QSize size = fittedClientSize(screen->availableGeometry(), frame_, full_, least, scrollBar);
    window_.setMinimumSize(size == full_ ? full_ : least);
    window_.setMaximumSize(size);
    window_.resize(size);
}

void WindowPlacement::centre(const QMargins &frame)
{
    frame_ = frame;
    fit();
    const QScreen *screen = window_.screen();
    if (!screen)
        return;
    const QPoint corner = centredFramePosition(screen->availableGeometry(), window_.size().grownBy(frame));
    if (frame.isNull()) {
        // The frame's corner: an X11 window manager keeps it there and puts
        // the client area below and right of it, a move that the filter sees.
        window_.move(corner);
    } else {
        // The client area, with the frame known: nothing is left for Qt or
        // the window manager to work out.
        window_.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window_.size()));
    }
}
