// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: the text-file rule decodes any bytes (any byte order mark, broken UTF-8
// and UTF-16, NUL characters, every line end) into lines that can be trimmed.
#include "FuzzSupport.h"
#include "common/TextFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = decodeTextLines(fuzz::bytes(data, size));
    for (const QString& line : lines)
        trimBlanks(line);
    return 0;
}
