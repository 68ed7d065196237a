// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Placeholders.h"

QString fillPlaceholders(const QString& pattern, const QStringList& arguments)
{
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%' || next >= arguments.size()) {
            result += pattern[i];
            continue;
        }
        qsizetype end = i + 1;
        while (end < pattern.size() && !pattern[end].isLetter())
            ++end;
        result += arguments[next++];
        i = end;
    }
    return result;
}

QString hexDigits(unsigned value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}
