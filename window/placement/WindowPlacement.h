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
// where it fits, otherwise as much of it as fits, never less than `least`.
QSize fittedClientSize(const QRect &available, const QMargins &frame, const QSize &full, const QSize &least);

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
// The window's maximum size is its full size. Where that does not fit the
// free area, the window opens as large as fits and may be resized up to it;
// where it fits, the window keeps exactly that size. Either way it offers no
// maximise: it is already as large as it can be. A move to another screen,
// or a change of the screen's free area, fits it again.
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

    QWidget &window_;
    QMargins frame_;
    bool frameCentred_ = false;
    QMetaObject::Connection areaWatch_;
};
