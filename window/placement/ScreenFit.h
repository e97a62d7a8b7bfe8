#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window frame goes within a screen's free area, and how large its
// client area may be there. Every rectangle is in device-independent pixels.

// The part of the free area `available` that lies on whole device pixels of
// it, whatever Qt rounds: at a `ratio` other than 1 it rounds the area, the
// window's place, its size and the frame each by up to half a device pixel,
// which one pixel kept free along every side absorbs.
QRect devicePixelSafeArea(const QRect &available, qreal ratio);

// Centred in `area`, but with the top-left corner never outside it, so that
// the title bar stays reachable when the frame is larger than the area.
QPoint centredFramePosition(const QRect &area, const QSize &frame);

// Moved as little as brings `frame` inside `area`; the top-left corner wins
// where it is larger.
QPoint framePositionInside(const QRect &area, const QRect &frame);

// The sizes a client area may take inside the window manager's `frame`:
// exactly `full` where it fits, otherwise from `least` up to as much as fits.
// A side cut short brings a scroll bar `scrollBar` wide along the other side,
// which gets that much more room where the area has it.
struct ClientLimits {
    QSize smallest;
    QSize largest;
    bool operator==(const ClientLimits &other) const
    {
        return smallest == other.smallest && largest == other.largest;
    }
};
ClientLimits fittedClientLimits(const QRect &area, const QMargins &frame, const QSize &full, const QSize &least,
                                int scrollBar);
