// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/Version.h"

QString programVersion()
{
    return QStringLiteral(VESKOR_VERSION);
}

QString versionLine(const QString& program)
{
    return program + u' ' + programVersion();
}
