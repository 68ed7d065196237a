// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Import of the older plain-text register autos.txt: a number line below 1000 starts a
// vehicle, the text lines after it give name, model, year, VIN, plate, date and notes.
#pragma once

#include "DateTimeText.h"
#include "VehicleRegister.h"

#include <QString>
#include <QStringList>

inline constexpr const char* OldRegisterFile = "autos.txt";

// Appends the vehicles of the file to the register. Returns false (and adds nothing) when
// the file doesn't exist; throws VeskorError when it can't be read. Writes nothing.
bool ImportRegister(
    VehicleRegister& vehicles, const QString& path, const DateTimeText& dates = DateTimeText());
// The same from the file's lines.
void importRegisterLines(
    VehicleRegister& vehicles, const QStringList& lines, const DateTimeText& dates);
