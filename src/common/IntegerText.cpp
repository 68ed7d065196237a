// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "IntegerText.h"

#include <cstdint>

std::optional<int> parseInteger(const QByteArray& raw)
{
    QByteArray text = raw.trimmed();
    bool negative = false;
    if (text.startsWith('-') || text.startsWith('+')) {
        negative = text.startsWith('-');
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith('$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith("0x") || text.startsWith("0X")) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty() || text.startsWith('-') || text.startsWith('+'))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    // Hexadecimal may spell the full 32-bit pattern ($FFFFFFFF is -1); decimal may not.
    const qlonglong limit = base == 16 ? 0xFFFFFFFFLL : 0x7FFFFFFFLL + (negative ? 1 : 0);
    if (value > limit)
        return std::nullopt;
    const qlonglong signedValue = negative ? -value : value;
    return static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(signedValue)));
}

std::optional<int> parseInteger(const QString& text)
{
    return parseInteger(text.toUtf8());
}
