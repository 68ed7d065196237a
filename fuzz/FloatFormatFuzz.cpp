// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the number formatter with any format (UTF-8 after the first ten bytes)
// and any long double (the first ten bytes: NaNs, infinities and denormals included).
#include "FuzzSupport.h"
#include "common/FloatFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t ValueBytes = 10; // the x87 extended format's significant bytes
    if (size < ValueBytes)
        return 0;
    long double value = 0;
    std::memcpy(&value, data, ValueBytes);
    try {
        formatFloat(QString::fromUtf8(fuzz::bytes(data + ValueBytes, size - ValueBytes)), value);
    } catch (const FormatError&) {
    }
    return 0;
}
