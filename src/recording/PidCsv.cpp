// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PidCsv.h"

#include "PidNames.h"
#include "common/WordPacket.h"
#include "store/TFordData.h"

#include <QHash>
#include <QSet>

namespace {

QString baseName(uint8_t pid)
{
    QString name = PidNames::name(pid);
    if (name.isEmpty())
        name = QStringLiteral("PID %1").arg(pid);
    if (const QString unit = PidNames::unit(pid); !unit.isEmpty())
        name += QStringLiteral(" (%1)").arg(unit);
    return name;
}

} // namespace

std::optional<PidCsv::Dialect> PidCsv::dialect(const QString& locale)
{
    if (locale == QLatin1String("en"))
        return Dialect {};
    if (locale == QLatin1String("ru"))
        return Dialect { ';', ',' };
    return std::nullopt;
}

PidCsv::PidCsv(const PidMap& map, Dialect dialect)
    : m_map(map)
    , m_dialect(dialect)
{
    for (uint8_t pid : m_map)
        if (!m_pids.contains(pid))
            m_pids << pid;
}

QStringList PidCsv::columnNames(const QList<uint8_t>& pids)
{
    // An edited pids.txt may give two PIDs one name: the number tells them apart.
    QHash<QString, int> count { { QStringLiteral("time_s"), 1 } };
    for (uint8_t pid : pids)
        ++count[baseName(pid)];
    QSet<QString> taken { QStringLiteral("time_s") };
    QStringList names;
    for (uint8_t pid : pids) {
        QString name = baseName(pid);
        const QString number = QStringLiteral(" [PID %1]").arg(pid);
        if (count.value(name) > 1)
            name += number;
        while (taken.contains(name))
            name += number;
        taken.insert(name);
        names << name;
    }
    return names;
}

QByteArray PidCsv::startLine(const QDateTime& started) const
{
    if (!started.isValid())
        return "# start unknown";
    // With the offset it had then, so that the time reads the same in another zone.
    return "# start "
        + started.toOffsetFromUtc(started.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
}

QByteArray PidCsv::heading() const
{
    QByteArray text = "time_s";
    for (const QString& name : columnNames(m_pids))
        text += m_dialect.Separator + field(name);
    return text;
}

std::optional<QByteArray> PidCsv::onWord(uint8_t slot, uint16_t word, uint32_t timeMs)
{
    std::optional<QByteArray> ended;
    const FrameCycle::Step step = m_cycle.onWord(slot);
    if (step.EndsBefore)
        ended = row();
    m_lastTime = timeMs;
    if (const int index = WordPacket::mapIndex(slot); index >= 0) {
        const uint8_t pid = m_map[size_t(index)];
        m_values[pid] = TFordData::ShownValue(pid, word);
    }
    if (step.EndsWith)
        ended = row();
    return ended;
}

std::optional<QByteArray> PidCsv::finish()
{
    if (!m_cycle.open())
        return std::nullopt;
    m_cycle = FrameCycle {};
    return row();
}

QByteArray PidCsv::row() const
{
    // Whole milliseconds as seconds: no rounding of a double on the way.
    QByteArray cells = QByteArray::number(m_lastTime / 1000) + m_dialect.Decimal
        + QByteArray::number(m_lastTime % 1000).rightJustified(3, '0');
    for (uint8_t pid : m_pids) {
        cells += m_dialect.Separator;
        if (m_values[pid])
            cells += QByteArray::number(double(*m_values[pid]), 'g', 7)
                         .replace('.', m_dialect.Decimal);
    }
    return cells;
}

QByteArray PidCsv::field(const QString& text) const
{
    QByteArray bytes = text.toUtf8();
    // Quoted as RFC 4180 has it, a field with the separator, a quote or a line break stays
    // one cell.
    if (bytes.contains(m_dialect.Separator) || bytes.contains('"') || bytes.contains('\n')
        || bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}
