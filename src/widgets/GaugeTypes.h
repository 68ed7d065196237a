// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's enumerations, published by name for the dashboard profiles.
#pragma once

#include <QObject>

namespace Gauge {
Q_NAMESPACE

// fgpTop: the scale runs over the top of the circle; fgpBottom: along the lower arc.
enum TGaugePosition { fgpTop, fgpBottom };
Q_ENUM_NS(TGaugePosition)

// fgdCounterclockwise mirrors the needles and tick numbers.
enum TGaugeDirection { fgdClockwise, fgdCounterclockwise };
Q_ENUM_NS(TGaugeDirection)

// Stored for the profiles; every arrow is drawn the same way whatever its mode.
enum TGaugeArrowMode { gamNone, gamNormal, gamMin, gamMax };
Q_ENUM_NS(TGaugeArrowMode)

} // namespace Gauge
