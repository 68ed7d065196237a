#include "CurrentVehicle.h"

#include "vehicles/DateTimeText.h"

#include <QLocale>

namespace CurrentVehicle {

CalibrationMatch matchCalibration(const VehicleRegister& vehicles, int current, const QString& code)
{
    if (current < 0 || current >= vehicles.size())
        return {};
    if (vehicles.at(current).Record.CalID == code)
        return {};
    for (int row = 0; row < vehicles.size(); ++row)
        if (vehicles.at(row).Record.CalID == code)
            return { CalibrationMatch::Select, row };
    if (vehicles.at(current).Record.CalID.isEmpty())
        return { CalibrationMatch::Adopt, current };
    return { CalibrationMatch::ShowCurrent, current };
}

QString diagnosisText(const QDateTime& time)
{
    // The window speaks Russian, whatever the system's language: "05 мар. 2026 14:07".
    return QLocale(QLocale::Russian).toString(time, QStringLiteral("dd MMM yyyy hh:mm"));
}

void stampDiagnosis(VehicleEntry& vehicle, const QDateTime& time)
{
    vehicle.SubItems[VehicleEntry::LastRead] = diagnosisText(time);
    vehicle.Record.LastRead = DateTimeText::fromDateTime(time.date(), time.time());
}

} // namespace CurrentVehicle
