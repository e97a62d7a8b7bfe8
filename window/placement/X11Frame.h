#pragma once

#include <QMargins>

#include <cstdint>
#include <vector>

class QWidget;

// The frame an X11 window manager puts around a top-level window, in
// device-independent pixels rounded up, so that a window fitted inside it at
// a fractional scale reaches no device pixel further. Zero without an X11
// window manager that tells it.

// Asked for before the window is mapped (_NET_REQUEST_FRAME_EXTENTS).
QMargins announcedFrameMargins(QWidget &window);

// As the window manager last set it (_NET_FRAME_EXTENTS). Qt rounds the
// margins it reports to the nearest pixel, which may be less.
QMargins currentFrameMargins(QWidget &window);

// _NET_FRAME_EXTENTS's values (left, right, top, bottom, in device pixels);
// zero unless there are exactly four.
QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio);
