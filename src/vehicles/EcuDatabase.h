// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Loading of the ECU calibration database: the scrambled resource INFO built into the
// program, descrambled and read line by line into EcuProfiles.
#pragma once

#include "EcuProfiles.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

// Empties the table and fills it from the embedded resource. Returns false (table left
// empty) when the program carries no resource, which a correct build never does.
bool LoadEcuDatabase(EcuProfiles& profiles);

// Empties the table and fills it from scrambled bytes as stored in the resource.
void loadEcuDatabaseScrambled(EcuProfiles& profiles, QByteArray scrambled);

// Adds the records of database lines to the table; lines that don't fit are skipped.
void addEcuDatabaseLines(EcuProfiles& profiles, const QStringList& lines);

// One database line read as a record with its key, or nothing when the line has fewer
// than 11 fields or its code is outside 1 to 65535.
struct EcuDatabaseLine {
    int Code = 0;
    TEECProfile Profile;
};
std::optional<EcuDatabaseLine> parseEcuDatabaseLine(QStringView line);

// Name of the embedded resource.
inline constexpr const char* EcuDatabaseResource = ":/INFO";
