#include "LiveCapture.h"

#include "store/PidTable.h"
#include "store/TFordData.h"

namespace {

QByteArray number(float value)
{
    return QByteArray::number(double(value), 'g', 6);
}

// pid 1 "Обороты двигателя" 1024 об/мин: the number first, so that a script reads the
// line as before; the name in quotes, the unit (if any) last.
QByteArray line(uint8_t pid, float value)
{
    const PidTable& table = PidTable::current();
    QByteArray text = "pid " + QByteArray::number(pid) + " \"" + table.name(pid).toUtf8() + "\" "
        + number(value);
    if (const QString unit = table.unit(pid); !unit.isEmpty())
        text += ' ' + unit.toUtf8();
    return text;
}

} // namespace

LiveCapture::LiveCapture(const PidMap& map)
    : m_map(map)
{
    for (uint8_t pid : m_map)
        if (!m_pids.contains(pid))
            m_pids << pid;
}

LiveCapture::Update LiveCapture::onWord(uint8_t slot, uint16_t word, uint32_t timeMs)
{
    Update update;
    const FrameCycle::Step step = m_cycle.onWord(slot);
    if (step.EndsBefore)
        update.Row = row();
    m_lastTime = timeMs;

    const int frame = slot >> 4;
    const int position = slot & 0x0F;
    if (position >= 2 && position <= 5) {
        const uint8_t pid = m_map[size_t(frame * 4 + position - 2)];
        const float value = TFordData::ConvertValue(pid, word);
        m_values[pid] = value;
        if (m_shown[pid] != value) {
            m_shown[pid] = value;
            update.Line = line(pid, value);
        }
    }
    if (step.EndsWith)
        update.Row = row();
    return update;
}

QByteArray LiveCapture::row() const
{
    QByteArray cells = QByteArray::number(m_lastTime);
    for (uint8_t pid : m_pids) {
        cells += ',';
        if (m_values[pid])
            cells += number(*m_values[pid]);
    }
    return cells;
}

QByteArray LiveCapture::header() const
{
    QByteArray text = "time_ms";
    for (uint8_t pid : m_pids)
        text += ',' + QByteArray::number(pid);
    return text;
}
