#include "recording/RecordingCsv.h"

#include "common/Errors.h"
#include "common/WordPacket.h"
#include "store/TFordData.h"
#include "support/TempDir.h"

#include <QFile>
#include <QList>
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

QList<QByteArrayList> parse(const QByteArray& text)
{
    QList<QByteArrayList> rows;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            rows << line.split(',');
    return rows;
}

} // namespace

TEST(RecordingCsv, ParsesBackWithColumnsTimesAndValues)
{
    Recording r = tableP();
    const uint8_t firstPid = r.Header.PidMap[0]; // frame 0, position 2
    addFrames(r, 0, 15, 1000, 200); // a whole cycle
    addFrames(r, 0, 12, 1250, 300); // frame 15 lost: the cycle ends where frames go back
    addFrames(r, 0, 3, 1500, 400); // cut short by the stop of the stream
    TempDir dir;
    const QString path = dir.file("out.csv");
    RecordingCsv::write(r, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto rows = parse(file.readAll());

    ASSERT_EQ(rows.size(), 4);
    const QByteArrayList& heading = rows[0];
    EXPECT_EQ(heading[0], "time_s");
    QList<uint8_t> pids;
    for (uint8_t pid : r.Header.PidMap)
        if (!pids.contains(pid))
            pids << pid;
    ASSERT_EQ(heading.size(), pids.size() + 1);
    EXPECT_TRUE(heading.contains("PID 1 Engine speed (rpm)"));
    EXPECT_TRUE(heading.contains("PID 16 Coolant temperature (degC)"));
    for (const auto& row : rows)
        EXPECT_EQ(row.size(), heading.size()) << "regular rows";
    EXPECT_EQ(rows[1][0], "1.000");
    EXPECT_EQ(rows[2][0], "1.250");
    EXPECT_EQ(rows[3][0], "1.500");

    const qsizetype column = heading.indexOf(RecordingCsv::columnName(firstPid).toUtf8());
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
    const qsizetype frame12
        = lateRows[0].indexOf(RecordingCsv::columnName(late.Header.PidMap[12 * 4 + 3]).toUtf8());
    ASSERT_GT(frame12, 0);
    EXPECT_EQ(lateRows[1][frame12], "");
    EXPECT_NE(lateRows[2][frame12], "");

    EXPECT_THROW(RecordingCsv::write(r, dir.file("none/out.csv")), VeskorError);
}
