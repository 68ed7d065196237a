// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Registration of the classes that profiles create.
#include "profiles/ProfileClasses.h"

#include "profiles/TFordTrend.h"
#include "profiles/TTrendViewOptions.h"
#include "store/TFordData.h"
#include "widgets/WidgetRegistry.h"

void registerProfileClasses()
{
    registerDashboardWidgets();
    registerWidgetClass<TFordData>(QStringLiteral("TFordData"));
    registerWidgetClass<TFordTrend>(QStringLiteral("TFordTrend"));
    registerWidgetClass<TTrendViewOptions>(QStringLiteral("TTrendViewOptions"));
}
