#include "window/placement/WindowPlacement.h"

#include "window/placement/ScreenFit.h"
#include "window/placement/X11Frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates fillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// A Wayland compositor places windows itself, and tells them nothing of the
// panels on its outputs.
bool platformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

QRect safeArea(const QScreen &screen)
{
    return devicePixelSafeArea(screen.availableGeometry(), screen.devicePixelRatio());
}

} // namespace

WindowPlacement::WindowPlacement(QWidget &window) : QObject(&window), window_(window), full_(window.maximumSize())
{
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    // A window manager moves a window in many steps (a drag, a monitor going
    // away): it is brought inside once they have stopped.
    keepInsideTimer_.setSingleShot(true);
    keepInsideTimer_.setInterval(250);
    connect(&keepInsideTimer_, &QTimer::timeout, this, &WindowPlacement::keepInside);
    place({}); // no frame yet
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !event->spontaneous())
            shown();
        else if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            framed();
    } else if (event->type() == QEvent::WindowStateChange) {
        stateReported(); // by the platform, on the native window
    }
    return false;
}

void WindowPlacement::shown()
{
    // The native window exists from now on.
    QWindow *handle = window_.windowHandle();
    handle->installEventFilter(this);
    connect(handle, &QWindow::screenChanged, this, &WindowPlacement::screenChanged, Qt::UniqueConnection);
    if (!areaWatch_)
        watchArea(window_.screen());
    if (placed_)
        return;
    // Still unmapped: placed now, the frame appears centred at once. The
    // screen may have changed since the window was made. Fitted inside the
    // frame, the window may turn resizable or fixed, and its frame with it
    // (openbox adds a grip along the bottom): then it is asked for again.
    const bool wasWhole = whole_;
    place(announcedFrameMargins(window_));
    if (!frame_.isNull() && whole_ != wasWhole)
        place(announcedFrameMargins(window_));
    placed_ = !frame_.isNull();
}

void WindowPlacement::framed()
{
    if (keepInsideTimer_.isActive())
        keepInsideTimer_.start();
    const QRect outer = window_.frameGeometry();
    const QRect inner = window_.geometry();
    const QMargins reported(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
    if (reported == reportedFrame_)
        return;
    reportedFrame_ = reported;
    // Qt rounds an X11 frame to the nearest pixel; read exactly, it is rounded up.
    const QMargins exact = currentFrameMargins(window_);
    const QMargins frame = exact.isNull() ? reported : exact;
    if (frame.isNull() || frame == frame_)
        return;
    if (placed_) {
        frame_ = frame;
        refit();
    } else {
        // Where the window manager did not announce its frame, it shows it
        // only once it has framed the window: the window is placed then.
        placed_ = true;
        place(frame);
    }
}

void WindowPlacement::place(const QMargins &frame)
{
    frame_ = frame;
    fit();
    if (!whole_ && !platformPlacesWindows())
        maximise();
    else if (const QScreen *screen = window_.screen())
        moveFrameTo(centredFramePosition(safeArea(*screen), window_.size().grownBy(frame_)));
}

void WindowPlacement::refit()
{
    fit();
    if (platformPlacesWindows())
        keepInsideTimer_.start();
    else if (!whole_)
        maximise();
}

void WindowPlacement::keepInside()
{
    const QScreen *screen = window_.screen();
    if (screen && !(window_.windowState() & fillingStates))
        moveFrameTo(framePositionInside(safeArea(*screen), window_.geometry().marginsAdded(frame_)));
}

void WindowPlacement::screenChanged(QScreen *screen)
{
    watchArea(screen);
    refit();
}

void WindowPlacement::watchArea(QScreen *screen)
{
    disconnect(areaWatch_);
    if (screen)
        areaWatch_ = connect(screen, &QScreen::availableGeometryChanged, this, &WindowPlacement::refit);
}

void WindowPlacement::fit()
{
    const QScreen *screen = window_.screen();
    const QWindow *handle = window_.windowHandle();
    // Maximised, the window has the size that the system gives it.
    if (!screen || (handle && (handle->windowStates() & fillingStates)))
        return;
    const int scrollBar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
    const QSize least = window_.minimumSizeHint();
    const ClientLimits limits = fittedClientLimits(safeArea(*screen), frame_, full_, least, scrollBar);
    whole_ = limits.smallest == full_;
    // A Wayland compositor may maximise or tile a window without asking, and
    // ends the program whose window then keeps a size of its own.
    const ClientLimits allowed =
        platformPlacesWindows() ? limits : ClientLimits{least, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)};
    const QSize size = window_.size();
    const bool withinLimits = size == size.expandedTo(allowed.smallest).boundedTo(allowed.largest);
    window_.setMinimumSize(allowed.smallest);
    window_.setMaximumSize(allowed.largest);
    // Once shown, the size is the window manager's (a tiling one refuses any
    // other, and Qt then takes the refusal for the size it asked for) and
    // the user's: kept where the limits allow it.
    if (!withinLimits || !handle || !handle->isVisible())
        window_.resize(limits.largest);
}

void WindowPlacement::moveFrameTo(const QPoint &corner)
{
    if (frame_.isNull()) {
        // The frame's corner: an X11 window manager keeps it there and puts
        // the client area below and right of it.
        window_.move(corner);
    } else {
        // The client area, with the frame known: nothing is left for Qt or
        // the window manager to work out.
        window_.setGeometry(QRect(corner + QPoint(frame_.left(), frame_.top()), window_.size()));
    }
}

void WindowPlacement::maximise()
{
    window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

void WindowPlacement::stateReported()
{
    QWindow *handle = window_.windowHandle();
    const Qt::WindowStates states = handle->windowStates();
    // A Wayland compositor would not hear of a refusal made before the
    // maximised window has been drawn, and keeps it maximised.
    if (platformPlacesWindows() && ((states & Qt::WindowFullScreen) || ((states & Qt::WindowMaximized) && whole_)))
        handle->setWindowStates(states & ~fillingStates);
    else if (!(states & fillingStates))
        fit();
}
