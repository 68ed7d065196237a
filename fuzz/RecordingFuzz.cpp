// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: any bytes read as a recording either raise VeskorError or give words in
// time order that export to CSV; a torn or damaged part never crashes the reader.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "recording/RecordingCsv.h"
#include "recording/RecordingFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const Recording read = RecordingFile::fromBytes(fuzz::bytes(data, size), "fuzz");
        const auto& words = read.Words;
        for (size_t i = 1; i < words.size(); ++i)
            if (words[i].TimeMs < words[i - 1].TimeMs)
                std::abort();
        if (read.LostBytes < 0 || read.LostBytes > qint64(size))
            std::abort();
        RecordingCsv::text(read);
    } catch (const VeskorError&) {
    }
    return 0;
}
