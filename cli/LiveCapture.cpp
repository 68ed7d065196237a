// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LiveCapture.h"

#include "common/WordPacket.h"
#include "store/PidTable.h"
#include "store/TFordData.h"

namespace {

// pid 1 "Обороты двигателя" 1024 об/мин: the number first, so that a script reads the
// line as before; the name in quotes, the unit (if any) last.
QByteArray line(uint8_t pid, float value)
{
    const PidTable& table = PidTable::current();
    return "pid " + QByteArray::number(pid) + " \"" + table.name(pid).toUtf8() + "\" "
        + table.valueText(pid, double(value)).toUtf8();
}

} // namespace

LiveCapture::LiveCapture(const PidMap& map, PidCsv::Dialect dialect)
    : m_map(map)
    , m_csv(map, dialect)
{
}

LiveCapture::Update LiveCapture::onWord(uint8_t slot, uint16_t word, uint32_t timeMs)
{
    Update update;
    update.Row = m_csv.onWord(slot, word, timeMs);
    if (const int index = WordPacket::mapIndex(slot); index >= 0) {
        const uint8_t pid = m_map[size_t(index)];
        const float value = TFordData::ShownValue(pid, word);
        if (m_shown[pid] != value) {
            m_shown[pid] = value;
            update.Line = line(pid, value);
        }
    }
    return update;
}
