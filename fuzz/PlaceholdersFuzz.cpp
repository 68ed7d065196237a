// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the placeholder filler that report.htm and the log's texts go through.
// The input is the pattern, then arguments, separated by NUL bytes; a leading number
// byte gives the hexadecimal filler its digits.
#include "FuzzSupport.h"
#include "common/Placeholders.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    unsigned value = 0;
    std::memcpy(&value, data, sizeof value);
    hexDigits(value, int(int8_t(data[4])));
    const QList<QByteArray> parts = fuzz::bytes(data + 5, size - 5).split('\0');
    QStringList arguments;
    for (qsizetype i = 1; i < parts.size(); ++i)
        arguments.append(QString::fromUtf8(parts[i]));
    fillPlaceholders(QString::fromUtf8(parts.first()), arguments);
    return 0;
}
