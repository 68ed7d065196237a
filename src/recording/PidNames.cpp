// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PidNames.h"

#include "common/Units.h"
#include "store/PidTable.h"

// The English names and units of pids.txt: ASCII, so that every plot tool and spreadsheet
// reads the headings as they stand.
namespace PidNames {

QString name(uint8_t pid)
{
    const PidMeaning* m = PidTable::current().find(pid);
    return m ? m->NameEn : QString();
}

QString unit(uint8_t pid)
{
    const PidMeaning* m = PidTable::current().find(pid);
    return m ? Units::convertText(m->UnitEn, Units::current()) : QString();
}

} // namespace PidNames
