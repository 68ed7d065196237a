// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Every exchange of the link against every fault a module or its line can show, at a
// reduced time scale: each run must end within the time its exchange allows, report what
// happened through the events it names, and leave a link that does the same exchange
// again once the fault is gone.
#include "LinkHarness.h"
#include "common/Texts.h"
#include "link/FaultCodeList.h"
#include "sim/SimMemory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

namespace {

using namespace std::chrono_literals;

constexpr double Scale = 0.1;
// Real time a loaded two-core machine may add to a run: thread starts, event delivery and
// the simulator's pacing. The exchanges' own time is scaled.
constexpr int64_t SlackMs = 1500;
// Runs at a time: they mostly wait on scaled timeouts.
constexpr int Parallel = 4;

// ---- The time each exchange allows, at time scale 1 ----------------------------------

// A read of n bytes gives up 11 ms per byte plus 1000 ms after it began.
constexpr uint32_t readMs(uint32_t n)
{
    return 11 * n + 1000;
}
// The handshake at its longest: eleven searches, the version, the ECU link, the
// calibration code and the pauses between them.
constexpr uint32_t HandshakeMs = 100 + 11 * readMs(100) + 200 + readMs(9) + 100 + readMs(1) + 100
    + readMs(1) + 1000 + 100 + 100;
constexpr uint32_t FreshPortMs = 100; // Connect without opening
constexpr int MaxTestSeconds = 3;
constexpr uint32_t SelfTestMs = 1000;
// Streams fall silent this soon under the stream-stops fault: before the self-test ends,
// and before a memory read of four blocks is over.
constexpr uint32_t StreamStopMs = 250;
// Memory reads: the selection, the offset map, the pauses, the stream (its rows and
// the silence that ends it) and the settling.
constexpr uint32_t MemoryReadMs = readMs(1) + 3200 + 100 + 300 + 100 + 7000 + 100 + 500;
// The firmware update's boot loader: 'S', six commands before the blocks, three blocks
// of a 300-byte file, the read-back of three blocks, 'L' and 'E', each at its timeout.
constexpr uint32_t loaderMs(uint32_t n)
{
    return 10 * n + 5000;
}
constexpr uint32_t BootLoaderMs = loaderMs(7) + 6 * loaderMs(1) + 3 * loaderMs(1) + 500
    + loaderMs(1) + 3 * loaderMs(128) + 2 * loaderMs(1);

// ---- Faults ------------------------------------------------------------------------

enum class Fault { Silent, Short, Wrong, Noise, Drop, Flip, Stops, Unplug, NoPort, Count };
constexpr int FaultCount = int(Fault::Count);
constexpr const char* FaultNames[FaultCount]
    = { "silent", "short", "wrong", "noise", "drop", "flip", "stops", "unplug", "no-port" };

// ---- Outcomes ----------------------------------------------------------------------

enum class Outcome { Pass, Partial, Fail };

const char* outcomeName(Outcome outcome)
{
    return outcome == Outcome::Pass ? "pass" : outcome == Outcome::Partial ? "partial" : "fail";
}

// 'P' pass, 'p' partial (the module answered, the ECU's part did not come), 'F' fail,
// '*' pass or partial: the corrupted packets may hit the calibration words or not.
bool allowed(char expected, Outcome outcome)
{
    switch (expected) {
    case 'P':
        return outcome == Outcome::Pass;
    case 'p':
        return outcome == Outcome::Partial;
    case '*':
        return outcome != Outcome::Fail;
    default:
        return outcome == Outcome::Fail;
    }
}

// What one command did: the messages from its posting to its end.
struct Slice {
    QStringList Logs;
    QStringList Failures;
    QList<RecordedMessage> Events;
    QList<RecordedMessage> SlotPosts;
    int64_t ElapsedMs = 0;
    bool Done = false;

    QList<int32_t> args(uint8_t code) const
    {
        QList<int32_t> result;
        for (const RecordedMessage& m : Events)
            if (m.WParam == code)
                result.append(m.LParam);
        return result;
    }
    bool has(uint8_t code) const { return !args(code).isEmpty(); }
    int logCount(const char* text) const { return int(Logs.count(Texts::text(text))); }
    // A port failed as it was set up: a port error logged without the evPortError that
    // every error within an exchange posts.
    bool setupFailed() const { return Failures.size() > args(Link::evPortError).size(); }
    bool logStarts(const char* text) const
    {
        const QString head = Texts::text(text).section(u'%', 0, 0);
        for (const QString& line : Logs)
            if (line.startsWith(head))
                return true;
        return false;
    }
    int indexOf(uint8_t code, int32_t lParam) const
    {
        for (int i = 0; i < Events.size(); ++i)
            if (Events[i].WParam == code && Events[i].LParam == lParam)
                return i;
        return -1;
    }
};

struct Cell;

struct Exchange {
    const char* Name;
    uint8_t Code;
    uint16_t Tag; // the high word of wParam (cmdDumpRange's request tag)
    int32_t LParam;
    // The command line whose arrival pulls the cable.
    const char* UnplugOn;
    uint32_t BoundMs;
    // Expected outcome under each fault, in the order of Fault, in groups of three.
    const char* Expected;

    char expected(Fault fault) const { return Expected[int(fault) + int(fault) / 3]; }
    // Brings the link where the exchange starts from; false when that failed.
    bool (*Prepare)(Cell&);
    Outcome (*Judge)(Cell&, const Slice&);
    // Problems with what the run reported, whatever its outcome.
    void (*Check)(Cell&, const Slice&, QStringList& problems);
};

// One combination in a thread of its own: a simulator on a pty link, a link thread at
// the reduced time scale, the faulted run and the run after it.
struct Cell {
    const Exchange& X;
    const Fault F;
    QTemporaryDir Dir;
    std::unique_ptr<LinkHarness> H;
    QString LinkPath;
    QString FirmwareFile;
    QByteArray Firmware;
    // True during the run with the fault.
    bool Faulty = false;
    Outcome Faulted = Outcome::Fail;
    Outcome After = Outcome::Fail;
    int64_t FaultedMs = 0;
    QStringList Problems;

    Cell(const Exchange& exchange, Fault fault)
        : X(exchange)
        , F(fault)
    {
    }

    QString dumpFile() const { return Dir.filePath(QStringLiteral("dump.bin")); }

    void setUp()
    {
        SimConfig config;
        config.SelfTestMs = SelfTestMs;
        config.StreamStopMs = StreamStopMs;
        config.StoredCodes = { 112, 335 };
        H = std::make_unique<LinkHarness>(config, Scale);
        LinkPath = Dir.filePath(QStringLiteral("module"));
        H->sim->createLink(LinkPath);
        H->settings.setPortName(LinkPath);
        H->link->setMaxTestTime(MaxTestSeconds);
        H->link->setDumpFile(dumpFile());
        Firmware.resize(300);
        for (int i = 0; i < Firmware.size(); ++i)
            Firmware[i] = char(i * 7 + 3);
        FirmwareFile = Dir.filePath(QStringLiteral("firmware.bin"));
        QFile file(FirmwareFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(Firmware);
        H->link->setFirmwareFile(FirmwareFile);
    }

    SimFaults faults() const
    {
        SimFaults faults;
        switch (F) {
        case Fault::Silent:
            faults.set(SimFault::Silent);
            break;
        case Fault::Short:
            faults.set(SimFault::ShortReplies);
            break;
        case Fault::Wrong:
            faults.set(SimFault::WrongReplies);
            break;
        case Fault::Noise:
            faults.set(SimFault::Noise);
            break;
        case Fault::Drop:
            faults.set(SimFault::DropBytes);
            break;
        case Fault::Flip:
            faults.set(SimFault::FlipBits);
            break;
        case Fault::Stops:
            faults.set(SimFault::StreamStops);
            break;
        case Fault::Unplug:
            faults.set(SimFault::Unplug);
            faults.setUnplugOn(X.UnplugOn);
            break;
        case Fault::NoPort:
        case Fault::Count:
            break;
        }
        return faults;
    }

    void inject()
    {
        H->sim->setFaults(faults());
        if (F == Fault::NoPort)
            H->settings.setPortName(Dir.filePath(QStringLiteral("no-such-port")));
    }

    void remove()
    {
        H->sim->setFaults({});
        if (F == Fault::Unplug)
            H->sim->restorePort();
        H->settings.setPortName(LinkPath);
    }

    Slice run(uint8_t code, uint16_t tag, int32_t lParam, uint32_t boundMs)
    {
        LinkRecorder& r = H->recorder;
        const qsizetype logs = r.Logs.size();
        const qsizetype failures = r.Failures.size();
        const qsizetype events = r.Events.size();
        const qsizetype slotPosts = r.SlotPosts.size();
        const qsizetype done = r.Done.count(code);
        QElapsedTimer clock;
        clock.start();
        H->link->post(code | uint32_t(tag) << 16, lParam);
        const auto limit = std::chrono::milliseconds(int64_t(boundMs * Scale) + SlackMs);
        Slice slice;
        slice.Done = r.waitFor([&] { return r.Done.count(code) > done; }, limit);
        slice.ElapsedMs = clock.elapsed();
        if (!slice.Done) {
            // Waits on for the report of a run that took too long, so that the next one
            // is not mixed with it.
            r.waitFor([&] { return r.Done.count(code) > done; }, 60s);
        }
        slice.Logs = r.Logs.mid(logs);
        slice.Failures = r.Failures.mid(failures);
        slice.Events = r.Events.mid(events);
        slice.SlotPosts = r.SlotPosts.mid(slotPosts);
        return slice;
    }

    Slice runExchange() { return run(X.Code, X.Tag, X.LParam, X.BoundMs); }

    void note(const QString& what, const QStringList& problems)
    {
        for (const QString& problem : problems)
            Problems << what + QStringLiteral(": ") + problem;
    }

    void judge(const QString& what, const Slice& slice, Outcome& outcome)
    {
        QStringList problems;
        if (!slice.Done)
            problems << QStringLiteral("did not end within %1 ms").arg(slice.ElapsedMs);
        X.Check(*this, slice, problems);
        outcome = X.Judge(*this, slice);
        note(what, problems);
    }

    void execute()
    {
        runBoth();
        // The link and the simulator end in the thread that made them.
        H.reset();
    }

    void runBoth()
    {
        setUp();
        if (X.Prepare && !X.Prepare(*this)) {
            Problems << QStringLiteral("the preparation failed");
            return;
        }
        QFile::remove(dumpFile());
        inject();
        Faulty = true;
        const Slice faulted = runExchange();
        FaultedMs = faulted.ElapsedMs;
        judge(QStringLiteral("with the fault"), faulted, Faulted);
        Faulty = false;
        if (!allowed(X.expected(F), Faulted))
            Problems << QStringLiteral("with the fault: outcome %1, expected '%2'")
                            .arg(QLatin1String(outcomeName(Faulted)))
                            .arg(QLatin1Char(X.expected(F)));

        remove();
        // The module may still be busy with what the faulted run asked of it (a self-test
        // the link stopped waiting for after a wrong echo): the fault is gone once it is done.
        H->recorder.waitFor(
            [] { return false; }, std::chrono::milliseconds(int64_t((SelfTestMs + 500) * Scale)));
        if (X.Prepare && !X.Prepare(*this)) {
            Problems << QStringLiteral("after the fault: the preparation failed");
            return;
        }
        QFile::remove(dumpFile());
        const Slice again = runExchange();
        judge(QStringLiteral("after the fault"), again, After);
        if (After != Outcome::Pass)
            Problems << QStringLiteral("after the fault: outcome %1")
                            .arg(QLatin1String(outcomeName(After)));
    }
};

// ---- Judging the exchanges ---------------------------------------------------------

// The words of the calibration slots that came during a handshake; true when there are
// both and each carries the simulated ECU's code, 4BAA.
bool calibrationIsTheEcus(const Slice& s)
{
    bool high = false;
    bool low = false;
    for (const RecordedMessage& m : s.SlotPosts) {
        if (!Link::slotHasWord(m.LParam) || Link::slotMode(m.LParam) != Link::lmCalibration)
            continue;
        const uint8_t byte = Link::slotWord(m.LParam) & 0xFF;
        if (m.WParam == Link::SlotCalibrationHigh) {
            if (byte != 0x4B)
                return false;
            high = true;
        } else if (m.WParam == Link::SlotCalibrationLow) {
            if (byte != 0xAA)
                return false;
            low = true;
        }
    }
    return high && low;
}

Outcome handshakeOutcome(Cell&, const Slice& s)
{
    const QList<int32_t> connected = s.args(Link::evConnected);
    if (connected.isEmpty() || connected.last() != 1)
        return Outcome::Fail;
    return s.has(Link::evCalibration) && calibrationIsTheEcus(s) ? Outcome::Pass : Outcome::Partial;
}

// evSearching before each "z" (at most eleven), one evConnected at most, 0 after a port
// error, and an evCalibration only with the ECU's own code.
void checkHandshake(Cell&, const Slice& s, QStringList& problems)
{
    const QList<int32_t> connected = s.args(Link::evConnected);
    if (s.args(Link::evSearching).size() > 11)
        problems << QStringLiteral("more than eleven searches");
    if (connected.size() > 1)
        problems << QStringLiteral("evConnected posted %1 times").arg(connected.size());
    if (s.setupFailed() && connected != QList<int32_t> { 0 })
        problems << QStringLiteral("a port error without evConnected 0");
    if (s.has(Link::evCalibration) && !calibrationIsTheEcus(s))
        problems << QStringLiteral("evCalibration with another code than the ECU's");
}

// A handshake that found the module posts its version, and one that found none says so.
void checkConnect(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    if (s.args(Link::evConnected).isEmpty() && !s.setupFailed())
        problems << QStringLiteral("the handshake ended without evConnected");
}

bool liveWordCame(Cell& c)
{
    return c.H->recorder.waitFor(
        [&] {
            for (const RecordedMessage& m : c.H->recorder.SlotPosts)
                if (Link::slotIsLiveData(m.LParam))
                    return true;
            return false;
        },
        1s);
}

Outcome startOutcome(Cell& c, const Slice&)
{
    return c.H->link->LinkMode() == Link::lmLiveData && liveWordCame(c) ? Outcome::Pass
                                                                        : Outcome::Fail;
}

void checkStart(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    if (c.H->link->LinkMode() != Link::lmLiveData)
        for (const RecordedMessage& m : s.SlotPosts)
            if (Link::slotIsLiveData(m.LParam)) {
                problems << QStringLiteral("live words without a stream");
                break;
            }
}

bool prepareStream(Cell& c)
{
    c.H->recorder.SlotPosts.clear();
    const Slice started = c.run(Link::cmdStartData, 0, 0, HandshakeMs + 6000);
    return started.Done && startOutcome(c, started) == Outcome::Pass;
}

bool slotsCleared(const Slice& s)
{
    for (const RecordedMessage& m : s.SlotPosts)
        if (m.WParam == 0 && m.LParam == 0)
            return true;
    return false;
}

Outcome stopOutcome(Cell& c, const Slice& s)
{
    return c.H->link->LinkMode() == Link::lmConnected && slotsCleared(s)
            && !s.has(Link::evPortError)
        ? Outcome::Pass
        : Outcome::Fail;
}

// The stream ends: no live word after the stop, whatever became of the "z".
void checkStop(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    c.H->recorder.SlotPosts.clear();
    c.H->recorder.waitFor([] { return false; }, 100ms);
    for (const RecordedMessage& m : c.H->recorder.SlotPosts)
        if (Link::slotIsLiveData(m.LParam)) {
            problems << QStringLiteral("live words after the stop");
            break;
        }
    if (c.H->link->LinkMode() == Link::lmLiveData)
        problems << QStringLiteral("still in live data mode");
}

Outcome faultTestOutcome(Cell& c, const Slice& s)
{
    const uint16_t status = c.H->link->Slots(FaultCodeList::StatusSlot);
    const bool done = status & (FaultCodeList::StatusCodesReady | FaultCodeList::StatusNoResult);
    return done && s.has(Link::evFaultTest) ? Outcome::Pass : Outcome::Fail;
}

// The page's "processing" panel always goes again: evFaultTest 1 after every 0, and a
// port error after the start is reported too.
void checkFaultTest(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    const QList<int32_t> args = s.args(Link::evFaultTest);
    if (!args.isEmpty() && args != QList<int32_t> { 0, 1 })
        problems << QStringLiteral("evFaultTest posted as %1").arg(QString::number(args.size()));
    if (c.Faulty && c.F == Fault::Unplug && !s.has(Link::evPortError))
        problems << QStringLiteral("the pulled cable is not reported");
    if (c.H->link->LinkMode() == Link::lmFaultTest)
        problems << QStringLiteral("still in fault test mode");
}

bool rangeMatchesImage(Cell& c)
{
    const int first = (c.X.LParam & 0xFFFF) * 16;
    const int end = ((c.X.LParam >> 16) & 0xFFFF) * 16;
    const QByteArray& image = SimMemory::image();
    for (int a = first; a < end; ++a)
        if (c.H->link->MemImage(uint16_t(a)) != uint8_t(image[a]))
            return false;
    return true;
}

Outcome memoryOutcome(Cell& c, const Slice& s)
{
    const bool save = c.X.Code == Link::cmdDumpToFile;
    const QList<int32_t> done = s.args(Link::evDumpDone);
    if (done != QList<int32_t> { int32_t(uint32_t(c.X.Tag) << 16) } || !rangeMatchesImage(c))
        return Outcome::Fail;
    return !save || QFile(c.dumpFile()).size() == 65536 ? Outcome::Pass : Outcome::Fail;
}

// evDumpDone exactly when every byte came, a file only then, and the link idle after.
void checkMemory(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    const bool reportedDone = s.has(Link::evDumpDone);
    const bool missing = s.logStarts(Texts::LogOffsetError) || s.logStarts(Texts::LogDataErrors);
    if (reportedDone && missing)
        problems << QStringLiteral("evDumpDone with missing bytes");
    if (reportedDone && !rangeMatchesImage(c))
        problems << QStringLiteral("evDumpDone with bytes that are not the ECU's");
    if (QFile::exists(c.dumpFile()) && !reportedDone)
        problems << QStringLiteral("a dump file without evDumpDone");
    if (c.H->link->LinkMode() != Link::lmIdle)
        problems << QStringLiteral("not idle after the read");
    if (c.Faulty && c.F == Fault::Unplug && !s.has(Link::evPortError))
        problems << QStringLiteral("the pulled cable is not reported");
}

bool isOptionByte(int8_t byte)
{
    return (byte >= '0' && byte <= '9') || byte == 127;
}

bool prepareOptionsRead(Cell& c)
{
    for (int i = 0; i < 2; ++i)
        c.H->link->setOptionBytes(i, 0);
    return true;
}

Outcome optionsReadOutcome(Cell& c, const Slice& s)
{
    return s.args(Link::evOptions) == QList<int32_t> { 0 }
            && isOptionByte(c.H->link->OptionBytes(0)) && isOptionByte(c.H->link->OptionBytes(1))
        ? Outcome::Pass
        : Outcome::Fail;
}

void checkOptions(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    if (s.logCount(Texts::LogOptionsError) > 0 && !s.has(Link::evPortError))
        problems << QStringLiteral("an options error without evPortError");
    if (c.Faulty && c.F == Fault::Unplug && !s.has(Link::evPortError))
        problems << QStringLiteral("the pulled cable is not reported");
}

bool prepareOptionsWrite(Cell& c)
{
    c.H->link->setOptionBytes(0, 2);
    c.H->link->setOptionBytes(1, 0);
    return true;
}

Outcome optionsWriteOutcome(Cell& c, const Slice& s)
{
    // The exchange is over once it has written; the module reads the lines a moment later.
    const bool received = c.H->recorder.waitFor(
        [&] {
            const QList<QByteArray> lines = c.H->sim->receivedLines();
            return lines.contains("o02") && lines.contains("o10");
        },
        500ms);
    return s.args(Link::evOptions) == QList<int32_t> { 1 } && !s.args(Link::evConnected).contains(0)
            && received
        ? Outcome::Pass
        : Outcome::Fail;
}

Outcome calibrationOutcome(Cell&, const Slice& s)
{
    return s.logCount(Texts::LogCalibrationReset) == 2 && s.has(Link::evCalibration)
            && !s.has(Link::evPortError)
        ? Outcome::Pass
        : Outcome::Fail;
}

void checkCalibration(Cell& c, const Slice& s, QStringList& problems)
{
    const QList<int32_t> connected = s.args(Link::evConnected);
    if (connected.size() > 1)
        problems << QStringLiteral("evConnected posted %1 times").arg(connected.size());
    if (s.logCount(Texts::LogCalibrationError) > 0 && !s.has(Link::evPortError))
        problems << QStringLiteral("a calibration error without evPortError");
    if (c.Faulty && c.F == Fault::Unplug && !s.has(Link::evPortError))
        problems << QStringLiteral("the pulled cable is not reported");
}

Outcome flashOutcome(Cell& c, const Slice& s)
{
    const QList<int32_t> steps = s.args(Link::evFirmware);
    const bool ended = !steps.isEmpty() && (steps.last() & 0xFFFF) == Link::fwEnded
        && (steps.last() >> 16) == Link::fsNone;
    return ended && c.H->sim->flash().startsWith(c.Firmware) ? Outcome::Pass : Outcome::Fail;
}

// The update always ends with one evFirmware 4, the last of its steps, after step 5 once
// the file was loaded; its outcome is fsNone only when the flash holds the file.
void checkFlash(Cell& c, const Slice& s, QStringList& problems)
{
    checkHandshake(c, s, problems);
    QList<int> steps;
    for (int32_t arg : s.args(Link::evFirmware))
        steps << (arg & 0xFFFF);
    if (steps.count(Link::fwEnded) != 1 || steps.last() != Link::fwEnded)
        problems << QStringLiteral("evFirmware 4 is not the one last step");
    if (steps.contains(Link::fwLoaded) && !steps.contains(Link::fwRestarting)
        && !s.has(Link::evPortError))
        problems << QStringLiteral("no restart step after the file was loaded");
    const QList<int32_t> args = s.args(Link::evFirmware);
    if (!args.isEmpty() && (args.last() >> 16) == Link::fsNone
        && !c.H->sim->flash().startsWith(c.Firmware))
        problems << QStringLiteral("success reported, but the flash does not hold the file");
    if (c.Faulty && c.F == Fault::Unplug && !s.has(Link::evPortError))
        problems << QStringLiteral("the pulled cable is not reported");
    // A port that will not open is the reason the update gives, not its file.
    if (c.Faulty && c.F == Fault::NoPort && (args.isEmpty() || (args.last() >> 16) != Link::fsPort))
        problems << QStringLiteral("a port that would not open ends the update with another "
                                   "reason");
}

// Expected outcomes, faults as in FaultNames: silent short wrong, noise drop flip,
// stops unplug no-port.
const Exchange Exchanges[] = {
    { "connect", Link::cmdConnect, 0, 1, "v", HandshakeMs, //
        "Fpp P** PFF", nullptr, handshakeOutcome, checkConnect },
    { "live start", Link::cmdStartData, 0, 0, "cE", FreshPortMs + HandshakeMs + 5311, //
        "FFF PPP PFF", nullptr, startOutcome, checkStart },
    { "live stop", Link::cmdStopData, 0, 0, "z", FreshPortMs + 500 + 200, //
        "PPP PPP PFF", prepareStream, stopOutcome, checkStop },
    { "read codes", Link::cmdFaultTest, 0, 'B', "cB", FreshPortMs + readMs(1) + 1000 + 100 + 500,
        "FPP PPP PFF", nullptr, faultTestOutcome, checkFaultTest },
    { "clear codes", Link::cmdFaultTest, 0, 'C', "cC", FreshPortMs + readMs(1) + 1000 + 100 + 500,
        "FPP PPP PFF", nullptr, faultTestOutcome, checkFaultTest },
    { "self-test", Link::cmdFaultTest, 0, 'D', "cD",
        FreshPortMs + readMs(1) + MaxTestSeconds * 1000 + 100 + 500, //
        "FPF PPP FFF", nullptr, faultTestOutcome, checkFaultTest },
    { "dump to file", Link::cmdDumpToFile, 0, 0x10 << 16, "a", FreshPortMs + MemoryReadMs, //
        "FPF PFF FFF", nullptr, memoryOutcome, checkMemory },
    { "dump range", Link::cmdDumpRange, 1, 0x0AC << 16 | 0x0A0, "a", FreshPortMs + MemoryReadMs,
        "FPF PFF FFF", nullptr, memoryOutcome, checkMemory },
    { "options read", Link::cmdModuleOptions, 0, 0, "ooooooo", HandshakeMs + 1220 + 100, //
        "FFF PPP PFF", prepareOptionsRead, optionsReadOutcome, checkOptions },
    { "options write", Link::cmdModuleOptions, 0, 1, "o0", HandshakeMs + 200 + 100, //
        "FPP PPP PFF", prepareOptionsWrite, optionsWriteOutcome, checkOptions },
    { "reset", Link::cmdResetModule, 0, 0, "r", FreshPortMs + 2000 + HandshakeMs, //
        "Fpp P** PFF", nullptr, handshakeOutcome, checkHandshake },
    { "calibration", Link::cmdReadCalibration, 0, 0, "cA", HandshakeMs + 100 + readMs(1) + 100,
        "FPP PPP PFF", nullptr, calibrationOutcome, checkCalibration },
    { "firmware", Link::cmdFlashFirmware, 0, 0, "r",
        FreshPortMs + 1000 + BootLoaderMs + 2500 + HandshakeMs, //
        "FFF PPP PFF", nullptr, flashOutcome, checkFlash },
};

// Runs every cell, a few at a time, each in a thread of its own with its own event loop.
void runAll(std::vector<std::unique_ptr<Cell>>& cells)
{
    std::mutex mutex;
    std::condition_variable freed;
    int running = 0;
    std::vector<std::unique_ptr<QThread>> threads;
    for (auto& cell : cells) {
        {
            std::unique_lock lock(mutex);
            freed.wait(lock, [&] { return running < Parallel; });
            ++running;
        }
        Cell* c = cell.get();
        threads.emplace_back(QThread::create([c, &mutex, &freed, &running] {
            c->execute();
            std::lock_guard lock(mutex);
            --running;
            freed.notify_one();
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();
}

TEST(FaultMatrix, EveryExchangeEndsInTimeReportsAndRecovers)
{
    std::vector<std::unique_ptr<Cell>> cells;
    for (const Exchange& exchange : Exchanges)
        for (int f = 0; f < FaultCount; ++f)
            cells.push_back(std::make_unique<Cell>(exchange, Fault(f)));
    QElapsedTimer clock;
    clock.start();
    runAll(cells);
    // A reply late by a few scaled milliseconds fails a run on a machine that other work
    // keeps busy: a cell that failed runs once more, alone, and fails only if it fails again.
    int retried = 0;
    for (auto& cell : cells) {
        if (cell->Problems.isEmpty())
            continue;
        auto again = std::make_unique<Cell>(cell->X, cell->F);
        std::vector<std::unique_ptr<Cell>> one;
        one.push_back(std::move(again));
        runAll(one);
        std::printf("%s x %s failed (%s), alone: %s\n", cell->X.Name, FaultNames[int(cell->F)],
            qPrintable(cell->Problems.first()),
            one.front()->Problems.isEmpty() ? "passed" : "failed again");
        cell = std::move(one.front());
        ++retried;
    }

    std::printf("%-14s", "");
    for (const char* name : FaultNames)
        std::printf(" %9s", name);
    std::printf("\n");
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = *cells[i];
        if (int(c.F) == 0)
            std::printf("%-14s", c.X.Name);
        std::printf(" %-4.4s%5lld", outcomeName(c.Faulted), static_cast<long long>(c.FaultedMs));
        if (int(c.F) == FaultCount - 1)
            std::printf("\n");
    }
    std::printf("%zu combinations in %lld ms, %d run again alone\n", cells.size(),
        static_cast<long long>(clock.elapsed()), retried);

    for (const auto& cell : cells)
        for (const QString& problem : cell->Problems)
            ADD_FAILURE() << cell->X.Name << " x " << FaultNames[int(cell->F)] << ": "
                          << problem.toStdString();
}

} // namespace
