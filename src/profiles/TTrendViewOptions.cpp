// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's view options.
#include "profiles/TTrendViewOptions.h"

TTrendViewOptions::TTrendViewOptions(QObject* parent)
    : QObject(parent)
{
}
