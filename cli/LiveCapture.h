// What veskor-cli's live command makes of the stream: a line per changed PID value, and
// CSV rows of every PID of the table, one per cycle of 16 frames. Only the words that
// passed their check come here, each with its own value.
#pragma once

#include "recording/FrameCycle.h"

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

    explicit LiveCapture(const PidMap& map);

    // A valid word of the slot arrived, timeMs after the start. A cycle ends with the
    // word of frame 15, position 5, or when the frame number goes back (frame 15 lost).
    Update onWord(uint8_t slot, uint16_t word, uint32_t timeMs);

    // "time_ms" and one column per PID of the table (by number, in map order).
    QByteArray header() const;
    // The PIDs of the table, each once, in map order.
    const QList<uint8_t>& pids() const { return m_pids; }

private:
    QByteArray row() const;

    PidMap m_map;
    QList<uint8_t> m_pids;
    // The last value of each PID; a PID that has not come yet has an empty cell.
    std::array<std::optional<float>, 256> m_values {};
    std::array<std::optional<float>, 256> m_shown {};
    FrameCycle m_cycle;
    uint32_t m_lastTime = 0;
};
