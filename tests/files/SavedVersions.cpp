// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SavedVersions.h"

#include "vehicles/DateTimeText.h"
#include "vehicles/TAuto.h"

VehicleRegister savedRegister(int version)
{
    VehicleRegister vehicles;
    const int count = version == 0 ? 3 : 60;
    for (int i = 0; i < count; ++i) {
        TAuto a;
        a.Name = QStringLiteral("Сьерра %1.%2").arg(version).arg(i);
        a.Model = QStringLiteral("Sierra");
        a.Year = 1985 + i % 10;
        a.VIN = QStringLiteral("WF0AXXGBBAKA%1").arg(10000 + i);
        a.Comment = QString(20 + 7 * version, QChar(u'ж'));
        a.CalID = version == 0 ? QStringLiteral("4BAA") : QStringLiteral("1C2D");
        a.CarProfile = -1;
        vehicles.append(VehicleEntry::fromRecord(a, DateTimeText()));
    }
    return vehicles;
}

ReaderSettings savedSettings(int version)
{
    ReaderSettings s;
    s.ComPortName = version == 0 ? QStringLiteral("/dev/ttyUSB0") : QStringLiteral("/dev/rfcomm1");
    s.ComPortSpeed = version == 0 ? 2 : 4;
    s.Bounds = version == 0 ? QRect(10, 20, 800, 600) : QRect(100, 50, 1280, 1024);
    s.UpdateMatrix = version != 0;
    s.AutoReconnect = version == 0;
    s.CurrentSkin = QStringLiteral("skin%1").arg(version);
    // Closing always writes a profile here; an empty one would leave the other version's.
    s.CurrentProfile = version == 0 ? QStringLiteral("main.ini") : QStringLiteral("sensors.ini");
    s.CurrentAuto = version;
    s.Toolbars = QByteArray(version == 0 ? 40 : 1500, char('a' + version));
    return s;
}
