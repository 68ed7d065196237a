// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The comparison of two visits' dumps without widgets: the list of dumps, the changes and
// their colours, and the checksum state of dumps that do not reach the tables.
#include "ui/model/AdaptComparison.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr uint16_t Area = 0x0B00;
constexpr uint16_t Sum = 0x0BAC;

// An image with the adaptive area filled with one byte and a matching stored checksum.
QByteArray imageWith(uint8_t fill)
{
    QByteArray bytes(65536, '\0');
    uint32_t sum = 0;
    for (int i = 0; i < MemoryView::AdaptiveBytes; ++i) {
        bytes[Area + i] = char(fill);
        sum += fill;
    }
    bytes[Sum] = char(sum & 0xFF);
    bytes[Sum + 1] = char(sum >> 8);
    return bytes;
}

void setTime(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

TEST(AdaptComparison, ChangesPerCellWithColoursAndChecksums)
{
    const QByteArray older = imageWith(0x80);
    QByteArray newer = imageWith(0x80);
    newer[Area + 0] = char(0xA0); // row 0, column 0 rose
    newer[Area + 79] = char(0x60); // row 7, column 9 fell
    newer[Area + 83] = char(0x81); // idle row 3 rose by one
    // The newer dump's stored checksum no longer matches its tables.
    const AdaptComparison c(older, newer, Area, Sum);
    EXPECT_EQ(c.delta(0, 0), 0x20);
    EXPECT_EQ(c.delta(7, 9), -0x20);
    EXPECT_EQ(c.delta(0, 1), 0);
    EXPECT_EQ(c.delta(7, 8), 0);
    EXPECT_EQ(c.idleDelta(3), 1);
    EXPECT_EQ(c.idleDelta(2), 0);
    EXPECT_EQ(c.changed(), 3);
    EXPECT_EQ(c.older().Tables.Cells[0][0], "1.000");
    EXPECT_EQ(c.newer().Tables.Cells[0][0], "1.125");
    EXPECT_EQ(c.newer().Tables.Idle[3], "1.004");
    EXPECT_TRUE(c.older().Covered);
    EXPECT_TRUE(c.older().Tables.ChecksumMatches);
    EXPECT_TRUE(c.newer().Covered);
    EXPECT_FALSE(c.newer().Tables.ChecksumMatches);

    // A rise tints red, a fall green, as deep as a factor that far from 1.
    EXPECT_EQ(AdaptComparison::deltaColour(0x20, 500), QColor(255, 192, 192));
    EXPECT_EQ(AdaptComparison::deltaColour(-0x20, 500), QColor(192, 255, 192));
    EXPECT_EQ(AdaptComparison::deltaColour(-0xFF, 1000), QColor(0, 255, 0));
    EXPECT_FALSE(AdaptComparison::deltaColour(0, 500).has_value());
    EXPECT_EQ(AdaptComparison::deltaText(0x20), "+0.125");
    EXPECT_EQ(AdaptComparison::deltaText(-3), "−0.012");
    EXPECT_EQ(AdaptComparison::deltaText(0), "0.000");
}

TEST(AdaptComparison, ShortDumpIsNotCoveredAndReadsZeroBeyondItsEnd)
{
    const QByteArray full = imageWith(0xA0);
    // It ends inside the tables: what lies beyond reads as 0, and its checksum means nothing.
    const QByteArray cut = full.left(Area + 10);
    const AdaptComparison c(cut, full, Area, Sum);
    EXPECT_FALSE(c.older().Covered);
    EXPECT_TRUE(c.newer().Covered);
    EXPECT_EQ(c.older().Tables.Cells[0][9], "1.125");
    EXPECT_EQ(c.older().Tables.Cells[1][0], "0.500");
    EXPECT_EQ(c.delta(0, 9), 0);
    EXPECT_EQ(c.delta(1, 0), 0xA0);
    // One that reaches the tables but not the stored checksum is not covered either.
    EXPECT_FALSE(AdaptComparison(full.left(Sum + 1), full, Area, Sum).older().Covered);
    EXPECT_TRUE(AdaptComparison(full.left(Sum + 2), full, Area, Sum).older().Covered);
    // Tables at the top of memory wrap to address 0: a short file misses their start.
    EXPECT_FALSE(AdaptComparison(full.left(0x100), full, 0xFFF0, 0x0010).older().Covered);
    EXPECT_TRUE(AdaptComparison(full, full, 0xFFF0, 0x0010).older().Covered);
}

TEST(AdaptComparison, DumpsListedNewestFirst)
{
    TempDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.file("Dumps")));
    dir.write("Dumps/a.bin", imageWith(1));
    dir.write("Dumps/b.bin", QByteArray(100, '\0'));
    dir.write("Dumps/c.bin", imageWith(2));
    dir.write("Dumps/notes.txt", "not a dump");
    const QDateTime base(QDate(2024, 5, 1), QTime(10, 0));
    setTime(dir.file("Dumps/a.bin"), base.addDays(2));
    setTime(dir.file("Dumps/b.bin"), base);
    setTime(dir.file("Dumps/c.bin"), base.addDays(1));

    const QList<AdaptComparison::Dump> dumps = AdaptComparison::listDumps(dir.file("Dumps"));
    ASSERT_EQ(dumps.size(), 3);
    EXPECT_EQ(dumps[0].Name, "a.bin");
    EXPECT_EQ(dumps[1].Name, "c.bin");
    EXPECT_EQ(dumps[2].Name, "b.bin");
    EXPECT_EQ(dumps[0].Time, base.addDays(2));
    EXPECT_EQ(dumps[2].Size, 100);
    EXPECT_TRUE(AdaptComparison::listDumps(dir.file("none")).isEmpty());

    EXPECT_EQ(AdaptComparison::readDump(dumps[0].Path), imageWith(1));
    dir.write("Dumps/long.bin", QByteArray(70000, '\x01'));
    EXPECT_EQ(AdaptComparison::readDump(dir.file("Dumps/long.bin")).size(), 65536);
    EXPECT_TRUE(AdaptComparison::readDump(dir.file("Dumps/missing.bin")).isEmpty());
}
