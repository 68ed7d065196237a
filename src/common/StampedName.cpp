// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "StampedName.h"

namespace StampedName {

namespace {
    const QString Format = QStringLiteral("dd.MM.yyyy hh mm ss");
}

QString fileName(const QDateTime& time, const QString& extension)
{
    return time.toString(Format) + QLatin1Char('.') + extension;
}

QDateTime timeOf(const QString& baseName)
{
    return QDateTime::fromString(baseName, Format);
}

} // namespace StampedName
