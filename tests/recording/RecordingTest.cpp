// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/Errors.h"
#include "common/WordPacket.h"
#include "recording/RecordingCodec.h"
#include "recording/RecordingFile.h"
#include "recording/RecordingWriter.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <zlib.h>

namespace {

RecordingHeader sampleHeader()
{
    RecordingHeader h;
    h.Started = QDateTime(QDate(2026, 3, 5), QTime(14, 7, 33, 250));
    h.Table = 'T';
    for (size_t i = 0; i < h.PidMap.size(); ++i)
        h.PidMap[i] = uint8_t(i * 3 + 1);
    h.Calibration = QStringLiteral("4BAA");
    h.ModuleVersion = QStringLiteral("1.23 (AB001)");
    h.Vehicle = QStringLiteral("Эскорт «синий»");
    return h;
}

// Words of every slot with every kind of value, checked or not, some at one time, with a
// pause of several seconds in the middle: several blocks.
std::vector<RecordedWord> sampleWords(int count, uint32_t seed = 7)
{
    std::mt19937 random(seed);
    std::vector<RecordedWord> words;
    uint32_t time = 0;
    for (int i = 0; i < count; ++i) {
        time += random() % 3;
        if (i == count / 2)
            time += 4321;
        words.push_back({ time, uint8_t(i % 256), uint16_t(random()) });
    }
    return words;
}

std::vector<RecordedWord> writeFile(const QString& path, const RecordingHeader& header,
    const std::vector<RecordedWord>& words, std::vector<qint64>* blockEnds = nullptr)
{
    RecordingWriter writer(path, header);
    qint64 size = writer.bytesWritten();
    for (const RecordedWord& w : words) {
        writer.append(w.Slot, w.Word, w.TimeMs);
        if (blockEnds && writer.bytesWritten() != size)
            blockEnds->push_back(size = writer.bytesWritten());
    }
    writer.close();
    if (blockEnds && writer.bytesWritten() != size)
        blockEnds->push_back(writer.bytesWritten());
    return words;
}

void expectSameWords(
    const std::vector<RecordedWord>& read, const std::vector<RecordedWord>& written, size_t count)
{
    ASSERT_EQ(read.size(), count);
    for (size_t i = 0; i < count; ++i) {
        ASSERT_EQ(read[i].TimeMs, written[i].TimeMs) << i;
        ASSERT_EQ(read[i].Slot, written[i].Slot) << i;
        ASSERT_EQ(read[i].Word, written[i].Word) << i;
    }
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t crc(const QByteArray& bytes, qsizetype from, qsizetype size, uint32_t start = 0)
{
    return uint32_t(
        ::crc32(start, reinterpret_cast<const Bytef*>(bytes.constData() + from), uInt(size)));
}

} // namespace

TEST(Recording, RoundTripKeepsTheHeaderAndEveryWord)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    const RecordingHeader header = sampleHeader();
    const auto words = writeFile(path, header, sampleWords(20000));

    const Recording read = RecordingFile::read(path);
    EXPECT_TRUE(read.Note.isEmpty()) << read.Note.toStdString();
    EXPECT_EQ(read.LostBytes, 0);
    const RecordingHeader& h = read.Header;
    EXPECT_EQ(h.Started, header.Started);
    const QString wallTime = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
    EXPECT_EQ(h.Started.toString(wallTime), header.Started.toString(wallTime));
    EXPECT_EQ(h.Table, 'T');
    EXPECT_EQ(h.PidMap, header.PidMap);
    EXPECT_EQ(h.Calibration, header.Calibration);
    EXPECT_EQ(h.ModuleVersion, header.ModuleVersion);
    EXPECT_EQ(h.Vehicle, header.Vehicle);
    expectSameWords(read.Words, words, words.size());
    EXPECT_EQ(read.durationMs(), words.back().TimeMs);

    // An empty session: the header alone.
    writeFile(dir.file("empty.vrec"), RecordingHeader {}, {});
    const Recording empty = RecordingFile::read(dir.file("empty.vrec"));
    EXPECT_TRUE(empty.Words.empty());
    EXPECT_FALSE(empty.Header.Started.isValid());
    EXPECT_TRUE(empty.Note.isEmpty());
}

TEST(Recording, WriterClosesABlockPerSecondAndOnAPause)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    RecordingWriter writer(path, sampleHeader());
    const qint64 header = writer.bytesWritten();
    EXPECT_EQ(readBytes(path).size(), header) << "the header is written at once";
    writer.append(0x01, 0xA123, 10);
    writer.append(0x02, 0xA124, 1009);
    EXPECT_EQ(readBytes(path).size(), header) << "a block of less than a second stays open";
    writer.flushIfOlder(1009);
    EXPECT_EQ(readBytes(path).size(), header);
    // The stream pauses: the caller's timer writes the open block out.
    writer.flushIfOlder(1010);
    EXPECT_GT(readBytes(path).size(), header);
    EXPECT_EQ(RecordingFile::read(path).Words.size(), 2u) << "readable while written";

    const qint64 one = writer.bytesWritten();
    writer.append(0x03, 0xA000, 1500);
    writer.append(0x04, 0xA000, 2499);
    EXPECT_EQ(writer.bytesWritten(), one);
    writer.append(0x05, 0xA000, 2500); // a second after the block's first word
    EXPECT_GT(writer.bytesWritten(), one);
    // Words without a time between them still close a block now and then.
    const qint64 two = writer.bytesWritten();
    for (size_t i = 0; i < RecordingWriter::BlockWords; ++i)
        writer.append(0x07, 0xA000, 2500);
    EXPECT_GT(writer.bytesWritten(), two);
    // A time that goes back is kept in order.
    writer.append(0x06, 0xA000, 100);
    writer.close();
    const Recording read = RecordingFile::read(path);
    ASSERT_EQ(read.Words.size(), 6u + RecordingWriter::BlockWords);
    EXPECT_EQ(read.Words.back().TimeMs, 2500u);
    EXPECT_EQ(writer.wordCount(), 6u + RecordingWriter::BlockWords);

    EXPECT_THROW(RecordingWriter(dir.file("none/a.vrec"), {}), VeskorError);
}

// The moments a value went past a limit are kept beside the words of their second, come
// back in order, are written by a pause like words, and a damaged mark costs only its block.
TEST(Recording, LimitMarksGoWithTheirSecondAndComeBack)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    RecordingWriter writer(path, sampleHeader());
    const qint64 header = writer.bytesWritten();
    writer.append(0x02, 0xA123, 100);
    const RecordedMark hot { 300, 0x10, RecordedMark::Alarm, 112.5f };
    writer.mark(hot);
    writer.mark({ 250, 0x11, RecordedMark::Warning, 11.9f }); // back in time: kept in order
    writer.flushIfOlder(1099);
    EXPECT_EQ(writer.bytesWritten(), header);
    writer.flushIfOlder(1100); // a second after the first word
    const qint64 first = writer.bytesWritten();
    EXPECT_GT(first, header);
    // Marks alone, the stream paused, still go out a second later.
    writer.mark({ 5000, 0x01, RecordedMark::Warning, 5600 });
    writer.flushIfOlder(5999);
    EXPECT_EQ(writer.bytesWritten(), first);
    writer.flushIfOlder(6000);
    EXPECT_GT(writer.bytesWritten(), first);
    writer.append(0x02, 0xA124, 6100);
    writer.close();
    EXPECT_EQ(writer.markCount(), 3u);

    const Recording read = RecordingFile::read(path);
    EXPECT_TRUE(read.Note.isEmpty()) << read.Note.toStdString();
    EXPECT_EQ(read.Words.size(), 2u);
    const std::vector<RecordedMark> expected { hot, { 300, 0x11, RecordedMark::Warning, 11.9f },
        { 5000, 0x01, RecordedMark::Warning, 5600 } };
    EXPECT_EQ(read.Marks, expected);

    // A marks block whose level no writer makes is damage: its bytes are lost, the rest read.
    const QByteArray whole = readBytes(path);
    const QByteArray bad
        = RecordingCodec::encodeMarks(std::vector<RecordedMark> { { 7000, 0x10, 9, 1.0f } });
    const Recording damaged = RecordingFile::fromBytes(whole + bad, path);
    EXPECT_EQ(damaged.LostBytes, bad.size());
    EXPECT_EQ(damaged.Marks, expected);
    EXPECT_EQ(damaged.Words.size(), 2u);
}

TEST(Recording, TornOrDamagedBlocksCostOnlyThemselves)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    std::vector<qint64> ends;
    const auto words = writeFile(path, sampleHeader(), sampleWords(6000), &ends);
    ASSERT_GE(ends.size(), 4u);
    const QByteArray whole = readBytes(path);
    ASSERT_EQ(ends.back(), whole.size());
    const qint64 lastStart = ends[ends.size() - 2];
    const auto before = RecordingFile::read(path).Words.size();
    size_t inLast = 0;
    {
        RecordingCodec::decodeBlock(whole, lastStart);
        inLast = RecordingCodec::decodeBlock(whole, lastStart)->Words.size();
    }

    // A crash while the last block was written: every length of it.
    for (qint64 cut = lastStart; cut < whole.size(); ++cut) {
        const Recording read = RecordingFile::fromBytes(whole.left(cut), path);
        expectSameWords(read.Words, words, before - inLast);
        EXPECT_EQ(read.LostBytes, cut - lastStart) << cut;
        EXPECT_EQ(read.Note.isEmpty(), cut == lastStart) << cut;
    }

    // A flipped byte in the second block: the blocks after it are still read.
    QByteArray damaged = whole;
    damaged[ends[0] + 40] = char(damaged[ends[0] + 40] ^ 0x10);
    const Recording read = RecordingFile::fromBytes(damaged, path);
    const auto inSecond = RecordingCodec::decodeBlock(whole, ends[0])->Words.size();
    EXPECT_EQ(read.Words.size(), before - inSecond);
    EXPECT_EQ(read.LostBytes, ends[1] - ends[0]);
    EXPECT_FALSE(read.Note.isEmpty());
    EXPECT_EQ(read.Words.back().TimeMs, words.back().TimeMs);
}

TEST(Recording, GarbageIsAClearErrorAndALaterVersionStillReads)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    const auto words = writeFile(path, sampleHeader(), sampleWords(3000));
    const QByteArray whole = readBytes(path);

    const auto refused = [&](const QByteArray& bytes, const char* why) {
        try {
            RecordingFile::fromBytes(bytes, path);
            ADD_FAILURE() << "read: " << why;
        } catch (const VeskorError& error) {
            EXPECT_TRUE(error.message().contains(path)) << why;
        }
    };
    refused({}, "empty");
    refused("PK\x03\x04 not a recording at all", "other file");
    refused(whole.left(12), "header cut");
    refused(whole.left(30), "fields cut");
    QByteArray bad = whole;
    bad[20] = char(bad[20] ^ 1);
    refused(bad, "header CRC");
    std::mt19937 random(3);
    for (int i = 0; i < 200; ++i) {
        QByteArray noise = whole.left(16 + int(random() % 200));
        for (int k = 0; k < 8; ++k)
            noise[int(8 + random() % (noise.size() - 8))] = char(random());
        try {
            RecordingFile::fromBytes(noise, path);
        } catch (const VeskorError&) {
        }
    }
    EXPECT_THROW(RecordingFile::read(dir.file("none.vrec")), VeskorError);

    // A later version: a field and a kind of block this one does not know, and the
    // oldest version able to read it still this one. Both are skipped.
    RecordingHeader header;
    qsizetype headerBytes = 0;
    ASSERT_EQ(
        RecordingCodec::decodeHeader(whole, header, headerBytes), RecordingCodec::HeaderResult::Ok);
    QByteArray later = whole.left(headerBytes - 4);
    const QByteArray extra = QByteArray::fromHex("6300"
                                                 "03000000"
                                                 "414243");
    later += extra;
    qToLittleEndian<uint16_t>(7, later.data() + 8);
    qToLittleEndian<uint32_t>(uint32_t(later.size() - 16), later.data() + 12);
    QByteArray crcBytes(4, 0);
    qToLittleEndian<uint32_t>(crc(later, 0, later.size()), crcBytes.data());
    later += crcBytes;
    QByteArray unknown = QByteArray::fromHex("5652424B"
                                             "0900"
                                             "0000"
                                             "00000000"
                                             "00000000"
                                             "00000000"
                                             "05000000"
                                             "00000000"
                                             "0102030405");
    qToLittleEndian<uint32_t>(crc(unknown, 28, 5, crc(unknown, 4, 20)), unknown.data() + 24);
    later += unknown;
    later += whole.mid(headerBytes);
    const Recording read = RecordingFile::fromBytes(later, path);
    EXPECT_TRUE(read.Note.isEmpty()) << read.Note.toStdString();
    EXPECT_EQ(read.Header.Vehicle, sampleHeader().Vehicle);
    expectSameWords(read.Words, words, words.size());
    // One that this version cannot read says so.
    qToLittleEndian<uint16_t>(2, later.data() + 10);
    refused(later, "newer");
}

// A file cut anywhere inside its header is refused as a damaged header, and the reader
// never looks past the end: each cut is read from a heap buffer of exactly its length, so a
// sanitizer build sees a byte read beyond it.
TEST(Recording, AHeaderCutAtAnyLengthIsRefusedWithoutReadingPastIt)
{
    TempDir dir;
    const QString path = dir.file("a.vrec");
    writeFile(path, sampleHeader(), sampleWords(100));
    const QByteArray whole = readBytes(path);
    RecordingHeader header;
    qsizetype headerBytes = 0;
    ASSERT_EQ(
        RecordingCodec::decodeHeader(whole, header, headerBytes), RecordingCodec::HeaderResult::Ok);
    ASSERT_GT(headerBytes, RecordingCodec::HeaderFixedBytes + 64);

    for (qsizetype cut = 0; cut < headerBytes; ++cut) {
        const auto buffer = std::make_unique<char[]>(size_t(cut));
        std::memcpy(buffer.get(), whole.constData(), size_t(cut));
        const QByteArray bytes = QByteArray::fromRawData(buffer.get(), cut);
        qsizetype read = -1;
        EXPECT_EQ(
            RecordingCodec::decodeHeader(bytes, header, read), RecordingCodec::HeaderResult::Short)
            << cut;
        EXPECT_EQ(read, -1) << cut;
        EXPECT_THROW(RecordingFile::fromBytes(bytes, path), VeskorError) << cut;
    }
}

TEST(Recording, ListsAFoldersRecordingsNewestFirst)
{
    TempDir dir;
    writeFile(dir.file("05.03.2026 14 07 33.vrec"), {}, {});
    writeFile(dir.file("12.11.2025 09 00 00.vrec"), {}, {});
    writeFile(dir.file("05.03.2026 16 00 00.vrec"), {}, {});
    writeBytes(dir.file("report.htm"), "<html>");
    const auto entries = RecordingFile::list(dir.path());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].Path.endsWith("05.03.2026 16 00 00.vrec"));
    EXPECT_TRUE(entries[1].Path.endsWith("05.03.2026 14 07 33.vrec"));
    EXPECT_TRUE(entries[2].Path.endsWith("12.11.2025 09 00 00.vrec"));
    EXPECT_EQ(entries[1].Started, QDateTime(QDate(2026, 3, 5), QTime(14, 7, 33)));
    EXPECT_GT(entries[0].Bytes, 0);
    EXPECT_TRUE(RecordingFile::list(dir.file("none")).empty());
}

TEST(Recording, AnHourAt115200BaudStaysWellUnder50MB)
{
    // veskor-sim at a paced 115,200 baud streams 2,520 words a second (of the 2,880 the line
    // could carry): 6 words a frame, 16 frames a cycle. The values here are noisier than the
    // simulator's: each drifts and jitters by a few counts from word to word.
    constexpr uint32_t WordsPerSecond = 2520;
    constexpr uint32_t Seconds = 3600;
    // The blocks the writer would write, a second each, without syncing an hour of them.
    std::mt19937 random(11);
    std::array<int, 256> value {};
    for (int& v : value)
        v = int(random() % 4096);
    qint64 bytes = RecordingCodec::encodeHeader(sampleHeader()).size();
    std::vector<RecordedWord> block;
    uint64_t n = 0;
    for (uint32_t s = 0; s < Seconds; ++s) {
        block.clear();
        for (uint32_t i = 0; i < WordsPerSecond; ++i, ++n) {
            const auto slot = uint8_t((n / 6 % 16) * 16 + n % 6);
            int& v = value[slot];
            v = std::clamp(v + int(random() % 7) - 3, 0, 4095);
            block.push_back(
                { s * 1000 + i * 1000 / WordsPerSecond, slot, WordPacket::encode(uint16_t(v)) });
        }
        bytes += RecordingCodec::encodeBlock(block).size();
    }
    const double mb = double(bytes) / 1e6;
    std::printf("one hour at 115,200 baud: %.1f MB\n", mb);
    EXPECT_LT(mb, 25.0);
}
