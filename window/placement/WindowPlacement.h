#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class QScreen;
class QWidget;

// Where a window frame of size `frame` goes on a screen whose free area is
// `available`: centred, but never with its top-left corner outside that area,
// so that the title bar stays reachable when the frame is larger than the area.
QPoint centredFramePosition(const QRect &available, const QSize &frame);

// The client size of a window whose full size is `full`, inside a window
// manager's `frame`, on a screen whose free area is `available`: the full size
// where it fits, otherwise as much of it as fits, never less than `least`. A
// side cut short brings a scroll bar `scrollBar` wide along the other side,
// which gets that much more room where the area has it.
QSize fittedClientSize(const QRect &available, const QMargins &frame, const QSize &full, const QSize &least,
                       int scrollBar);

// The frame margins that an X11 window manager announces in
// _NET_FRAME_EXTENTS (left, right, top, bottom, in device pixels), in
// device-independent pixels rounded up; zero unless there are exactly four
// values.
QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio);

// Puts a top-level window centred on its screen's free area, title bar and
// frame included, once: before it is first shown where the window manager
// tells its frame in advance, otherwise as soon as the frame appears. Later
// moves are the user's and are left alone.
//
// The window's full size is its maximum size when it is made. Where that
// fits the free area, the window keeps exactly that size. Where it does not,
// the window opens as large as fits, and may be made smaller and back up to
// that size. Either way it asks for no maximise: it is already as large as
// it can be. A move to another screen, or a change of the screen's free
// area, fits it again.
class WindowPlacement : public QObject {
public:
    // Places `window` (its client area, for now) and watches it; owned by it.
    explicit WindowPlacement(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre(const QMargins &frame);
    void fit();
    void screenChanged(QScreen *screen);
    // Fits the window again whenever the free area of `screen` changes.
    void watchArea(QScreen *screen);

    QWidget &window_;
    const QSize full_;
    QMargins frame_;
    bool frameCentred_ = false;
    QMetaObject::Connection areaWatch_;
};
