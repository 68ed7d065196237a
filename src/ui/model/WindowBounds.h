// Saved window bounds against the screens there are now: a laptop without its second
// monitor must not open its window where no screen is.
#pragma once

#include <QList>
#include <QRect>

namespace WindowBounds {

// Bounds whose title strip lies on no screen (it cannot be grabbed) are moved onto the
// screen they overlap most, or onto the primary screen when they overlap none; their size
// is kept. screens are the available geometries; reachable bounds come back unchanged.
QRect fitOnScreens(const QRect& bounds, const QList<QRect>& screens, const QRect& primary);

} // namespace WindowBounds
