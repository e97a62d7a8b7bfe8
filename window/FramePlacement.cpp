#include "window/FramePlacement.h"

#include <algorithm>

QPoint centredFramePosition(const QRect &available, const QSize &frame)
{
    return available.topLeft()
        + QPoint(std::max(0, (available.width() - frame.width()) / 2),
                 std::max(0, (available.height() - frame.height()) / 2));
}
