// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Saved window bounds against the screens there are now: a laptop without its second
// monitor must not open its window where no screen is, and a window saved on a large
// monitor must not open larger than the small screen of a car's netbook.
#pragma once

#include <QList>
#include <QRect>

namespace WindowBounds {

// Screens narrower than this start the window with its side panels hidden: the dashboard
// needs their width more than the matrix and the log do.
inline constexpr int PanelsMinScreenWidth = 1280;

// The screen bounds belong to: the one their title strip lies on, else the one they
// overlap most, else primary. screens are the available geometries.
QRect screenOf(const QRect& bounds, const QList<QRect>& screens, const QRect& primary);

// Bounds whose title strip lies on no screen (it cannot be grabbed) are moved onto the
// screen they overlap most, or onto the primary screen when they overlap none. Bounds
// larger than their screen are cut to its size and moved onto it whole. Reachable bounds
// that fit come back unchanged.
QRect fitOnScreens(const QRect& bounds, const QList<QRect>& screens, const QRect& primary);

} // namespace WindowBounds
