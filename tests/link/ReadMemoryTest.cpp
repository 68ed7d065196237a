// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ExchangeTestSupport.h"
#include "sim/SimMemory.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr int32_t range(int first, int end)
{
    return int32_t(uint32_t(first) | uint32_t(end) << 16);
}

// cmdDumpRange carries its tag in the high word of wParam.
bool readRange(LinkHarness& h, uint16_t tag, int32_t rows)
{
    return runWide(h, Link::cmdDumpRange, tag, rows);
}

QByteArray image(const TCommThread& link, int from, int to)
{
    QByteArray bytes;
    for (int a = from; a < to; ++a)
        bytes.append(char(link.MemImage(uint16_t(a))));
    return bytes;
}

QByteArray simImage(int from, int to)
{
    return SimMemory::image().mid(from, to - from);
}

QList<int32_t> progress(const LinkRecorder& recorder)
{
    return recorder.eventArgs(Link::evDumpProgress);
}

// The one line of a run of missing bytes, to (exclusive).
QString offsetErrors(int from, int to)
{
    return logLine(Texts::LogOffsetRangeError,
        { hexDigits(unsigned(from), 4), hexDigits(unsigned(to - 1), 4) });
}

} // namespace

TEST(LinkMemoryRead, AdaptiveTablesRangeWithTag)
{
    ExchangeHarness h;
    TempDir dir;
    h.link->setDumpFile(dir.file("never.bin"));
    // The memory page asks for the 12 rows from the car profile's address 0x0B00.
    ASSERT_TRUE(readRange(h, 1, range(0x0B0, 0x0BC)));
    EXPECT_EQ(h.sim->receivedLines(), commandLines({ "lD", "cI", "a0B00BC" }));
    // No port object yet: a fresh one without a handshake.
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { logLine(Texts::LogPortInit),
            logLine(Texts::LogDumpCommand, { "0B0", "0BC" }), logLine(Texts::LogOffsetMapInit),
            logLine(Texts::LogDataStart), logLine(Texts::LogDataCheck),
            logLine(Texts::LogDataOk) }));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 65536 });
    EXPECT_EQ(image(*h.link, 0x0B00, 0x0BC0), simImage(0x0B00, 0x0BC0));
    // The stored checksum of the tables lies inside the range and matches their sum.
    EXPECT_EQ(h.link->MemImage(0x0BAC) | h.link->MemImage(0x0BAD) << 8,
        SimMemory::adaptiveChecksum(SimMemory::image()));
    for (int a = 0x0B00; a < 0x0BC0; ++a)
        ASSERT_EQ(h.link->MemMarks(uint16_t(a)), 1) << a;
    EXPECT_EQ(h.link->MemMarks(0x0AFF), 0);
    EXPECT_FALSE(QFileInfo::exists(dir.file("never.bin")));
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
    const QList<int32_t> steps = progress(h.recorder);
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.last(), 0x0BC0);
    // Each step names the block last announced: the last block starts at 0x0B80.
    EXPECT_TRUE(steps.contains(0x0B80));
}

TEST(LinkMemoryRead, SavedDumpIsTheWholeImageWithEarlierReadsKept)
{
    ExchangeHarness h;
    TempDir dir;
    ASSERT_TRUE(readRange(h, 1, range(0x0B0, 0x0BC)));
    h.link->setDumpFile(dir.file("dump.bin"));
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0x010, 0x020)));
    EXPECT_EQ(h.sim->receivedLines().last(), "a010020");
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), (QList<int32_t> { 65536, 0 }));
    EXPECT_EQ(h.recorder.Logs.last(), logLine(Texts::LogDataSaving));
    const QByteArray file = dir.read("dump.bin");
    ASSERT_EQ(file.size(), 65536);
    EXPECT_EQ(file.mid(0x100, 0x100), simImage(0x100, 0x200));
    EXPECT_EQ(file.mid(0x0B00, 0xC0), simImage(0x0B00, 0x0BC0));
    EXPECT_EQ(file.mid(0x0200, 0x100), QByteArray(0x100, '\0'));
}

TEST(LinkMemoryRead, FullDumpUnpaced)
{
    SimConfig config;
    config.Baud = 0;
    ExchangeHarness h(config);
    TempDir dir;
    h.link->setDumpFile(dir.file("full.bin"));
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0, 4095)));
    EXPECT_EQ(h.sim->receivedLines().last(), "a000FFF");
    ASSERT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 0 });
    EXPECT_EQ(progress(h.recorder).last(), 65520);
    EXPECT_EQ(dir.read("full.bin"), SimMemory::image());
}

// The module relays the ECU at 9600 baud behind a port at 115,200: the whole memory takes
// its ECU line time, far longer than the port's speed suggests, and still arrives whole.
TEST(LinkMemoryRead, FullDumpAtTheEcuSpeedBehindAFasterPort)
{
    SimConfig config;
    config.Baud = 115200;
    config.EcuBaud = 9600;
    // Fast enough for the whole memory, with 100 ms of real silence still a silence.
    constexpr double Scale = 0.05;
    ExchangeHarness h(config, Scale);
    TempDir dir;
    h.link->setDumpFile(dir.file("full.bin"));
    const auto start = std::chrono::steady_clock::now();
    h.link->post(Link::cmdDumpToFile, range(0, 4095));
    ASSERT_TRUE(h.recorder.waitDone(Link::cmdDumpToFile, std::chrono::seconds(120)));
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 0 })
        << qPrintable(h.recorder.Logs.join('\n'));
    EXPECT_EQ(dir.read("full.bin"), SimMemory::image());
    // The simulator kept the ECU's pace: 1024 blocks of 96 words of 40 bits at 9600 baud.
    const double ecuSeconds = 1024.0 * 96 * 40 / 9600;
    EXPECT_GE(took, std::chrono::duration<double>(ecuSeconds * Scale));
}

TEST(LinkMemoryRead, MissingBlockIsReportedAsOneRange)
{
    ExchangeHarness h(simWith({ SimFault::MemoryGap }));
    TempDir dir;
    h.link->setDumpFile(dir.file("gap.bin"));
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0x0A0, 0x0AC)));
    const QList<QString> expected = { logLine(Texts::LogDataCheck), offsetErrors(0x0A40, 0x0A80),
        logLine(Texts::LogDataErrors) };
    EXPECT_EQ(h.recorder.Logs.mid(h.recorder.Logs.indexOf(logLine(Texts::LogDataCheck))), expected);
    EXPECT_TRUE(h.recorder.eventArgs(Link::evDumpDone).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file("gap.bin")));
    EXPECT_EQ(image(*h.link, 0x0A80, 0x0AC0), simImage(0x0A80, 0x0AC0));
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
}

TEST(LinkMemoryRead, StreamThatNeverStartsMissesEveryByte)
{
    SimConfig config = simWith({ SimFault::StreamStops });
    config.StreamStopMs = 0;
    ExchangeHarness h(config);
    ASSERT_TRUE(readRange(h, 1, range(0x0A0, 0x0A2)));
    EXPECT_EQ(h.recorder.Logs.mid(h.recorder.Logs.size() - 3),
        (QList<QString> { logLine(Texts::LogDataCheck), offsetErrors(0x0A00, 0x0A20),
            logLine(Texts::LogDataErrors) }));
    EXPECT_EQ(h.recorder.Logs.last(), logLine(Texts::LogDataErrors));
    EXPECT_TRUE(h.recorder.eventArgs(Link::evDumpDone).isEmpty());
}

TEST(LinkMemoryRead, UnacknowledgedSetUpEndsWithTheClosingStep)
{
    struct Case {
        SimFault fault;
        QList<QByteArray> lines;
        const char* lastLog;
    };
    for (const Case& c :
        { Case { SimFault::TableRefused, commandLines({ "lD" }), Texts::LogDumpCommand },
            Case { SimFault::NoAck, commandLines({ "lD", "cI" }), Texts::LogOffsetMapInit } }) {
        ExchangeHarness h(simWith({ c.fault }));
        TempDir dir;
        h.link->setDumpFile(dir.file("none.bin"));
        ASSERT_TRUE(h.run(Link::cmdConnect, 1));
        h.recorder.clear();
        ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0, 4)));
        EXPECT_EQ(h.sim->receivedLines().mid(4), c.lines);
        EXPECT_TRUE(h.recorder.Logs.last().startsWith(QString(Texts::text(c.lastLog)).left(10)));
        EXPECT_TRUE(h.recorder.Events.isEmpty())
            << h.recorder.eventNames().join(", ").toStdString();
        EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
        EXPECT_FALSE(QFileInfo::exists(dir.file("none.bin")));
        // The port was closed: the next exchange begins with a handshake.
        ASSERT_TRUE(h.run(Link::cmdFaultTest, 'B'));
        EXPECT_EQ(h.sim->receivedLines().count("v"), 2);
    }
}

TEST(LinkMemoryRead, EmptyRangeChecksNothingAndSaves)
{
    ExchangeHarness h;
    TempDir dir;
    h.link->setDumpFile(dir.file("empty.bin"));
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(5, 5)));
    EXPECT_EQ(h.sim->receivedLines().last(), "a005005");
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 0 });
    EXPECT_EQ(dir.read("empty.bin"), QByteArray(65536, '\0'));
}

TEST(LinkMemoryRead, FailedSaveLeavesNoFileAndSaysWhy)
{
    ExchangeHarness h;
    TempDir dir;
    const QString target = dir.file("missing-folder/dump.bin");
    h.link->setDumpFile(target);
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0, 4)));
    ASSERT_GE(h.recorder.Logs.size(), 2);
    EXPECT_EQ(h.recorder.Logs[h.recorder.Logs.size() - 2], logLine(Texts::LogDataSaving));
    EXPECT_TRUE(h.recorder.Logs.last().startsWith(
        Texts::text(Texts::LogDumpSaveError).arg(target, QString())));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);
    // A file that exists is replaced whole or not at all.
    dir.write("old.bin", "old");
    h.link->setDumpFile(dir.file("old.bin"));
    ASSERT_TRUE(h.run(Link::cmdDumpToFile, range(0, 4)));
    EXPECT_EQ(dir.read("old.bin").size(), 65536);
}

TEST(LinkMemoryRead, RowsBeyondThreeDigitsAreTheLastRow)
{
    ExchangeHarness h;
    ASSERT_TRUE(readRange(h, 2, range(0xFFFF, 0xFFFF)));
    EXPECT_EQ(h.sim->receivedLines().last(), "aFFFFFF");
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 2 << 16 });
}

TEST(LinkMemoryRead, RealSpeedAdaptiveTables)
{
    ExchangeHarness h({}, 1.0);
    ASSERT_TRUE(readRange(h, 1, range(0x0B0, 0x0BC)));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 65536 });
    EXPECT_EQ(image(*h.link, 0x0B00, 0x0BC0), simImage(0x0B00, 0x0BC0));
}

// A stop ends the running read at its next check, names what did not come, and keeps a read
// still queued from beginning; the image can be written only once no read is pending.
TEST(LinkMemoryRead, StopEndsTheReadAndNamesTheMissingBytes)
{
    ExchangeHarness h;
    TempDir dir;
    h.link->setDumpFile(dir.file("stopped.bin"));
    h.link->post(Link::cmdDumpToFile, range(0, 4095));
    h.link->post(Link::cmdDumpRange | 1u << 16, range(0x0B0, 0x0BC));
    EXPECT_TRUE(h.link->memoryReadPending());
    ASSERT_TRUE(h.recorder.waitFor([&] { return progress(h.recorder).size() >= 3; }));
    ASSERT_EQ(h.link->LinkMode(), Link::lmMemoryRead);
    EXPECT_FALSE(h.link->loadMemImage(QByteArray(16, '\x55')));
    EXPECT_NE(h.link->MemImage(0x000F), 0x55);

    h.link->cancelMemoryReads();
    ASSERT_TRUE(h.recorder.waitFor([&] { return h.recorder.Done.count(Link::cmdDumpRange) == 1; }));
    EXPECT_FALSE(h.link->memoryReadPending());
    const QList<QString>& logs = h.recorder.Logs;
    const qsizetype stop = logs.indexOf(logLine(Texts::LogMemoryReadCancelled));
    ASSERT_GE(stop, 0);
    ASSERT_GE(logs.size(), stop + 4);
    EXPECT_EQ(logs[stop + 1], logLine(Texts::LogDataCheck));
    // The stream was cut long before the top: the last run of missing bytes ends there.
    const qsizetype summary = logs.indexOf(logLine(Texts::LogDataErrors), stop);
    ASSERT_GT(summary, stop + 1);
    EXPECT_TRUE(logs[summary - 1].endsWith("–FFEF!")) << qPrintable(logs[summary - 1]);
    // The queued read gave up before a command reached the module.
    EXPECT_EQ(logs.last(), logLine(Texts::LogMemoryReadCancelled));
    EXPECT_EQ(h.sim->receivedLines().count("lD"), 1);
    EXPECT_TRUE(h.recorder.eventArgs(Link::evDumpDone).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file("stopped.bin")));
    EXPECT_EQ(h.link->LinkMode(), Link::lmIdle);

    // Now the image takes a file's bytes, and the next read is not cancelled.
    EXPECT_TRUE(h.link->loadMemImage(QByteArray(16, '\x55')));
    EXPECT_EQ(h.link->MemImage(0x000F), 0x55);
    ASSERT_TRUE(readRange(h, 1, range(0x0B0, 0x0BC)));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 65536 });
}
