#include "window/placement/ScreenFit.h"

#include <algorithm>

QRect devicePixelSafeArea(const QRect &available, qreal ratio)
{
    return ratio == 1 ? available : available.marginsRemoved(QMargins(1, 1, 1, 1));
}

QPoint centredFramePosition(const QRect &area, const QSize &frame)
{
    return area.topLeft()
        + QPoint(std::max(0, (area.width() - frame.width()) / 2), std::max(0, (area.height() - frame.height()) / 2));
}

QPoint framePositionInside(const QRect &area, const QRect &frame)
{
    const auto inside = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return QPoint(inside(frame.x(), frame.width(), area.x(), area.width()),
                  inside(frame.y(), frame.height(), area.y(), area.height()));
}

ClientLimits fittedClientLimits(const QRect &area, const QMargins &frame, const QSize &full, const QSize &least,
                                int scrollBar)
{
    const QSize room = area.size().shrunkBy(frame);
    if (full.boundedTo(room) == full)
        return {full, full};
    QSize wanted = full;
    if (room.height() < full.height())
        wanted.rwidth() += scrollBar;
    if (room.width() < full.width())
        wanted.rheight() += scrollBar;
    return {least, wanted.boundedTo(room).expandedTo(least)};
}
