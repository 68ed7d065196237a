// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultCodeList.h"

namespace FaultCodeList {

QStringList entries(const SlotReader& slot)
{
    const uint16_t status = slot(StatusSlot);
    if ((status & StatusNoResult) && !(status & StatusCodesReady))
        return { QString::fromLatin1(NoResultEntry) };
    QStringList list;
    for (int position = 14; position >= 2; --position) {
        for (int frame = 0; frame < 16; ++frame) {
            const uint16_t word = slot(uint8_t(frame * 16 + position));
            if (word != 0)
                list << QString::number(word & 0x0FFF, 16).toUpper().rightJustified(3, u'0');
        }
    }
    return list;
}

} // namespace FaultCodeList
