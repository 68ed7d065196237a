// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "EcuProfiles.h"

#include "CalibrationCode.h"

EcuProfiles::EcuProfiles()
    : m_table(CalibrationCode::Last + 1)
{
}

void EcuProfiles::clear()
{
    for (auto& entry : m_table)
        entry.reset();
    m_count = 0;
}

bool EcuProfiles::insert(int code, const TEECProfile& profile)
{
    if (code < CalibrationCode::First || code > CalibrationCode::Last || m_table[code])
        return false;
    m_table[code] = std::make_unique<TEECProfile>(profile);
    ++m_count;
    return true;
}

const TEECProfile* EcuProfiles::at(int code) const
{
    if (code < CalibrationCode::First || code > CalibrationCode::Last)
        return nullptr;
    return m_table[code].get();
}

const TEECProfile* EcuProfiles::find(QStringView codeText) const
{
    return at(CalibrationCode::key(codeText));
}
