#include "RecordingCsv.h"

#include "FrameCycle.h"
#include "PidNames.h"
#include "common/AtomicFile.h"
#include "common/WordPacket.h"
#include "store/TFordData.h"

#include <QList>
#include <array>
#include <optional>

namespace RecordingCsv {

namespace {

    QList<uint8_t> pidsOf(const RecordingHeader& header)
    {
        QList<uint8_t> pids;
        for (uint8_t pid : header.PidMap)
            if (!pids.contains(pid))
                pids << pid;
        return pids;
    }

    class Rows {
    public:
        Rows(const QList<uint8_t>& pids, QByteArray& out)
            : m_pids(pids)
            , m_out(out)
        {
        }

        void row(uint32_t timeMs)
        {
            m_out += QByteArray::number(double(timeMs) / 1000.0, 'f', 3);
            for (uint8_t pid : m_pids) {
                m_out += ',';
                if (m_values[pid])
                    m_out += QByteArray::number(double(*m_values[pid]), 'g', 7);
            }
            m_out += '\n';
        }
        void set(uint8_t pid, float value) { m_values[pid] = value; }

    private:
        const QList<uint8_t>& m_pids;
        QByteArray& m_out;
        std::array<std::optional<float>, 256> m_values {};
    };

} // namespace

QString columnName(uint8_t pid)
{
    QString name = QStringLiteral("PID %1").arg(pid);
    if (const QString known = PidNames::name(pid); !known.isEmpty())
        name += QLatin1Char(' ') + known;
    if (const QString unit = PidNames::unit(pid); !unit.isEmpty())
        name += QStringLiteral(" (%1)").arg(unit);
    // A name from an edited pids.txt may hold the separator or a quote: quoted as CSV
    // readers expect, it stays one column.
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
        name = QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\""))
            + QLatin1Char('"');
    return name;
}

QByteArray text(const Recording& recording)
{
    const QList<uint8_t> pids = pidsOf(recording.Header);
    QByteArray out = "time_s";
    for (uint8_t pid : pids)
        out += ',' + columnName(pid).toUtf8();
    out += '\n';

    Rows rows(pids, out);
    FrameCycle cycle;
    uint32_t lastTime = 0;
    for (const RecordedWord& w : recording.Words) {
        const FrameCycle::Step step = cycle.onWord(w.Slot);
        if (step.EndsBefore)
            rows.row(lastTime);
        lastTime = w.TimeMs;
        if (const int index = WordPacket::mapIndex(w.Slot); index >= 0) {
            const uint8_t pid = recording.Header.PidMap[size_t(index)];
            rows.set(pid, TFordData::ConvertValue(pid, w.Word));
        }
        if (step.EndsWith)
            rows.row(w.TimeMs);
    }
    // The last cycle, cut short by the stop of the stream, still has its row.
    if (cycle.open())
        rows.row(lastTime);
    return out;
}

void write(const Recording& recording, const QString& path)
{
    writeFileAtomically(path, text(recording));
}

} // namespace RecordingCsv
