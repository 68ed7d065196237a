// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the module's reply to "v" of any bytes. The version is a whole number of
// hundredths from 0 to 999, the identifier at most five bytes without a zero byte.
#include "FuzzSupport.h"
#include "link/exchanges/VersionReply.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const VersionReply reply = VersionReply::parse(fuzz::bytes(data, size));
    const float version = reply.FirmwareVersion;
    if (version < 0 || version > 999 || version != std::floor(version))
        std::abort();
    if (reply.ModuleId.size() > 5 || reply.ModuleId.contains('\0'))
        std::abort();
    if (!reply.ModuleId.isEmpty() && !fuzz::bytes(data, size).contains(reply.ModuleId))
        std::abort();
    return 0;
}
