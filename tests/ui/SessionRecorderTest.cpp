// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/model/SessionRecorder.h"

#include "common/Texts.h"
#include "recording/RecordingFile.h"
#include "recording/RecordingWriter.h"
#include "support/FullDisk.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// What the window fills in as a recording begins.
void fillTable(RecordingHeader& h)
{
    h.Table = 'T';
    h.Calibration = QStringLiteral("4BAA");
    h.ModuleVersion = QStringLiteral("1.23 (AB001)");
    for (size_t i = 0; i < h.PidMap.size(); ++i)
        h.PidMap[i] = uint8_t(0x43 + i);
}

std::vector<RecordingEntry> recordingsOf(const QString& home, const QString& vehicle)
{
    return RecordingFile::list(SessionRecorder::folder(home, vehicle));
}

} // namespace

TEST(SessionRecorder, RecordsEachStreamFromItsFirstWordToTheClearedSlots)
{
    TempDir home;
    SessionRecorder recorder(home.path(), fillTable);
    int finished = 0;
    QObject::connect(&recorder, &SessionRecorder::finished, [&finished] { ++finished; });
    recorder.setVehicle("Escort 1.6 / синий");

    // The handshake's words are no session.
    recorder.onWord(0xB1, 0xA04B, false);
    EXPECT_FALSE(recorder.recording());
    recorder.onLimit(0x10, 99.5f, false); // no recording runs: nowhere to mark it
    for (int i = 0; i < 300; ++i) {
        recorder.onWord(quint8(i % 96), quint16(0xA000 + i), true);
        if (i == 150)
            recorder.onLimit(0x10, 112.5f, true);
    }
    EXPECT_TRUE(recorder.recording());
    recorder.onWord(0x10, 0x1234, false); // a word of no stream is not recorded
    recorder.onSlotsCleared();
    EXPECT_FALSE(recorder.recording());
    ASSERT_EQ(finished, 1);

    // Inside Recordings, in the vehicle's folder made safe, named by date and time.
    const QString folder = SessionRecorder::folder(home.path(), "Escort 1.6 / синий");
    EXPECT_EQ(QFileInfo(folder).dir().dirName(), "Recordings");
    EXPECT_EQ(QDir(folder).dirName(), "Escort 1.6 _ синий");
    const auto entries = RecordingFile::list(folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Path, recorder.path());
    EXPECT_LT(qAbs(entries[0].Started.secsTo(QDateTime::currentDateTime())), 10);

    const Recording read = RecordingFile::read(recorder.path());
    ASSERT_EQ(read.Marks.size(), 1u) << "the alarm during the stream, not the one before it";
    EXPECT_EQ(read.Marks[0].Pid, 0x10);
    EXPECT_EQ(read.Marks[0].Level, RecordedMark::Alarm);
    EXPECT_EQ(read.Marks[0].Value, 112.5f);
    EXPECT_LE(read.Marks[0].TimeMs, read.durationMs());
    const RecordingHeader& h = read.Header;
    EXPECT_EQ(h.Vehicle, "Escort 1.6 / синий");
    EXPECT_EQ(h.Calibration, "4BAA");
    EXPECT_EQ(h.ModuleVersion, "1.23 (AB001)");
    EXPECT_EQ(h.Table, 'T');
    EXPECT_EQ(h.PidMap[63], 0x43 + 63);
    ASSERT_EQ(read.Words.size(), 300u);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(read.Words[size_t(i)].Slot, i % 96);
        EXPECT_EQ(read.Words[size_t(i)].Word, 0xA000 + i);
    }

    // The next stream is a file of its own, even within the same second.
    recorder.onWord(0x12, 0xA001, true);
    recorder.onSlotsCleared();
    EXPECT_EQ(recordingsOf(home.path(), "Escort 1.6 / синий").size(), 2u);
}

TEST(SessionRecorder, OffRecordsNothingAndEndsTheRecordingUnderWay)
{
    TempDir home;
    SessionRecorder recorder(home.path(), fillTable);
    recorder.setEnabled(false);
    recorder.onWord(0x12, 0xA001, true);
    recorder.onSlotsCleared();
    EXPECT_FALSE(QDir(home.file("Recordings")).exists());

    recorder.setEnabled(true);
    recorder.onWord(0x12, 0xA001, true);
    ASSERT_TRUE(recorder.recording());
    recorder.setEnabled(false);
    EXPECT_FALSE(recorder.recording());
    recorder.onWord(0x13, 0xA002, true);
    EXPECT_EQ(RecordingFile::read(recorder.path()).Words.size(), 1u);
    // No vehicle: the recordings folder itself.
    EXPECT_EQ(recordingsOf(home.path(), QString()).size(), 1u);
}

TEST(SessionRecorder, APausedStreamIsOnDiskWithinASecondAndAFailureIsToldOnce)
{
    TempDir home;
    SessionRecorder recorder(home.path(), fillTable);
    recorder.onWord(0x12, 0xA001, true);
    const QString path = recorder.path();
    const qint64 header = QFileInfo(path).size();
    // No further word: the recorder's own timer writes the open block.
    QElapsedTimer wait;
    wait.start();
    while (QFileInfo(path).size() == header && wait.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_LT(wait.elapsed(), 1600);
    EXPECT_EQ(RecordingFile::read(path).Words.size(), 1u);
    recorder.stop();

    // A program directory where no folder can be made: told once per stream, no recording.
    const QString blocked = home.write("blocked", "a file, not a folder");
    SessionRecorder failing(blocked, fillTable);
    int failed = 0;
    QObject::connect(&failing, &SessionRecorder::failed, [&failed] { ++failed; });
    for (int i = 0; i < 10; ++i)
        failing.onWord(0x12, 0xA001, true);
    EXPECT_FALSE(failing.recording());
    EXPECT_EQ(failed, 1);
    failing.onSlotsCleared();
    failing.onWord(0x12, 0xA001, true);
    EXPECT_EQ(failed, 2);
}

TEST(SessionRecorder, AFullDiskIsToldInRussianAndLeavesNoRecordingWithoutWords)
{
    // When the disk fills: before the first word (the header fails), after the header but
    // before the first block, and after a block (which the file keeps).
    enum class FullAt { Start, FirstBlock, SecondBlock };
    struct Case {
        const char* name;
        FullAt at;
        size_t wordsKept;
    };
    const auto feed = [](SessionRecorder& recorder, uint32_t from, uint32_t count) {
        // Words that do not pack away: a block fills more than a page of the disk.
        for (uint32_t i = from; i < from + count; ++i)
            recorder.onWord(quint8(i), quint16((i * 2654435761u) >> 16), true);
    };
    const uint32_t block = uint32_t(RecordingWriter::BlockWords);
    for (const Case& c :
        { Case { "start", FullAt::Start, 0 }, Case { "first block", FullAt::FirstBlock, 0 },
            Case { "second block", FullAt::SecondBlock, block } }) {
        SCOPED_TRACE(c.name);
        FullDisk disk;
        const QString folder = SessionRecorder::folder(disk.path(), QString());
        ASSERT_TRUE(QDir().mkpath(folder));
        SessionRecorder recorder(disk.path(), fillTable);
        QStringList told;
        QObject::connect(&recorder, &SessionRecorder::failed,
            [&told](const QString& message) { told.append(message); });
        if (c.at == FullAt::Start) {
            ASSERT_TRUE(disk.fill());
        }
        feed(recorder, 0, 1);
        if (c.at == FullAt::SecondBlock)
            feed(recorder, 1, block); // the first block is written
        if (c.at != FullAt::Start) {
            ASSERT_TRUE(disk.fill());
        }
        feed(recorder, 2 * block, 2 * block);
        recorder.stop();

        ASSERT_EQ(told.size(), 1) << qPrintable(told.join('\n'));
        const QStringList files = QDir(folder).entryList({ "*.vrec" }, QDir::Files);
        ASSERT_EQ(files.size(), c.wordsKept ? 1 : 0) << qPrintable(files.join(' '));
        if (c.wordsKept) {
            EXPECT_EQ(
                RecordingFile::read(QDir(folder).filePath(files[0])).Words.size(), c.wordsKept);
        }
        // The message is the window's: Russian, the reason too.
        EXPECT_TRUE(told[0].startsWith(
            Texts::text(Texts::RecordingWriteFailed).section(QLatin1Char('%'), 0, 0)))
            << qPrintable(told[0]);
        EXPECT_EQ(told[0].section(QStringLiteral(": "), -1),
            Texts::text(disk.mounted() ? Texts::SystemErrorNoSpace : Texts::SystemErrorTooLarge));
    }
}
