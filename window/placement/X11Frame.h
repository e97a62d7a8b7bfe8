#pragma once

#include <QMargins>

#include <cstdint>
#include <vector>

class QWidget;

// The frame of an X11 window manager, read as it gives it and rounded up to
// device-independent pixels (Qt rounds to the nearest, which may leave the
// frame a device pixel past the screen). Zero without one that tells it.

// Asked for before the window is mapped, to place it framed at once.
QMargins announcedFrameMargins(QWidget &window);

QMargins currentFrameMargins(QWidget &window);

// _NET_FRAME_EXTENTS's left, right, top, bottom; zero unless there are four.
QMargins frameExtentsMargins(const std::vector<std::uint32_t> &extents, qreal devicePixelRatio);
