// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "store/PidUnits.h"

#include "store/PidTable.h"

#include <QMutex>
#include <array>
#include <atomic>

namespace {

struct PidConversions {
    std::array<std::optional<Quantity>, 256> quantities;
    std::array<UnitConversion, 256> conversions;
};

// The unit of a line: its Russian text, or the English one when only that is known.
std::optional<Unit> unitOf(const PidMeaning& meaning)
{
    const std::optional<Unit> unit = Units::parse(meaning.Unit);
    return unit ? unit : Units::parse(meaning.UnitEn);
}

// Trend painting asks once per sample: the table is built once per table and choice.
const PidConversions& conversions()
{
    static QMutex lock;
    static PidConversions table;
    // The generations the table was built for; 0 before the first build.
    static std::atomic<quint64> builtFor { 0 };
    const quint64 now = (quint64(Units::generation()) << 32 | PidTable::generation()) + 1;
    if (builtFor.load(std::memory_order_acquire) == now)
        return table;
    QMutexLocker locker(&lock);
    if (builtFor.load(std::memory_order_relaxed) != now) {
        const PidTable& pids = PidTable::current();
        const UnitChoice& choice = Units::current();
        for (size_t pid = 0; pid < table.conversions.size(); ++pid) {
            const PidMeaning* meaning = pids.find(uint8_t(pid));
            const std::optional<Unit> unit = meaning ? unitOf(*meaning) : std::nullopt;
            table.quantities[pid] = unit ? std::optional(Units::quantityOf(*unit)) : std::nullopt;
            table.conversions[pid] = unit
                ? Units::conversion(*unit, choice.unitFor(Units::quantityOf(*unit)))
                : UnitConversion {};
        }
        builtFor.store(now, std::memory_order_release);
    }
    return table;
}

} // namespace

namespace PidUnits {

std::optional<Quantity> quantity(uint8_t pid)
{
    return conversions().quantities[pid];
}

UnitConversion conversion(uint8_t pid)
{
    return conversions().conversions[pid];
}

} // namespace PidUnits
