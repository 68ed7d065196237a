// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimConfig.h"

#include <cctype>

bool SimConfig::validCalibration(const QByteArray& code)
{
    if (code.size() != 4)
        return false;
    for (char c : code)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::optional<QList<int>> SimConfig::parseCodes(const QString& text)
{
    QList<int> codes;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int code = part.trimmed().toInt(&ok, 10);
        if (!ok || code < 1 || code > 999)
            return std::nullopt;
        codes.append(code);
    }
    return codes;
}
