// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the calibration database, both as plain lines and as the scrambled bytes
// the program carries, is read into the ECU profile table. The first byte picks which.
#include "FuzzSupport.h"
#include "common/TextFile.h"
#include "vehicles/EcuDatabase.h"
#include "vehicles/EcuProfiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const bool scrambled = data[0] & 1;
    const QByteArray text = fuzz::bytes(data + 1, size - 1);
    // One table for all inputs: its 65,536 entries cost more to allocate than to clear.
    static EcuProfiles profiles;
    profiles.clear();
    if (scrambled)
        loadEcuDatabaseScrambled(profiles, text);
    else
        addEcuDatabaseLines(profiles, decodeTextLines(text));
    return 0;
}
