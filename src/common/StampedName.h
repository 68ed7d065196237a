// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The names of the files the program makes for a moment (reports, recordings): the local
// date and time, "05.03.2012 14 07 33", then the extension.
#pragma once

#include <QDateTime>
#include <QString>

namespace StampedName {

// "05.03.2012 14 07 33.htm" for the extension "htm".
QString fileName(const QDateTime& time, const QString& extension);
// The time a name without its extension holds; invalid when it holds none.
QDateTime timeOf(const QString& baseName);

} // namespace StampedName
