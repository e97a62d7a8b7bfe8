#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window frame of size `frame` goes on a screen whose free area is
// `available`: centred, but never with its top-left corner outside that area,
// so that the title bar stays reachable when the frame is larger than the area.
QPoint centredFramePosition(const QRect &available, const QSize &frame);
