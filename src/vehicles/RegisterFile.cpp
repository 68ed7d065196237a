#include "RegisterFile.h"

#include "common/AnsiCodec.h"
#include "common/Errors.h"
#include "common/IniFile.h"
#include "common/Texts.h"

#include <QFile>

bool LoadRegister(VehicleRegister& vehicles, const QString& path, const DateTimeText& dates)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        throw VeskorError(Texts::text(Texts::RegisterReadError).arg(path, file.errorString()));
    IniFile ini;
    ini.loadData(file.readAll());

    const double loadTime = DateTimeText::now();
    for (const QString& section : ini.sections()) {
        TAuto a;
        a.Name = ini.readUtf8(section, "Name");
        a.Model = ini.readUtf8(section, "Model");
        a.Year = ini.readInteger(section, "Year", 0);
        a.VIN = ini.readUtf8(section, "VIN");
        a.Plate = ini.readUtf8(section, "Plate");
        a.LastRead = dates.parse(ini.readAnsi(section, "LastRead")).value_or(loadTime);
        a.Comment = ini.readUtf8(section, "Comment");
        a.CarProfile = ini.readInteger(section, "CarProfile", 0);
        a.CalID = ini.readAnsi(section, "CalID");
        vehicles.append(VehicleEntry::fromRecord(a, dates));
    }
    return true;
}

void SaveRegister(const VehicleRegister& vehicles, const QString& path, const DateTimeText& dates)
{
    // A fresh file rather than the old one edited: it then holds exactly the vehicles of
    // the list, its sections in list order, so the next load gives the same order back.
    IniFile ini;
    int index = 0;
    for (const VehicleEntry& entry : vehicles) {
        const TAuto& a = entry.Record;
        const QString section = QString::number(index++);
        ini.writeUtf8(section, "Name", a.Name);
        ini.writeUtf8(section, "Model", a.Model);
        ini.writeInteger(section, "Year", a.Year);
        ini.writeUtf8(section, "VIN", a.VIN);
        ini.writeUtf8(section, "Plate", a.Plate);
        ini.writeBytes(section, "LastRead", toAnsi(dates.format(a.LastRead)));
        ini.writeUtf8(section, "Comment", a.Comment);
        ini.writeInteger(section, "CarProfile", a.CarProfile);
        ini.writeBytes(section, "CalID", toAnsi(a.CalID));
    }
    try {
        ini.save(path);
    } catch (const VeskorError& e) {
        throw VeskorError(Texts::text(Texts::RegisterSaveError).arg(path, e.message()));
    }
}
