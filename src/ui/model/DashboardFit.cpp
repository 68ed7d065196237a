// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "DashboardFit.h"

#include <algorithm>

namespace DashboardFit {

double fitScale(const QSizeF& content, const QSizeF& area)
{
    if (content.isEmpty() || area.isEmpty())
        return 1.0;
    return std::min(area.width() / content.width(), area.height() / content.height());
}

QRectF fitRect(const QSizeF& content, const QSizeF& area)
{
    const QSizeF size = content * fitScale(content, area);
    return QRectF(
        QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

} // namespace DashboardFit
