// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CalibrationCode.h"

namespace CalibrationCode {

uint32_t value(QStringView text)
{
    if (text.isEmpty())
        return 0;
    uint64_t result = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else
            return 0;
        result = result * 16 + static_cast<uint64_t>(digit);
        if (result > 0xFFFFFFFFu)
            return 0;
    }
    return static_cast<uint32_t>(result);
}

int key(QStringView text)
{
    const uint32_t v = value(text);
    return v >= First && v <= Last ? static_cast<int>(v) : 0;
}

} // namespace CalibrationCode
