#include "VehicleRegister.h"

QStringList VehicleRegister::captions() const
{
    QStringList result;
    for (const VehicleEntry& entry : m_entries)
        result.append(entry.Caption);
    return result;
}
