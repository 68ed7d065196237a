// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text before the first value.
#include "widgets/NoValueText.h"

namespace {

qsizetype skipDigits(const QString& text, qsizetype i)
{
    while (i < text.size() && text.at(i).isDigit())
        ++i;
    return i;
}

} // namespace

QString noValueText(const QString& format)
{
    static const QString dashes = QStringLiteral("---");
    QString text;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format.at(i++);
        if (c != u'%') {
            text += c;
            continue;
        }
        if (i < n && format.at(i) == u'%') {
            text += u'%';
            ++i;
            continue;
        }
        // "%", an optional "index:", "-", width, ".precision", then the type letter.
        qsizetype j = skipDigits(format, i);
        if (j < n && format.at(j) == u':')
            i = j + 1;
        const bool left = i < n && format.at(i) == u'-';
        if (left)
            ++i;
        j = skipDigits(format, i);
        const int width = qBound(0, QStringView(format).sliced(i, j - i).toInt(), 1000);
        i = j;
        if (i < n && format.at(i) == u'.')
            i = skipDigits(format, i + 1);
        if (i < n)
            ++i; // the type
        const QString pad(qMax<qsizetype>(0, width - dashes.size()), u' ');
        text += left ? dashes + pad : pad + dashes;
    }
    return text;
}
