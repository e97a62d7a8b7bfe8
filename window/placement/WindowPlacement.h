#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class QWidget;

// Where a window frame of size `frame` goes on a screen whose free area is
// `available`: centred, but never with its top-left corner outside that area,
// so that the title bar stays reachable when the frame is larger than the area.
QPoint centredFramePosition(const QRect &available, const QSize &frame);

// The frame margins that an X11 window manager announces in
// _NET_FRAME_EXTENTS (left, right, top, bottom, in device pixels), in
// device-independent pixels; zero unless there are exactly four values.
QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio);

// Puts a top-level window centred on its screen's free area, title bar and
// frame included, once: before it is first shown where the window manager
// tells its frame in advance, otherwise as soon as the frame appears. Later
// moves are the user's and are left alone.
class WindowPlacement : public QObject {
public:
    // Places `window` (its client area, for now) and watches it; owned by it.
    explicit WindowPlacement(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre(const QMargins &frame);

    QWidget &window_;
    bool frameCentred_ = false;
};
