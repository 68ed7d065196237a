// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VersionReply.h"

VersionReply VersionReply::parse(const QByteArray& reply)
{
    QByteArray text = reply.left(9);
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);

    VersionReply result;
    const QByteArray digits = text.mid(1, 3);
    bool number = !digits.isEmpty();
    for (char c : digits)
        number = number && c >= '0' && c <= '9';
    if (number)
        result.FirmwareVersion = float(digits.toInt());
    result.ModuleId = text.mid(4, 5);
    return result;
}
