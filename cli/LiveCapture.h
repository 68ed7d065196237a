// What veskor-cli's live command makes of the stream: a line per changed PID value, and
// CSV rows of every PID of the table, one per cycle of 16 frames.
#pragma once

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class LiveCapture {
public:
    using PidMap = std::array<uint8_t, 64>;
    // The word of a slot of the link's slot table.
    using SlotReader = std::function<uint16_t(uint8_t slot)>;

    LiveCapture(const PidMap& map, SlotReader reader);

    // A valid word arrived in the slot, timeMs after the start. Returns "pid 1 812" when
    // the slot carries a PID whose converted value changed.
    std::optional<QByteArray> onSlot(uint8_t slot, uint32_t timeMs);

    // "time_ms" and one column per PID of the table (by number, in map order), then a row
    // per completed cycle once every PID has a value.
    QByteArray csv() const;
    int rows() const { return int(m_rows.size()); }
    // The PIDs of the table, each once, in map order.
    const QList<uint8_t>& pids() const { return m_pids; }

private:
    QByteArray row(uint32_t timeMs) const;

    PidMap m_map;
    SlotReader m_slots;
    QList<uint8_t> m_pids;
    // The slot that last brought each PID; 0 until one did (slot 0 carries no PID).
    std::array<uint8_t, 256> m_lastSlot {};
    std::array<std::optional<float>, 256> m_shown {};
    QList<QByteArray> m_rows;
};
