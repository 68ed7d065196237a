// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the old plain-text register autos.txt of any bytes is imported.
#include "FuzzSupport.h"
#include "common/TextFile.h"
#include "vehicles/RegisterImport.h"

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
    static const DateTimeText dates;
    VehicleRegister vehicles;
    importRegisterLines(vehicles, decodeTextLines(fuzz::bytes(data, size)), dates);
    return 0;
}
