#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// A window frame's place and client size within a screen's free area, in
// device-independent pixels.

// At a ratio other than 1 Qt rounds the area, the window's place, its size
// and the frame to device pixels, each by up to half a pixel: one pixel kept
// free along every side keeps the frame on the area.
QRect devicePixelSafeArea(const QRect &available, qreal ratio);

// Centred, but the top-left corner (the title bar) always inside the area.
QPoint centredFramePosition(const QRect &area, const QSize &frame);

// Moved as little as brings the frame inside; the top-left corner wins.
QPoint framePositionInside(const QRect &area, const QRect &frame);

// Exactly `full` where it fits; otherwise from `least` up to as much as fits,
// with room for the scroll bar that a side cut short brings along the other.
struct ClientLimits {
    QSize smallest;
    QSize largest;
};
ClientLimits fittedClientLimits(const QRect &area, const QMargins &frame, const QSize &full, const QSize &least,
                                int scrollBar);
