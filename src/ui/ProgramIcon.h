// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program's icon at every size it ships, for the window's title bar and task bar.
#pragma once

#include <QIcon>

QIcon programIcon();
