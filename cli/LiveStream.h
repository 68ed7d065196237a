// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A live data stream of veskor-cli's live and record commands: started with the table,
// each checked word of the stream handed on with its time, the output flushed twice a
// second, and stopped cleanly after the time given, on Ctrl-C, a port error, a silence or
// an output that can no longer be written.
#pragma once

#include "CliSession.h"

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class CliContext;
class TFordData;

namespace LiveStream {

// The output goes to the disk this often: a killed capture loses at most this much.
inline constexpr std::chrono::milliseconds FlushInterval { 500 };

struct Handlers {
    // A word of the stream, timeMs after its first word.
    std::function<void(uint8_t slot, uint16_t word, uint32_t timeMs)> Word;
    // Every FlushInterval while the stream runs, with the time since its first word.
    // Throws VeskorError when the output can no longer be written: that ends the stream.
    std::function<void(uint32_t nowMs)> Flush;
};

struct Result {
    CliOutcome Outcome = CliOutcome::Done;
    bool Streaming = false; // the link reached live data
    uint64_t Words = 0;
    std::optional<QString> WriteError;
};

// The PID map of the table the link's store has selected.
std::array<uint8_t, 64> pidMap(TFordData& store);

// Runs the stream of the table already set on the link; the stream is stopped on return.
Result run(CliSession& session, char table, std::optional<std::chrono::milliseconds> duration,
    const Handlers& handlers);
// Raises VeskorError with the sentence for a stream that failed: the write error, a
// silence, the link's failure, or no stream at all.
void check(CliSession& session, const Result& result);

} // namespace LiveStream
