// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Registers every class that a dashboard profile may create by name: the dashboard widgets,
// the data store, the trend chart and its view options.
#pragma once

void registerProfileClasses();
