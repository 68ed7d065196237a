// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Decisions about the current vehicle that need no widgets: which vehicle a calibration
// code reported by the ECU selects, and the date stamp of a finished fault exchange.
#pragma once

#include "vehicles/VehicleRegister.h"

#include <QDateTime>
#include <QString>

struct CalibrationMatch {
    enum Action {
        Keep, // the current vehicle has the code already, or none is current and a
              // vehicle of the register has it
        Select, // Row is the first vehicle with the code
        Adopt, // no vehicle has the code: the current one (Row) keeps it as its own
        NewVehicle, // no vehicle has the code and the current one (Row, -1 when none) has
                    // another: a car new to the register is connected
    };
    Action Result = Keep;
    int Row = -1;
};

namespace CurrentVehicle {

// The vehicle a code reported by the ECU makes current, compared exactly (as text).
CalibrationMatch matchCalibration(
    const VehicleRegister& vehicles, int current, const QString& code);

// The diagnosis date as the fault page shows it: "dd mmm yyyy hh:nn", the month in Russian
// as the rest of the window ("05 мар. 2026 14:07").
QString diagnosisText(const QDateTime& time);

// Stamps a vehicle with the time of a finished fault exchange: its shown date and its
// record's LastRead, which the register file keeps.
void stampDiagnosis(VehicleEntry& vehicle, const QDateTime& time);

} // namespace CurrentVehicle
