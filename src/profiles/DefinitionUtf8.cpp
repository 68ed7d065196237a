// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Decoding of an item definition's value.
#include "profiles/DefinitionUtf8.h"

namespace {

bool isTrail(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

QString decodeDefinitionUtf8(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i++]);
        if (c < 0x80) {
            text += QChar(c);
            continue;
        }
        char16_t unit;
        if (c & 0x20) {
            if (i + 1 >= n || !isTrail(bytes[i]) || !isTrail(bytes[i + 1]))
                return QString();
            unit = char16_t(((c & 0x0F) << 12) | ((bytes[i] & 0x3F) << 6) | (bytes[i + 1] & 0x3F));
            i += 2;
        } else {
            if (i >= n || !isTrail(bytes[i]))
                return QString();
            unit = char16_t(((c & 0x1F) << 6) | (bytes[i] & 0x3F));
            i += 1;
        }
        text += QChar(unit);
    }
    return text;
}
