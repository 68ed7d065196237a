// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program's version, from the one place that sets it (the project's version in CMake):
// the window's title, its help page, every program's --version and the package.
#pragma once

#include <QString>

QString programVersion();
// "veskor-cli 0.99": what --version prints for the program named.
QString versionLine(const QString& program);
