// The vehicle register's file autos.ini: one section per vehicle, "0", "1", … in list
// order, texts as UTF-8, the date in the system's formats.
#pragma once

#include "DateTimeText.h"
#include "VehicleRegister.h"

#include <QString>

inline constexpr const char* RegisterFile = "autos.ini";

// Appends the vehicles of the file, in file order, to the register. Returns false (and
// adds nothing) when the file doesn't exist; throws VeskorError when it can't be read.
bool LoadRegister(
    VehicleRegister& vehicles, const QString& path, const DateTimeText& dates = DateTimeText());

// Writes the register so that the file holds exactly its vehicles, atomically: on
// failure the old file stays whole and VeskorError names the file.
void SaveRegister(const VehicleRegister& vehicles, const QString& path,
    const DateTimeText& dates = DateTimeText());
