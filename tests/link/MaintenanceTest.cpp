// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The maintenance exchanges against the simulated module over a pty: options, status
// reset, restart and the firmware update with the boot loader's faults.
#include "LinkHarness.h"
#include "common/Texts.h"
#include "link/FirmwareProgress.h"
#include "link/serial/PosixSerialPort.h"
#include "sim/SimBootLoader.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using Names = QStringList;

QString text(const char* t)
{
    return Texts::text(t);
}

SimConfig withFault(SimFault fault)
{
    SimConfig config;
    config.Faults.set(fault);
    return config;
}

QByteArray firmware(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 256) & 0xFF);
    return bytes;
}

QString firmwareStep(Link::FirmwareStep step, uint16_t argument = 0)
{
    return QStringLiteral("evFirmware %1").arg(Link::firmwareEvent(step, argument));
}

const Names Handshake = { "evSearching 0", "evConnected 1", "evEcuLink 99", "evCalibration 0" };

// The events of an update that writes and reads back the given numbers of blocks.
Names updateEvents(int steps, int writes, int reads, const Names& afterWriting = {},
    Link::FirmwareStage outcome = Link::fsNone)
{
    Names events { firmwareStep(Link::fwLoaded, uint16_t(steps)) };
    for (int i = 0; i < writes; ++i)
        events << firmwareStep(Link::fwWriting);
    events << afterWriting;
    for (int i = 0; i < reads; ++i)
        events << firmwareStep(Link::fwVerifying);
    return events << firmwareStep(Link::fwRestarting) << Handshake
                  << firmwareStep(Link::fwEnded, outcome);
}

QStringList loaderSession(const QStringList& blocks, int reads, const QString& device = "T 116")
{
    QStringList commands { "S", "a", "t", device, "P", "e", "A 0" };
    commands << blocks << "A 0";
    for (int i = 0; i < reads; ++i)
        commands << "g 128";
    return commands << "L"
                    << "E";
}

// Writes the file and runs the update on it.
struct Flasher {
    LinkHarness& h;
    TempDir dir;

    bool run(const QByteArray& bytes)
    {
        h.link->setFirmwareFile(dir.write("fw.bin", bytes));
        return h.run(Link::cmdFlashFirmware);
    }
};

// The bar driven by the update's events is full exactly at its last step.
void expectBarFullAtTheLastStep(const QList<int32_t>& firmwareEvents)
{
    FirmwareProgress bar;
    int lastStep = -1;
    for (int i = 0; i < firmwareEvents.size(); ++i) {
        const int step = firmwareEvents[i] & 0xFFFF;
        if (step == Link::fwWriting || step == Link::fwVerifying)
            lastStep = i;
    }
    ASSERT_GE(lastStep, 0);
    for (int i = 0; i <= lastStep; ++i) {
        bar.apply(firmwareEvents[i]);
        EXPECT_EQ(bar.position() == bar.maximum(), i == lastStep) << "event " << i;
    }
}

QString deviceLine(const char* text, const char* code)
{
    return Texts::text(text).arg(code);
}

// A real port that fails to write a command beginning with the given bytes.
class FailingWritePort : public PosixSerialPort {
public:
    FailingWritePort(const SerialConfig& config, ScaledClock& clock, QByteArray failOn)
        : PosixSerialPort(config, clock)
        , m_failOn(std::move(failOn))
    {
    }
    size_t write(const uint8_t* data, size_t n) override
    {
        if (QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(n))
                .startsWith(m_failOn))
            throw SerialError(QStringLiteral("write failed"));
        return PosixSerialPort::write(data, n);
    }

private:
    const QByteArray m_failOn;
};

SerialPortFactory failingWrite(const QByteArray& failOn)
{
    return [failOn](const SerialConfig& config, ScaledClock& clock) {
        return std::make_unique<FailingWritePort>(config, clock, failOn);
    };
}

// A real port that loses the second write of the given bytes on its way to the module.
class LosingWritePort : public PosixSerialPort {
public:
    LosingWritePort(const SerialConfig& config, ScaledClock& clock, QByteArray lost)
        : PosixSerialPort(config, clock)
        , m_lost(std::move(lost))
    {
    }
    size_t write(const uint8_t* data, size_t n) override
    {
        if (QByteArray(reinterpret_cast<const char*>(data), qsizetype(n)) == m_lost
            && ++m_seen == 2)
            return n;
        return PosixSerialPort::write(data, n);
    }

private:
    const QByteArray m_lost;
    int m_seen = 0;
};

} // namespace

TEST(LinkMaintenance, OptionsWriteSendsTheChosenOptionsAndReadGetsThemBack)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    EXPECT_EQ(uint8_t(h.link->OptionBytes(0)), 127);
    EXPECT_EQ(uint8_t(h.link->OptionBytes(1)), 127);

    // Speed and format, 200 ms apart (20 ms at the scale 0.1).
    h.link->setOptionBytes(0, 2);
    h.link->setOptionBytes(1, 0);
    const auto start = SteadyClock::now();
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    EXPECT_GE(SteadyClock::now() - start, 20ms);
    // Speed only, then neither: the exchange still reports the options written.
    h.link->setOptionBytes(0, 3);
    h.link->setOptionBytes(1, -1);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    h.link->setOptionBytes(0, -1);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions), (QList<int32_t> { 0, 1, 1, 1 }));
    const QList<QByteArray> lines = h.sim->receivedLines();
    EXPECT_EQ(lines.mid(lines.indexOf("ooooooo")),
        (QList<QByteArray> { "ooooooo", "o02", "o10", "o03" }));

    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    EXPECT_EQ(h.link->OptionBytes(0), '3');
    EXPECT_EQ(h.link->OptionBytes(1), '0');
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions).last(), 0);
    // One handshake at the first command; the port then stays open.
    EXPECT_EQ(h.recorder.Logs.count(text(Texts::LogPortOpening)), 1);
    EXPECT_EQ(h.recorder.Logs.count(text(Texts::LogPortOpen)), 5);
}

TEST(LinkMaintenance, OptionsReadOfThreeAndOne)
{
    LinkHarness h;
    h.link->setOptionBytes(0, 3);
    h.link->setOptionBytes(1, 1);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    h.link->setOptionBytes(0, 0);
    h.link->setOptionBytes(1, 0);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    EXPECT_EQ(h.link->OptionBytes(0), '3');
    EXPECT_EQ(h.link->OptionBytes(1), '1');
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions), (QList<int32_t> { 1, 0 }));
}

TEST(LinkMaintenance, OptionsPortErrorIsLoggedAndTheLinkGoesOn)
{
    LinkHarness h({}, LinkHarness::FastScale, failingWrite("ooooooo"));
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogOptionsError));
    EXPECT_TRUE(h.recorder.eventArgs(Link::evOptions).isEmpty());
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions), QList<int32_t> { 1 });
}

TEST(LinkMaintenance, StatusResetAcknowledgedAndThePortClosed)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdConnect, 1));
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdReadCalibration));
    EXPECT_EQ(h.recorder.eventNames(), Names { "evCalibration 0" });
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { text(Texts::LogPortOpen), text(Texts::LogCalibrationReset),
            text(Texts::LogCalibrationReset) }));
    // The slots were cleared (and the window told) before the reset.
    ASSERT_FALSE(h.recorder.SlotPosts.isEmpty());
    EXPECT_EQ(h.recorder.SlotPosts.first().WParam, 0u);
    EXPECT_EQ(h.recorder.SlotPosts.first().LParam, 0);
    EXPECT_EQ(h.link->Slots(Link::SlotCalibrationHigh), 0);
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
    EXPECT_EQ(h.sim->receivedLines().last(), "cA");
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDisconnected), QList<int32_t> { 0 });

    // The Bluetooth pause of 1000 ms before the port is opened again.
    h.settings.setBluetoothDelay(true);
    const auto start = SteadyClock::now();
    ASSERT_TRUE(h.run(Link::cmdReadCalibration));
    EXPECT_GE(SteadyClock::now() - start, 100ms + 10ms);
}

TEST(LinkMaintenance, StatusResetPortErrorIsLoggedAndThePortStillClosed)
{
    LinkHarness h({}, LinkHarness::FastScale, failingWrite("cA"));
    ASSERT_TRUE(h.run(Link::cmdReadCalibration));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogCalibrationError));
    EXPECT_EQ(h.recorder.Logs.count(text(Texts::LogCalibrationReset)), 0);
    h.recorder.clear();
    ASSERT_TRUE(h.run(Link::cmdDisconnect));
    EXPECT_EQ(h.recorder.eventArgs(Link::evDisconnected), QList<int32_t> { 0 });
}

TEST(LinkMaintenance, WithoutAModuleOptionsAndStatusResetPostOnlyTheWrite)
{
    LinkHarness h(withFault(SimFault::Silent));
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    ASSERT_TRUE(h.run(Link::cmdReadCalibration));
    h.link->setOptionBytes(0, 1);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions), QList<int32_t> { 1 });
    EXPECT_TRUE(h.recorder.eventArgs(Link::evCalibration).isEmpty());
    EXPECT_EQ(h.recorder.Logs.count(text(Texts::LogCalibrationReset)), 1);
}

TEST(LinkMaintenance, ResetRestartsTheModuleAndEndsInAHandshake)
{
    LinkHarness h;
    ASSERT_TRUE(h.run(Link::cmdResetModule));
    EXPECT_EQ(h.recorder.eventNames(), Handshake);
    // No line of its own: the port set-up without and then with the handshake.
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> {
            text(Texts::LogPortInit), text(Texts::LogPortInit), text(Texts::LogPortOpening) }));
    EXPECT_EQ(h.sim->receivedLines(), (QList<QByteArray> { "r", "z", "v", "m", "cH" }));
    EXPECT_TRUE(h.sim->bootLoaderCommands().isEmpty());
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkMaintenance, FirmwareOf300BytesIsWrittenAndVerified)
{
    LinkHarness h;
    Flasher flasher { h, {} };
    const QByteArray file = firmware(300);
    ASSERT_TRUE(flasher.run(file));
    EXPECT_EQ(h.recorder.eventNames(), updateEvents(6, 3, 3));
    expectBarFullAtTheLastStep(h.recorder.eventArgs(Link::evFirmware));
    EXPECT_EQ(h.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128", "B 44" }, 3));
    // The outcome is the last line, after the closing handshake.
    EXPECT_EQ(h.recorder.Logs,
        (QList<QString> { text(Texts::LogPortInit), text(Texts::LogPortOpen),
            text(Texts::LogBootloaderAnswer), deviceLine(Texts::LogDeviceCode, "0x74"),
            text(Texts::LogFlashing), text(Texts::LogVerifying), text(Texts::LogVerifyPassed),
            text(Texts::LogPortInit), text(Texts::LogPortOpening), text(Texts::LogFirmwareDone) }));
    const QByteArray flash = h.sim->flash();
    EXPECT_EQ(flash.left(300), file);
    // The chip erase left the rest of the flash erased.
    EXPECT_EQ(flash.mid(300), QByteArray(SimBootLoader::FlashSize - 300, char(0xFF)));
    EXPECT_EQ(h.link->LinkMode(), Link::lmConnected);
}

TEST(LinkMaintenance, FirmwareOfWholeBlocksEndsWithTheLastFullBlock)
{
    LinkHarness h;
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(256)));
    // No block of size 0: a boot loader would take it as 65,536 bytes to come.
    EXPECT_EQ(h.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128" }, 2));
    EXPECT_EQ(h.recorder.eventNames(), updateEvents(4, 2, 2));
    expectBarFullAtTheLastStep(h.recorder.eventArgs(Link::evFirmware));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogFirmwareDone));
    EXPECT_EQ(h.sim->flash().left(256), firmware(256));
}

TEST(LinkMaintenance, OddLastBlockIsPaddedForTheWordWideLoader)
{
    LinkHarness h;
    Flasher flasher { h, {} };
    const QByteArray file = firmware(301);
    ASSERT_TRUE(flasher.run(file));
    EXPECT_EQ(h.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128", "B 46" }, 3));
    EXPECT_TRUE(h.recorder.Logs.contains(text(Texts::LogVerifyPassed)));
    EXPECT_EQ(h.sim->flash().left(302), file + char(0xFF));
}

TEST(LinkMaintenance, FirmwareFilesThatCannotBeFirmwareAreRefusedBeforeTheRestart)
{
    SimConfig unpaced;
    unpaced.Baud = 0; // the largest file is read back in full
    LinkHarness h(unpaced);
    Flasher flasher { h, {} };
    struct Case {
        QString file;
        const char* textStart;
    };
    const Case cases[] = {
        { flasher.dir.write("empty.bin", {}), Texts::FirmwareFileEmpty },
        { flasher.dir.write("big.bin", QByteArray(65537, 'x')), Texts::FirmwareFileTooLarge },
        { flasher.dir.file("missing.bin"), Texts::FirmwareFileUnreadable },
        { flasher.dir.path(), Texts::FirmwareFileUnreadable },
    };
    for (const Case& c : cases) {
        h.recorder.clear();
        h.link->setFirmwareFile(c.file);
        ASSERT_TRUE(h.run(Link::cmdFlashFirmware));
        EXPECT_EQ(h.recorder.eventNames(), Names { firmwareStep(Link::fwEnded, Link::fsFile) })
            << c.file.toStdString();
        const QStringList logs = h.recorder.Logs;
        ASSERT_GE(logs.size(), 2);
        EXPECT_TRUE(logs[logs.size() - 2].startsWith(text(c.textStart).section('%', 0, 0)))
            << logs[logs.size() - 2].toStdString();
        EXPECT_EQ(logs.last(), text(Texts::LogFirmwareFailedFile));
    }
    EXPECT_TRUE(h.sim->receivedLines().isEmpty());
    EXPECT_TRUE(h.sim->bootLoaderCommands().isEmpty());
    // The largest firmware the link takes.
    h.recorder.clear();
    ASSERT_TRUE(flasher.run(QByteArray(65536, 'x')));
    EXPECT_EQ(
        h.recorder.eventArgs(Link::evFirmware).first(), Link::firmwareEvent(Link::fwLoaded, 1024));
}

TEST(LinkMaintenance, DeviceCodeComesFromTheLoadersList)
{
    // A loader of another device code: selected, so the chip is erased and written.
    LinkHarness other(withFault(SimFault::OnlyDevice75));
    Flasher otherFlasher { other, {} };
    ASSERT_TRUE(otherFlasher.run(firmware(300)));
    EXPECT_EQ(
        other.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128", "B 44" }, 3, "T 117"));
    EXPECT_TRUE(other.recorder.Logs.contains(deviceLine(Texts::LogDeviceCode, "0x75")));
    EXPECT_EQ(other.recorder.Logs.last(), text(Texts::LogFirmwareDone));
    EXPECT_EQ(other.sim->flash().left(300), firmware(300));
    EXPECT_EQ(other.sim->flash().mid(300), QByteArray(SimBootLoader::FlashSize - 300, char(0xFF)));

    // A loader that gives no list gets the module's own code after its silence.
    LinkHarness silent(withFault(SimFault::NoDeviceList));
    Flasher silentFlasher { silent, {} };
    ASSERT_TRUE(silentFlasher.run(firmware(300)));
    EXPECT_EQ(silent.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128", "B 44" }, 3));
    EXPECT_TRUE(silent.recorder.Logs.contains(deviceLine(Texts::LogDeviceCodeDefault, "0x74")));
    EXPECT_EQ(silent.recorder.Logs.last(), text(Texts::LogFirmwareDone));
    EXPECT_EQ(silent.sim->flash().left(300), firmware(300));
}

TEST(LinkMaintenance, LoaderOfAnotherKindGetsNothingWritten)
{
    LinkHarness h(withFault(SimFault::NoBootLoader));
    const QByteArray before = h.sim->flash();
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(300)));
    EXPECT_EQ(h.sim->bootLoaderCommands(), QStringList { "S" });
    EXPECT_EQ(h.sim->flash(), before);
    EXPECT_EQ(h.recorder.eventNames(),
        Names { firmwareStep(Link::fwLoaded, 6) } << firmwareStep(
            Link::fwRestarting) << Handshake << firmwareStep(Link::fwEnded, Link::fsBootLoader));
    EXPECT_FALSE(h.recorder.Logs.contains(text(Texts::LogBootloaderAnswer)));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogFirmwareFailedLoader));
}

TEST(LinkMaintenance, FailuresAfterTheFirstBlockEndAsFailuresOfTheirStage)
{
    // A refused block: reported, then read back and the loader left all the same.
    SimConfig config = withFault(SimFault::RefusedBlock);
    config.RefusedBlock = 2;
    LinkHarness h(config);
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(300)));
    EXPECT_EQ(h.recorder.eventNames(),
        updateEvents(6, 2, 3, { firmwareStep(Link::fwBlockRefused) }, Link::fsWriting));
    EXPECT_EQ(h.sim->bootLoaderCommands(), loaderSession({ "B 128", "B 128" }, 3));
    const QStringList logs = h.recorder.Logs;
    const qsizetype error = logs.indexOf(text(Texts::LogFlashError));
    ASSERT_GE(error, 0);
    EXPECT_GT(logs.indexOf(text(Texts::LogVerifyFailed)), error);
    EXPECT_FALSE(logs.contains(text(Texts::LogFirmwareDone)));
    EXPECT_EQ(logs.last(), text(Texts::LogFirmwareFailedWriting));
    EXPECT_EQ(h.recorder.eventArgs(Link::evConnected), QList<int32_t> { 1 });

    // A read-back that differs.
    LinkHarness bad(withFault(SimFault::BadReadBack));
    Flasher badFlasher { bad, {} };
    ASSERT_TRUE(badFlasher.run(firmware(300)));
    EXPECT_TRUE(bad.recorder.Logs.contains(text(Texts::LogVerifyFailed)));
    EXPECT_FALSE(bad.recorder.Logs.contains(text(Texts::LogVerifyPassed)));
    EXPECT_FALSE(bad.recorder.Logs.contains(text(Texts::LogFirmwareDone)));
    EXPECT_EQ(bad.recorder.Logs.last(), text(Texts::LogFirmwareFailedVerify));
    EXPECT_EQ(bad.recorder.eventNames().last(), firmwareStep(Link::fwEnded, Link::fsVerifying));
    EXPECT_EQ(bad.sim->flash().left(300), firmware(300));

    // The address for the read-back is not acknowledged: no verification at all.
    LinkHarness lost({}, LinkHarness::FastScale, [](const SerialConfig& c, ScaledClock& clock) {
        return std::make_unique<LosingWritePort>(c, clock, QByteArray("A\0\0", 3));
    });
    Flasher lostFlasher { lost, {} };
    ASSERT_TRUE(lostFlasher.run(firmware(300)));
    EXPECT_EQ(lost.recorder.eventNames(), updateEvents(6, 3, 0, {}, Link::fsVerifying));
    EXPECT_FALSE(lost.recorder.Logs.contains(text(Texts::LogVerifying)));
    EXPECT_FALSE(lost.recorder.Logs.contains(text(Texts::LogFirmwareDone)));
    EXPECT_EQ(lost.recorder.Logs.last(), text(Texts::LogFirmwareFailedVerify));
    EXPECT_EQ(lost.sim->bootLoaderCommands(),
        (QStringList {
            "S", "a", "t", "T 116", "P", "e", "A 0", "B 128", "B 128", "B 44", "L", "E" }));
}

TEST(LinkMaintenance, NoAnswerToLeavingWaitsTheLoaderTimeoutAndSkipsTheEnd)
{
    LinkHarness h(withFault(SimFault::NoLeaveAck));
    Flasher flasher { h, {} };
    const auto start = SteadyClock::now();
    ASSERT_TRUE(flasher.run(firmware(300)));
    // 1000 + 500 + 2500 ms of pauses and the loader's 5 s wait for the reply to 'L', at
    // the scale 0.1; the port's usual timeouts would give up after 1 s.
    EXPECT_GE(SteadyClock::now() - start, 900ms);
    EXPECT_EQ(h.sim->bootLoaderCommands().last(), "L");
    EXPECT_TRUE(h.recorder.Logs.contains(text(Texts::LogVerifyPassed)));
    EXPECT_FALSE(h.recorder.Logs.contains(text(Texts::LogFirmwareDone)));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogFirmwareFailedLeave));
    EXPECT_EQ(h.recorder.eventNames().mid(h.recorder.eventNames().size() - 6),
        Names { firmwareStep(Link::fwRestarting) } << Handshake
                                                   << firmwareStep(Link::fwEnded, Link::fsLeaving));
}

TEST(LinkMaintenance, PortErrorDuringTheUpdateStillEndsIt)
{
    LinkHarness h({}, LinkHarness::FastScale, failingWrite("r\r"));
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(300)));
    EXPECT_EQ(h.recorder.eventNames(),
        (Names { firmwareStep(Link::fwLoaded, 6),
            QStringLiteral("evPortError %1").arg(Link::cmdFlashFirmware),
            firmwareStep(Link::fwEnded, Link::fsBootLoader) }));
    EXPECT_EQ(h.recorder.Logs.mid(h.recorder.Logs.size() - 2),
        (QList<QString> { QString(text(Texts::LogPortError)).replace("%s", "write failed"),
            text(Texts::LogFirmwareFailedLoader) }));
}

TEST(LinkMaintenance, WithoutAModuleTheUpdateEndsInAHandshakeThatFindsNone)
{
    LinkHarness h(withFault(SimFault::Silent));
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(300)));
    const Names events = h.recorder.eventNames();
    EXPECT_EQ(events.first(), firmwareStep(Link::fwLoaded, 6));
    EXPECT_EQ(events[1], firmwareStep(Link::fwRestarting));
    EXPECT_EQ(events.count("evConnected 0"), 1);
    EXPECT_EQ(events.last(), firmwareStep(Link::fwEnded, Link::fsBootLoader));
    EXPECT_EQ(h.recorder.Logs.last(), text(Texts::LogFirmwareFailedLoader));
    const SimFaults none;
    EXPECT_EQ(h.sim->flash(), SimBootLoader(none, 0).flash());
}

TEST(LinkMaintenance, OptionsAtRealTiming)
{
    LinkHarness h({}, 1.0);
    h.link->setOptionBytes(0, 1);
    h.link->setOptionBytes(1, 1);
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 1));
    ASSERT_TRUE(h.run(Link::cmdModuleOptions, 0));
    EXPECT_EQ(h.link->OptionBytes(0), '1');
    EXPECT_EQ(h.link->OptionBytes(1), '1');
    EXPECT_EQ(h.recorder.eventArgs(Link::evOptions), (QList<int32_t> { 1, 0 }));
}

TEST(LinkMaintenance, StatusResetAtRealTiming)
{
    LinkHarness h({}, 1.0);
    ASSERT_TRUE(h.run(Link::cmdReadCalibration));
    EXPECT_EQ(h.recorder.eventNames(), Handshake + Names { "evCalibration 0" });
}

TEST(LinkMaintenance, ResetAtRealTiming)
{
    LinkHarness h({}, 1.0);
    ASSERT_TRUE(h.run(Link::cmdResetModule));
    EXPECT_EQ(h.recorder.eventNames(), Handshake);
}

TEST(LinkMaintenance, FirmwareUpdateAtRealTiming)
{
    LinkHarness h({}, 1.0);
    Flasher flasher { h, {} };
    ASSERT_TRUE(flasher.run(firmware(1000)));
    EXPECT_EQ(h.recorder.eventNames(), updateEvents(16, 8, 8));
    EXPECT_TRUE(h.recorder.Logs.contains(text(Texts::LogVerifyPassed)));
    EXPECT_TRUE(h.recorder.Logs.contains(text(Texts::LogFirmwareDone)));
    EXPECT_EQ(h.sim->flash().left(1000), firmware(1000));
}
