// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Splitting of comma texts.
#include "common/CommaText.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

} // namespace

QStringList splitCommaText(QStringView line)
{
    const qsizetype nul = line.indexOf(QChar(0));
    if (nul >= 0)
        line = line.first(nul);

    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(line[i]))
            ++i;
    };

    skipBlanks();
    while (i < n) {
        if (line[i] == u'"') {
            QString field;
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            fields.append(field);
        } else {
            const qsizetype start = i;
            while (i < n && !isBlank(line[i]) && line[i] != u',')
                ++i;
            fields.append(line.sliced(start, i - start).toString());
        }
        skipBlanks();
        if (i < n && line[i] == u',') {
            if (i + 1 == n)
                fields.append(QString());
            ++i;
            skipBlanks();
        }
    }
    return fields;
}
