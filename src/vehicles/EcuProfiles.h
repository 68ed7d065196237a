// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The ECU calibration database in memory: one record per calibration code, indexed
// directly by the code so that a lookup is one array access.
#pragma once

#include "TEECProfile.h"

#include <QStringView>
#include <memory>
#include <vector>

class EcuProfiles {
public:
    EcuProfiles();

    void clear();
    // Stores the record under the code unless the code is outside 1 to 65535 or already
    // has one (the first record of a code wins). Returns whether it was stored.
    bool insert(int code, const TEECProfile& profile);

    // The record of a code, or null for a code outside 1 to 65535 or without a record.
    const TEECProfile* at(int code) const;
    // The record of a code written as hexadecimal text ("4BAA" or "4baa").
    const TEECProfile* find(QStringView codeText) const;
    int count() const { return m_count; }

private:
    // Entry 0 is never used, so the code is the index.
    std::vector<std::unique_ptr<TEECProfile>> m_table;
    int m_count = 0;
};
