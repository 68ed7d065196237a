// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WindowBounds.h"

#include <algorithm>

namespace WindowBounds {

namespace {

    // A window is reachable while this much of its title strip lies on a screen: it can
    // be grabbed there and moved.
    constexpr int TitleHeight = 30;
    constexpr qint64 GrabbableArea = 100 * 20;

    qint64 overlap(const QRect& a, const QRect& b)
    {
        const QRect common = a.intersected(b);
        return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
    }

    // The start of a span of the given length inside [low, low + room): at its saved
    // place when it fits, else where it fits, and at low when it is longer than the room.
    int place(int at, int length, int low, int room)
    {
        if (length >= room)
            return low;
        return std::clamp(at, low, low + room - length);
    }

    bool titleReachable(const QRect& bounds, const QRect& screen)
    {
        const QRect title(bounds.left(), bounds.top(), bounds.width(), TitleHeight);
        return overlap(title, screen) >= GrabbableArea;
    }

} // namespace

QRect screenOf(const QRect& bounds, const QList<QRect>& screens, const QRect& primary)
{
    QRect target = primary;
    qint64 best = 0;
    for (const QRect& screen : screens) {
        if (titleReachable(bounds, screen))
            return screen;
        const qint64 area = overlap(bounds, screen);
        if (area > best) {
            best = area;
            target = screen;
        }
    }
    return target;
}

QRect fitOnScreens(const QRect& bounds, const QList<QRect>& screens, const QRect& primary)
{
    const QRect target = screenOf(bounds, screens, primary);
    if (target.isEmpty())
        return bounds;
    const QSize size = bounds.size().boundedTo(target.size());
    if (size == bounds.size() && titleReachable(bounds, target))
        return bounds;
    return { place(bounds.left(), size.width(), target.left(), target.width()),
        place(bounds.top(), size.height(), target.top(), target.height()), size.width(),
        size.height() };
}

} // namespace WindowBounds
