// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: CarProfiles.ini of any bytes is loaded, and every position (and some
// beyond the list) is asked for its name and adaptive-table addresses.
#include "FuzzSupport.h"
#include "vehicles/CarProfiles.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("CarProfiles.ini"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    CarProfiles profiles;
    QString problem;
    LoadCarProfiles(profiles, path, &problem);
    profiles.names();
    for (int position = -2; position <= profiles.count() + 1; ++position) {
        profiles.at(position);
        profiles.addresses(position);
    }
    return 0;
}
