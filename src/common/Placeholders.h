// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fills the printf-style placeholders of the string table's texts ("%s", "%.3x") in order,
// with arguments already formatted by the caller.
#pragma once

#include <QString>
#include <QStringList>

// Replaces each placeholder of pattern, left to right, with the next argument. A
// placeholder runs from '%' to its conversion letter; one without an argument stays.
QString fillPlaceholders(const QString& pattern, const QStringList& arguments);

// At least digits upper-case hexadecimal digits ("%.3x" as the log shows it).
QString hexDigits(unsigned value, int digits);
