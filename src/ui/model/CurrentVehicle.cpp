// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CurrentVehicle.h"

#include "common/UiLanguage.h"
#include "vehicles/DateTimeText.h"

#include <QLocale>

namespace CurrentVehicle {

CalibrationMatch matchCalibration(const VehicleRegister& vehicles, int current, const QString& code)
{
    const bool hasCurrent = current >= 0 && current < vehicles.size();
    if (hasCurrent && vehicles.at(current).Record.CalID == code)
        return {};
    // With none current the user chose no vehicle: a car of the register leaves it so.
    for (int row = 0; row < vehicles.size(); ++row)
        if (vehicles.at(row).Record.CalID == code)
            return { hasCurrent ? CalibrationMatch::Select : CalibrationMatch::Keep,
                hasCurrent ? row : -1 };
    if (!hasCurrent)
        return { CalibrationMatch::NewVehicle, -1 };
    if (vehicles.at(current).Record.CalID.isEmpty())
        return { CalibrationMatch::Adopt, current };
    return { CalibrationMatch::NewVehicle, current };
}

QString diagnosisText(const QDateTime& time)
{
    // In the window's language, whatever the system's: "05 мар. 2026 14:07", "05 Mar 2026 14:07".
    return Languages::locale().toString(time, QStringLiteral("dd MMM yyyy hh:mm"));
}

void stampDiagnosis(VehicleEntry& vehicle, const QDateTime& time)
{
    vehicle.SubItems[VehicleEntry::LastRead] = diagnosisText(time);
    vehicle.Record.LastRead = DateTimeText::fromDateTime(time.date(), time.time());
}

} // namespace CurrentVehicle
