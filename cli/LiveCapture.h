// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What veskor-cli's live command makes of the stream: a line per changed PID value, and
// the CSV rows of PidCsv, one per cycle of 16 frames. Only the words that passed their
// check come here, each with its own value.
#pragma once

#include "recording/PidCsv.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>
#include <optional>

class LiveCapture {
public:
    using PidMap = std::array<uint8_t, 64>;

    struct Update {
        // "pid 1 812" when the word carries a PID whose converted value changed.
        std::optional<QByteArray> Line;
        // The CSV row of a cycle that ended with this word, without its newline.
        std::optional<QByteArray> Row;
    };

    explicit LiveCapture(const PidMap& map, PidCsv::Dialect dialect = {});

    // A valid word of the slot arrived, timeMs after the start. A cycle ends with the
    // word of frame 15, position 5, or when the frame number goes back (frame 15 lost).
    Update onWord(uint8_t slot, uint16_t word, uint32_t timeMs);

    // The start line and heading of the CSV, and the row of a cycle the stop cut short.
    PidCsv& csv() { return m_csv; }

private:
    PidMap m_map;
    PidCsv m_csv;
    // The value each PID's line showed last.
    std::array<std::optional<float>, 256> m_shown {};
};
