// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Where a dashboard laid out in logical units is drawn on its page: scaled to fit with its
// proportions kept and centred, or at its own size (1:1) from the top-left corner.
#pragma once

#include <QRectF>
#include <QSizeF>

namespace DashboardFit {

// The size a profile is laid out for when its widgets say nothing else.
inline constexpr QSizeF DesignSize { 800, 560 };

// The scale that makes content fit area whole; 1 when either is empty.
double fitScale(const QSizeF& content, const QSizeF& area);
// The content's rectangle on the area at that scale, centred.
QRectF fitRect(const QSizeF& content, const QSizeF& area);

} // namespace DashboardFit
