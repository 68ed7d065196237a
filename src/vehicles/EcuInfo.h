// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the vehicles page shows of a vehicle's ECU: ten captioned fields filled from the
// calibration database record of the vehicle's calibration code.
#pragma once

#include "EcuProfiles.h"

#include <QString>
#include <array>

struct EcuInfoField {
    const char* Caption; // a text of the string table
    QString Value;
};

// The fields in the order shown: model, years, displacement, hardware, strategy (left
// column), product code, FINIS, CATCH, calibration code, immobiliser (right column).
struct EcuInfo {
    enum Field { Model, Years, Disp, Hw, Strategy, ProductCode, FINIS, CatchCode, CalID, PATS };
    static constexpr int FieldCount = 10;

    std::array<EcuInfoField, FieldCount> Fields;
    // False when the code is not a number from 1 to 65535 or has no record.
    bool Found = false;
};

// The fields for a vehicle's calibration code: the code itself, and the record's fields
// when there is one. A code in range without a record shows "нет данных" as its model;
// a code out of range (or not hexadecimal) leaves the other nine fields empty.
EcuInfo ecuInfoFor(const EcuProfiles& profiles, const QString& calId);

// The record's model, years and displacement in one line ("Ford Sierra 2.0i, 1989-1993,
// 2.0 л"), "нет данных" when the database has no record for the code.
QString ecuSummary(const EcuInfo& info);

// The database record of a code as text, one "caption value" line per field in the
// order shown, or "нет данных" when the database has no record for the code.
QString formatCalibrationRecord(const EcuProfiles& profiles, const QString& code);
