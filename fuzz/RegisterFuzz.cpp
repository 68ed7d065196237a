// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: autos.ini of any bytes is loaded into the vehicle register and written
// back; what was read must read the same again.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "vehicles/RegisterFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("autos.ini"));
    static const QString saved = fuzz::scratchPath(QStringLiteral("autos-saved.ini"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    VehicleRegister vehicles;
    try {
        LoadRegister(vehicles, path);
    } catch (const VeskorError&) {
        return 0;
    }
    QFile::remove(saved);
    try {
        SaveRegister(vehicles, saved);
    } catch (const VeskorError&) {
        return 0;
    }
    VehicleRegister again;
    LoadRegister(again, saved);
    // A register that was written must load whole: no vehicle lost on the way.
    if (again.size() != vehicles.size())
        std::abort();
    return 0;
}
