// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The register record of one vehicle.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <cstdint>

struct TAuto {
    QString Name;
    QString Model;
    int32_t Year = 0;
    QString VIN;
    QString Plate;
    double LastRead = 0; // days since 30 December 1899, fraction = time of day
    QString Comment;
    QString CalID; // hexadecimal digits of the ECU's calibration code
    int32_t CarProfile = 0; // position of the car profile; -1 when none was chosen

    // LastRead's bytes as found in autos.ini when they read as no date; LastRead is then
    // 0. They are written back unchanged as long as LastRead stays 0, so a date written in
    // a form this system cannot read is not lost.
    QByteArray LastReadKept;
    // The lines of the vehicle's autos.ini section that the program does not know (other
    // keys, comments), in file order; written back after the known keys.
    QByteArrayList KeptLines;
};
