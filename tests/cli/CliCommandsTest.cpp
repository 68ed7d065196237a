// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "cli/CaptureFile.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliPrinter.h"
#include "cli/LiveCapture.h"
#include "common/Units.h"
#include "common/WordPacket.h"
#include "link/LinkMessage.h"
#include "link/LinkSession.h"
#include "link/LinkTypes.h"
#include "recording/RecordingCsv.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace {

LiveCapture::PidMap tableP(char table = 'P')
{
    TFordData store;
    store.SelectTable(table);
    LiveCapture::PidMap map;
    for (int i = 0; i < 64; ++i)
        map[size_t(i)] = store.PidMap(i);
    return map;
}

// Feeds the words of frames first..last (positions 0 to 5) with the value frame + position,
// returning the rows the capture closed.
QList<QByteArray> feedFrames(LiveCapture& capture, int first, int last, uint32_t timeMs)
{
    QList<QByteArray> rows;
    for (int frame = first; frame <= last; ++frame)
        for (int position = 0; position <= 5; ++position) {
            const uint8_t slot = uint8_t(frame * 16 + position);
            const auto update
                = capture.onWord(slot, WordPacket::encode(uint16_t(frame + position)), timeMs);
            if (update.Row)
                rows << *update.Row;
        }
    return rows;
}

void sendWords(LinkSession& session, std::initializer_list<Link::StreamWord> words)
{
    TWordBatchEvent batch;
    for (const Link::StreamWord& w : words)
        batch.append(w);
    batch.seal();
    QCoreApplication::sendEvent(&session, &batch);
}

void sendEvent(LinkSession& session, Link::Event code, int32_t lParam)
{
    TLinkMessage message(QEvent::Type(Link::WM_LINK_EVENT), code, lParam);
    QCoreApplication::sendEvent(&session, &message);
}

} // namespace

TEST(CliArguments, OptionsFlagsWordsAndOutputFiles)
{
    const CliArguments args({ "read", "--lang", "en", "--full" }, { "--lang" }, { "--full" });
    EXPECT_EQ(args.words(), QStringList { "read" });
    EXPECT_EQ(args.value("--lang"), "en");
    EXPECT_TRUE(args.isSet("--full"));
    EXPECT_FALSE(args.value("--csv").has_value());
    EXPECT_THROW(CliArguments({ "--lang" }, { "--lang" }), CliUsageError);
    EXPECT_THROW(CliArguments({ "--frobnicate" }, { "--lang" }), CliUsageError);
    EXPECT_EQ(CliArguments::number("--end", "0x0BC", 0, 4095), 0xBC);
    EXPECT_EQ(CliArguments::number("--end", "511", 0, 4095), 511);
    EXPECT_THROW(CliArguments::number("--end", "4096", 0, 4095), CliUsageError);
    EXPECT_THROW(CliArguments::number("--end", "12x", 0, 4095), CliUsageError);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("d.bin");
    EXPECT_EQ(CliArguments::outputFile("-o", file), file);
    EXPECT_THROW(CliArguments::outputFile("-o", dir.path()), CliUsageError) << "a folder";
    EXPECT_THROW(CliArguments::outputFile("-o", dir.filePath("none/d.bin")), CliUsageError);
    EXPECT_THROW(CliArguments::outputFile("-o", ""), CliUsageError);
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.filePath("ro")).isWritable()) { // root writes anywhere
        EXPECT_THROW(CliArguments::outputFile("-o", dir.filePath("ro/d.bin")), CliUsageError);
    }
}

TEST(CliLiveCapture, ChangedValuesAndOneRowPerCycle)
{
    LiveCapture capture(tableP());
    // Table P lists PID 1 first and again in frame 8; each PID is one column.
    EXPECT_EQ(capture.csv().pids().first(), 1);
    EXPECT_EQ(capture.csv().pids().count(1), 1);
    EXPECT_TRUE(capture.csv().heading().startsWith("time_s,Engine speed (rpm),Supply voltage (V),"))
        << capture.csv().heading().constData();

    EXPECT_EQ(capture.onWord(0x02, WordPacket::encode(200), 10).Line,
        "pid 1 \"Обороты двигателя\" 800 об/мин");
    EXPECT_FALSE(capture.onWord(0x02, WordPacket::encode(200), 11).Line.has_value())
        << "unchanged values print nothing";
    EXPECT_FALSE(capture.onWord(0x01, WordPacket::encode(3), 12).Line.has_value())
        << "position 1 carries no PID";

    // The cycle's end makes a row also before every PID has come: empty cells.
    const auto end = capture.onWord(0xF5, WordPacket::encode(7), 20);
    ASSERT_TRUE(end.Row.has_value());
    QList<QByteArray> cells = end.Row->split(',');
    ASSERT_EQ(cells.size(), capture.csv().pids().size() + 1);
    EXPECT_EQ(cells[0], "0.020");
    EXPECT_EQ(cells[1], "800");
    EXPECT_EQ(cells[2], "") << "PID 17 has not come";

    // A whole cycle: one row, at its closing word, with every cell filled.
    const QList<QByteArray> rows = feedFrames(capture, 0, 15, 30);
    ASSERT_EQ(rows.size(), 1);
    cells = rows[0].split(',');
    EXPECT_EQ(cells[0], "0.030");
    // PID 1 was last brought by frame 8, position 2: the value 10 reads 40 rpm.
    EXPECT_EQ(cells[1], "40");
    EXPECT_FALSE(cells.contains("")) << rows[0].constData();
}

// The live lines give the chosen unit: the coolant of table P (frame 1, position 4).
TEST(CliLiveCapture, LinesFollowTheUnits)
{
    const struct {
        UnitSystem system;
        const char* line;
    } cases[] = {
        { UnitSystem::Metric, "pid 16 \"Температура ОЖ\" 100 °C" },
        { UnitSystem::Imperial, "pid 16 \"Температура ОЖ\" 212 °F" },
    };
    for (const auto& c : cases) {
        Units::setCurrent(UnitChoice { c.system });
        LiveCapture capture(tableP());
        const auto line = capture.onWord(0x14, WordPacket::encode(106), 10).Line;
        Units::setCurrent({});
        EXPECT_EQ(line.value_or(""), QByteArray(c.line));
    }
}

TEST(CliLiveCapture, LostFrameFifteenStillClosesTheCycle)
{
    LiveCapture capture(tableP());
    EXPECT_TRUE(feedFrames(capture, 0, 14, 10).isEmpty());
    // Frame 15 never came; frame 0 of the next cycle closes the row at the last word's time.
    const QList<QByteArray> rows = feedFrames(capture, 0, 15, 50);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith("0.010,")) << rows[0].constData();
    EXPECT_TRUE(rows[1].startsWith("0.050,")) << rows[1].constData();
    // A cycle closed by its own last word is not closed again by the next frame 0.
    EXPECT_TRUE(feedFrames(capture, 0, 3, 60).isEmpty());
}

// live --csv writes what export makes of the same words: one heading, one row rule, one
// format, in either locale.
TEST(CliLiveCapture, WritesTheCsvOfExport)
{
    struct Case {
        char Table;
        const char* Locale;
    };
    for (const Case& c : { Case { 'P', "en" }, Case { 'T', "en" }, Case { 'P', "ru" } }) {
        SCOPED_TRACE(std::string(1, c.Table) + " " + c.Locale);
        const PidCsv::Dialect dialect = *PidCsv::dialect(QString::fromLatin1(c.Locale));
        Recording recording;
        recording.Header.PidMap = tableP(c.Table);
        // A whole cycle, one whose frame 15 was lost, and one the stop cut short.
        uint32_t timeMs = 0;
        for (int last : { 15, 12, 3 })
            for (int frame = 0; frame <= last; ++frame)
                for (int position = 0; position <= 5; ++position)
                    recording.Words.push_back({ timeMs += 7, uint8_t(frame * 16 + position),
                        WordPacket::encode(
                            uint16_t((frame * 97 + position * 13 + last) & 0xFFF)) });

        LiveCapture capture(recording.Header.PidMap, dialect);
        QByteArrayList live { capture.csv().heading() };
        for (const RecordedWord& w : recording.Words)
            if (const auto row = capture.onWord(w.Slot, w.Word, w.TimeMs).Row)
                live << *row;
        if (const auto row = capture.csv().finish())
            live << *row;

        QByteArrayList exported = RecordingCsv::text(recording, dialect).split('\n');
        ASSERT_TRUE(exported.takeFirst().startsWith("# start "));
        ASSERT_EQ(exported.takeLast(), "") << "every line ends with its newline";
        EXPECT_EQ(live.size(), 4);
        EXPECT_EQ(live, exported);
    }
}

// The window and veskor-cli read one session: the printer's words, calibration code and
// event lines follow the same typed signals the window takes.
TEST(CliPrinter, PrintsWhatTheSessionTellsTheWindow)
{
    LinkSession session(LinkSession::Options {});
    CliPrinter printer(session);
    QList<QPair<uint8_t, uint16_t>> heard;
    QList<bool> live;
    printer.setWordListener([&](uint8_t slot, uint16_t word, bool isLive) {
        heard.append({ slot, word });
        live.append(isLive);
    });
    QList<LinkReport> reports;
    QObject::connect(&session, &LinkSession::report, [&](const LinkReport& r) { reports << r; });

    const uint16_t high = WordPacket::encode(0x4B), low = WordPacket::encode(0xAA);
    sendWords(session, { { Link::SlotCalibrationHigh, uint8_t(Link::lmCalibration), high, 0 } });
    sendEvent(session, Link::evCalibration, 0);
    // One word of the code is no code: the window's report says so, and nothing is printed.
    ASSERT_EQ(reports.size(), 1);
    EXPECT_FALSE(reports[0].HasCode);
    EXPECT_TRUE(printer.calibration().isEmpty());
    sendWords(session,
        { { Link::SlotCalibrationLow, uint8_t(Link::lmCalibration), low, 0 },
            { 0x12, uint8_t(Link::lmLiveData), 0x1234, 0 } });
    sendEvent(session, Link::evCalibration, 0);
    EXPECT_TRUE(reports.last().HasCode);
    EXPECT_EQ(reports.last().Text, "4BAA");
    EXPECT_EQ(printer.calibration(), "4BAA");
    // Every word in order; a handshake's word is no live value, a word of the stream is.
    EXPECT_EQ(heard.size(), 3);
    EXPECT_EQ(live, (QList<bool> { false, false, true }));
    EXPECT_EQ(session.word(0x12), 0x1234);
    EXPECT_LT(printer.sinceLastWord(), 5000);
    // Cleared slots forget the code's words.
    TLinkMessage cleared(QEvent::Type(Link::WM_LINK_SLOT), 0, 0);
    QCoreApplication::sendEvent(&session, &cleared);
    EXPECT_FALSE(session.hasWord(Link::SlotCalibrationHigh));

    sendEvent(session, Link::evFirmware, Link::firmwareEvent(Link::fwLoaded, 78));
    EXPECT_EQ(reports.last().Step, Link::fwLoaded);
    EXPECT_EQ(reports.last().Argument, 78);
    EXPECT_EQ(LinkReports::eventLine(reports.last()), "event evFirmware 1 78");
    sendEvent(session, Link::evConnected, 1);
    EXPECT_TRUE(printer.lastWas(Link::evConnected, LinkReport::Connected));

    // A log line that tells of no port error names none.
    TLinkLogEvent plain(QString::fromUtf8("Инициализация порта..."), nullptr);
    QCoreApplication::sendEvent(&session, &plain);
    EXPECT_FALSE(printer.portError());
    TLinkLogEvent error(QString::fromUtf8("Адаптер не найден на /dev/x: подключите адаптер"),
        nullptr, QStringLiteral("/dev/x: gone"));
    QCoreApplication::sendEvent(&session, &error);
    EXPECT_EQ(printer.portError(), QStringLiteral("/dev/x: gone"));
}

TEST(CliCaptureFile, KeepsWhatWasFlushedAndRefusesUnusablePaths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("live.csv");
    QFile::remove(path);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older capture\n");
    }
    CaptureFile file(path);
    const auto onDisk = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?");
    };
    EXPECT_EQ(onDisk(), "") << "the file is made empty at once";
    file.append("time_ms,1");
    EXPECT_EQ(onDisk(), "") << "lines wait for the flush";
    file.flush();
    file.append("10,800");
    file.flush();
    EXPECT_EQ(onDisk(), "time_ms,1\n10,800\n");

    EXPECT_THROW(CaptureFile(dir.filePath("none/live.csv")), VeskorError);
    EXPECT_THROW(CaptureFile(dir.path()), VeskorError);
}
