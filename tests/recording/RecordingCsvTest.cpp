// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "recording/RecordingCsv.h"

#include "common/Errors.h"
#include "common/Units.h"
#include "common/WordPacket.h"
#include "store/PidTable.h"
#include "store/TFordData.h"
#include "support/TempDir.h"

#include <QFile>
#include <QList>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

Recording tableP()
{
    Recording r;
    TFordData store;
    store.SelectTable('P');
    r.Header.Table = 'P';
    for (int i = 0; i < 64; ++i)
        r.Header.PidMap[size_t(i)] = store.PidMap(i);
    return r;
}

// The words of frames first..last (positions 0 to 5), every word at timeMs, position 2 of
// every frame carrying value.
void addFrames(Recording& r, int first, int last, uint32_t timeMs, uint16_t value)
{
    for (int frame = first; frame <= last; ++frame)
        for (int position = 0; position <= 5; ++position)
            r.Words.push_back({ timeMs, uint8_t(frame * 16 + position),
                WordPacket::encode(position == 2 ? value : uint16_t(frame + position)) });
}

// The rows after the start line, split into cells as RFC 4180 reads them.
QList<QByteArrayList> parse(const QByteArray& text, char separator = ',')
{
    QList<QByteArrayList> rows;
    QByteArrayList lines = text.split('\n');
    EXPECT_TRUE(lines.takeFirst().startsWith("# start "));
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        QByteArrayList cells { "" };
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
                cells.last() += line[++i];
            else if (c == '"')
                quoted = !quoted;
            else if (c == separator && !quoted)
                cells << "";
            else
                cells.last() += c;
        }
        rows << cells;
    }
    return rows;
}

// Sets a pids.txt for one test and puts the shipped table back after it.
class TableInForce {
public:
    explicit TableInForce(const QString& text)
        : m_before(PidTable::current())
    {
        PidTable::setCurrent(PidTable::parse(text));
    }
    ~TableInForce() { PidTable::setCurrent(m_before); }

private:
    PidTable m_before;
};

} // namespace

TEST(RecordingCsv, ParsesBackWithColumnsTimesAndValues)
{
    Recording r = tableP();
    r.Header.Started = QDateTime(QDate(2026, 12, 10), QTime(10, 15), QTimeZone(3600));
    const uint8_t firstPid = r.Header.PidMap[0]; // frame 0, position 2
    addFrames(r, 0, 15, 1000, 200); // a whole cycle
    addFrames(r, 0, 12, 1250, 300); // frame 15 lost: the cycle ends where frames go back
    addFrames(r, 0, 3, 1500, 400); // cut short by the stop of the stream
    TempDir dir;
    const QString path = dir.file("out.csv");
    RecordingCsv::write(r, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("# start 2026-12-10T10:15:00+01:00\n"))
        << text.left(40).constData();
    const auto rows = parse(text);

    ASSERT_EQ(rows.size(), 4);
    const QByteArrayList& heading = rows[0];
    EXPECT_EQ(heading[0], "time_s");
    QList<uint8_t> pids;
    for (uint8_t pid : r.Header.PidMap)
        if (!pids.contains(pid))
            pids << pid;
    ASSERT_EQ(heading.size(), pids.size() + 1);
    EXPECT_EQ(heading[1], "Engine speed (rpm)");
    EXPECT_TRUE(heading.contains("Coolant temperature (degC)"));
    for (const auto& row : rows)
        EXPECT_EQ(row.size(), heading.size()) << "regular rows";
    EXPECT_EQ(rows[1][0], "1.000");
    EXPECT_EQ(rows[2][0], "1.250");
    EXPECT_EQ(rows[3][0], "1.500");

    const qsizetype column = pids.indexOf(firstPid) + 1;
    ASSERT_GT(column, 0);
    EXPECT_EQ(rows[1][column].toDouble(),
        double(TFordData::ConvertValue(firstPid, WordPacket::encode(200))));
    EXPECT_EQ(rows[2][column].toDouble(),
        double(TFordData::ConvertValue(firstPid, WordPacket::encode(300))));
    EXPECT_EQ(rows[3][column].toDouble(),
        double(TFordData::ConvertValue(firstPid, WordPacket::encode(400))));

    // A PID that has not come yet has an empty cell, then its value.
    Recording late = tableP();
    addFrames(late, 0, 7, 0, 100);
    addFrames(late, 0, 15, 40, 100);
    const auto lateRows = parse(RecordingCsv::text(late));
    ASSERT_EQ(lateRows.size(), 3);
    const qsizetype frame12 = pids.indexOf(late.Header.PidMap[12 * 4 + 3]) + 1;
    ASSERT_GT(frame12, 0);
    EXPECT_EQ(lateRows[1][frame12], "");
    EXPECT_NE(lateRows[2][frame12], "");

    EXPECT_THROW(RecordingCsv::write(r, dir.file("none/out.csv")), VeskorError);
}

// Both locales: the separator, the decimal mark of times and values, and a heading from an
// edited pids.txt that stays one cell per PID, each PID once and every column apart.
TEST(PidCsv, LocalesQuotingAndColumnsApart)
{
    const TableInForce table(QStringLiteral("01\tОбороты\tSpeed, \"engine\"\trpm\trpm\n"
                                            "02\tДавление\tPressure; MAP\t-\t-\n"
                                            "03\tА\tSame\t-\t-\n"
                                            "04\tБ\tSame\t-\t-\n"
                                            "05\tВ\ttime_s\t-\t-\n"));
    PidCsv::PidMap map {};
    // PID 17 comes at position 2 of every frame; 1 twice.
    const uint8_t pids[] = { 17, 1, 2, 3, 4, 5, 13, 1 };
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = pids[i % std::size(pids)];
    const QByteArrayList heading { "time_s", "PID 17", "Speed, \"engine\" (rpm)", "Pressure; MAP",
        "Same [PID 3]", "Same [PID 4]", "time_s [PID 5]", "PID 13" };

    struct Case {
        const char* Locale;
        char Separator;
        const char* Time;
        const char* Voltage; // 123 / 16
    };
    for (const Case& c :
        { Case { "en", ',', "1.005", "7.6875" }, Case { "ru", ';', "1,005", "7,6875" } }) {
        SCOPED_TRACE(c.Locale);
        const auto dialect = PidCsv::dialect(QString::fromLatin1(c.Locale));
        ASSERT_TRUE(dialect.has_value());
        Recording r;
        r.Header.PidMap = map;
        addFrames(r, 0, 15, 1005, 123);
        const QByteArray text = RecordingCsv::text(r, *dialect);
        const auto rows = parse(text, c.Separator);
        ASSERT_EQ(rows.size(), 2) << text.constData();
        EXPECT_EQ(rows[0].join(" | "), heading.join(" | "));
        ASSERT_EQ(rows[1].size(), heading.size()) << "a value with a comma is one cell";
        EXPECT_EQ(rows[1][0], c.Time);
        EXPECT_EQ(rows[1][1], c.Voltage);
    }
    EXPECT_FALSE(PidCsv::dialect(QStringLiteral("de")).has_value());
}

// A recording keeps raw words: its CSV gives the units chosen when it is written, in the
// headings and the values alike.
TEST(PidCsv, HeadingsAndValuesFollowTheUnits)
{
    PidCsv::PidMap map {};
    // Position 2 of every frame carries the coolant, 3 the speed, 4 rpm, 5 the filtered speed.
    const uint8_t pids[] = { 16, 24, 1, 23 };
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = pids[i % std::size(pids)];
    Recording r;
    r.Header.PidMap = map;
    // Frame 15 last: the speed's word 18, rpm's 19, the filtered speed's 20.
    addFrames(r, 0, 15, 1000, 106);
    const struct {
        UnitSystem system;
        const char* heading;
        double values[4];
    } cases[] = {
        { UnitSystem::Metric,
            "time_s | Coolant temperature (degC) | Vehicle speed (km/h) | Engine speed (rpm) | "
            "Vehicle speed (filtered) (km/h)",
            { 100, 0.905256, 76, 16.09344 } },
        { UnitSystem::Imperial,
            "time_s | Coolant temperature (degF) | Vehicle speed (mph) | Engine speed (rpm) | "
            "Vehicle speed (filtered) (mph)",
            { 212, 0.5625, 76, 10 } },
    };
    for (const auto& c : cases) {
        Units::setCurrent(UnitChoice { c.system });
        const auto rows = parse(RecordingCsv::text(r));
        Units::setCurrent({});
        ASSERT_EQ(rows.size(), 2);
        EXPECT_EQ(rows[0].join(" | "), c.heading);
        ASSERT_EQ(rows[1].size(), 5);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(rows[1][i + 1].toDouble(), c.values[i], 1e-4) << c.heading << " " << i;
    }
}
