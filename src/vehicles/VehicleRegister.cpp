// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VehicleRegister.h"

QStringList VehicleRegister::captions() const
{
    QStringList result;
    for (const VehicleEntry& entry : m_entries)
        result.append(entry.Caption);
    return result;
}
