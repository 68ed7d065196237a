// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the fault codes of a fault test read from any slot table (the input's words,
// little-endian, slot 0 first; the slots it leaves out are 0), as the page, its clipboard
// text and veskor-cli list them. The list is "999" alone or codes of three hexadecimal
// digits, one per non-zero slot of positions 2 to 14, and each names an entry of codes.txt.
#include "link/FaultCodeList.h"
#include "vehicles/FaultCodeText.h"
#include "vehicles/FaultCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::array<uint16_t, 256> table {};
    for (size_t s = 0; s < table.size() && 2 * s + 1 < size; ++s)
        table[s] = uint16_t(data[2 * s] | data[2 * s + 1] << 8);
    const QStringList list = FaultCodeList::entries([&table](uint8_t s) { return table[s]; });
    static const FaultCodeDictionary codes;
    for (const QString& entry : list) {
        if (entry.size() != 3)
            std::abort();
        for (const QChar c : entry)
            if (!c.isDigit() && (c < u'A' || c > u'F'))
                std::abort();
    }
    // Each entry names a code of the dictionary; the first and the last stand for the rest,
    // which are alike and would slow the fuzzer some hundred times.
    if (!list.isEmpty()) {
        faultCodeText(list.front(), codes, true);
        faultCodeText(list.back(), codes, false);
    }
    const uint16_t status = table[FaultCodeList::StatusSlot];
    if ((status & FaultCodeList::StatusNoResult) && !(status & FaultCodeList::StatusCodesReady)) {
        if (list != QStringList { QStringLiteral("999") })
            std::abort();
        return 0;
    }
    qsizetype words = 0;
    for (size_t s = 0; s < table.size(); ++s)
        words += (s % 16 >= 2 && s % 16 <= 14 && table[s] != 0) ? 1 : 0;
    if (list.size() != words)
        std::abort();
    return 0;
}
