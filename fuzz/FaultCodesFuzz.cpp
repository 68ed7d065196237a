// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: codes.txt of any bytes is loaded into the fault code dictionary and every
// code's description is read back in both languages.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "vehicles/FaultCodes.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("codes.txt"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    auto codes = std::make_unique<FaultCodeDictionary>();
    try {
        codes->load(path);
    } catch (const VeskorError&) {
        return 0;
    }
    for (int code = 0; code <= FaultCodeDictionary::MaxCode + 1; ++code) {
        const TFaultCode& entry = (*codes)[code];
        // Empty entries all take the same way: a few of them are enough.
        if (entry.DescEn.isEmpty() && entry.DescRu.isEmpty() && code % 100 != 0)
            continue;
        faultCodeDescription(entry, true);
        faultCodeDescription(entry, false);
    }
    return 0;
}
