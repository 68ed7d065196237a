#include "LiveCapture.h"

#include "store/TFordData.h"

#include <QString>

namespace {

// The last slot of a cycle that carries a PID: frame 15, position 5.
constexpr uint8_t CycleEndSlot = 0xF5;

QByteArray number(float value)
{
    return QByteArray::number(double(value), 'g', 6);
}

} // namespace

LiveCapture::LiveCapture(const PidMap& map, SlotReader reader)
    : m_map(map)
    , m_slots(std::move(reader))
{
    for (uint8_t pid : m_map)
        if (!m_pids.contains(pid))
            m_pids << pid;
}

std::optional<QByteArray> LiveCapture::onSlot(uint8_t slot, uint32_t timeMs)
{
    const int position = slot & 0x0F;
    if (position < 2 || position > 5)
        return std::nullopt;
    const uint8_t pid = m_map[size_t((slot >> 4) * 4 + position - 2)];
    m_lastSlot[pid] = slot;
    // The slot may already hold a newer word than the one signalled: show the newer.
    const float value = TFordData::ConvertValue(pid, m_slots(slot));
    std::optional<QByteArray> line;
    if (m_shown[pid] != value) {
        m_shown[pid] = value;
        line = "pid " + QByteArray::number(pid) + ' ' + number(value);
    }
    if (slot == CycleEndSlot) {
        const QByteArray cells = row(timeMs);
        if (!cells.isEmpty())
            m_rows << cells;
    }
    return line;
}

QByteArray LiveCapture::row(uint32_t timeMs) const
{
    QByteArray cells = QByteArray::number(timeMs);
    for (uint8_t pid : m_pids) {
        if (m_lastSlot[pid] == 0)
            return {};
        cells += ',' + number(TFordData::ConvertValue(pid, m_slots(m_lastSlot[pid])));
    }
    return cells;
}

QByteArray LiveCapture::csv() const
{
    QByteArray text = "time_ms";
    for (uint8_t pid : m_pids)
        text += ',' + QByteArray::number(pid);
    text += '\n';
    for (const QByteArray& cells : m_rows)
        text += cells + '\n';
    return text;
}
