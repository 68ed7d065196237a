// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ScriptedPeer.h"
#include "common/ScaledClock.h"
#include "link/serial/PosixSerialPort.h"
#include "sim/SimPty.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// A port on the slave end of a pty; the test plays the device on the master end.
class SerialPortTest : public ::testing::Test {
protected:
    SerialPortTest()
        : clock(0.05)
    {
        SerialConfig config;
        config.Name = pty.slavePath();
        config.Baud = 38400;
        port = std::make_unique<PosixSerialPort>(config, clock);
    }

    void device(const QByteArray& bytes)
    {
        ASSERT_EQ(::write(pty.master(), bytes.constData(), size_t(bytes.size())), bytes.size());
    }

    QByteArray deviceReads(size_t max)
    {
        QByteArray bytes(qsizetype(max), '\0');
        const auto deadline = SteadyClock::now() + 2s;
        qsizetype got = 0;
        while (got < qsizetype(max) && SteadyClock::now() < deadline) {
            const ssize_t r = ::read(pty.master(), bytes.data() + got, max - size_t(got));
            if (r > 0)
                got += r;
            else
                std::this_thread::sleep_for(1ms);
        }
        bytes.truncate(got);
        return bytes;
    }

    QByteArray read(size_t n)
    {
        QByteArray bytes(qsizetype(n), '\x55');
        bytes.truncate(qsizetype(port->read(reinterpret_cast<uint8_t*>(bytes.data()), n)));
        return bytes;
    }

    SimPty pty;
    ScaledClock clock;
    std::unique_ptr<PosixSerialPort> port;
};

} // namespace

TEST_F(SerialPortTest, PseudoTerminalOpensAndPassesEveryByteUnchanged)
{
    port->open();
    ASSERT_TRUE(port->isOpen());
    const QByteArray all = [] {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        return bytes;
    }();
    device(all);
    EXPECT_EQ(read(256), all);

    const QByteArray command("cH\r\xFF\n", 5);
    EXPECT_EQ(port->write(reinterpret_cast<const uint8_t*>(command.constData()), 5), 5u);
    EXPECT_EQ(deviceReads(5), command);
}

TEST_F(SerialPortTest, ReadWithNothingWaitsForTheTotalTimeoutAndStoresAZeroFirst)
{
    port->open();
    uint8_t buffer[4] = { 9, 9, 9, 9 };
    const auto start = SteadyClock::now();
    EXPECT_EQ(port->read(buffer, 4), 0u);
    const auto took = SteadyClock::now() - start;
    EXPECT_EQ(buffer[0], 0);
    // 11 * 4 + 1000 = 1044 ms at the scale 0.05: 52 ms.
    EXPECT_GE(took, 50ms);
    EXPECT_LT(took, 500ms);
}

TEST_F(SerialPortTest, ReadEndsAtTheIntervalTimeoutAfterTheFirstByte)
{
    SerialTimeouts timeouts;
    timeouts.ReadInterval = 400;
    timeouts.ReadTotalConstant = 20000; // 1 s at the scale
    port->setTimeouts(timeouts);
    port->open();
    std::thread late([this] {
        std::this_thread::sleep_for(100ms);
        device("ab");
    });
    const auto start = SteadyClock::now();
    EXPECT_EQ(read(10), "ab");
    const auto took = SteadyClock::now() - start;
    late.join();
    // The interval (20 ms) counts only from the first byte, which came after 100 ms.
    EXPECT_GE(took, 115ms);
    EXPECT_LT(took, 600ms);
}

TEST_F(SerialPortTest, ReadReturnsAsSoonAsAllBytesHaveCome)
{
    port->open();
    device("OK!");
    const auto start = SteadyClock::now();
    EXPECT_EQ(read(3), "OK!");
    EXPECT_LT(SteadyClock::now() - start, 40ms);
}

TEST_F(SerialPortTest, InterruptEndsAWaitingReadAtOnce)
{
    SerialTimeouts timeouts;
    timeouts.ReadTotalConstant = 1000000; // 50 s at the scale
    port->setTimeouts(timeouts);
    port->open();
    std::thread interrupter([this] {
        std::this_thread::sleep_for(50ms);
        clock.interrupt();
    });
    const auto start = SteadyClock::now();
    EXPECT_EQ(read(1), "");
    interrupter.join();
    EXPECT_LT(SteadyClock::now() - start, 2s);
}

TEST_F(SerialPortTest, OpeningAMissingDeviceRaisesAnError)
{
    SerialConfig config;
    config.Name = QStringLiteral("/dev/veskor-no-such-port");
    PosixSerialPort missing(config, clock);
    EXPECT_THROW(missing.open(), SerialError);
    EXPECT_FALSE(missing.isOpen());
    uint8_t byte = 0;
    EXPECT_THROW(missing.read(&byte, 1), SerialError);
}

TEST_F(SerialPortTest, PortCanBeOpenedAgainAfterClose)
{
    port->open();
    port->close();
    port->open();
    device("x");
    EXPECT_EQ(read(1), "x");
}

TEST_F(SerialPortTest, NotificationsComeOnlyWhenSwitchedOnBeforeOpening)
{
    std::atomic<int> calls { 0 };
    std::atomic<size_t> lastCount { 0 };
    port->setReceiveHandler([&](ISerialPort& p, size_t waiting) {
        lastCount = waiting;
        uint8_t buffer[64];
        p.readWaiting(buffer, std::min(waiting, sizeof buffer));
        ++calls;
    });
    port->open();
    device("abc");
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(calls.load(), 0);
    port->close();

    port->setEvents(true);
    port->open();
    device("abcde");
    const auto deadline = SteadyClock::now() + 2s;
    while (calls.load() == 0 && SteadyClock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_GE(calls.load(), 1);
    EXPECT_GE(lastCount.load(), 1u);
    port->close();
    const int before = calls.load();
    device("more");
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(calls.load(), before);
}

TEST_F(SerialPortTest, BytesLeftUnreadDoNotWakeTheNotifierAgainUntilNewOnesCome)
{
    std::atomic<int> calls { 0 };
    port->setReceiveHandler([&](ISerialPort&, size_t) { ++calls; });
    port->setEvents(true);
    port->open();
    device("idle");
    std::this_thread::sleep_for(150ms);
    const int afterFirst = calls.load();
    EXPECT_GE(afterFirst, 1);
    EXPECT_LE(afterFirst, 2);
    device("x");
    std::this_thread::sleep_for(100ms);
    EXPECT_GT(calls.load(), afterFirst);
    EXPECT_LE(calls.load(), afterFirst + 2);
    // The link thread still reads what the receive routine left.
    EXPECT_EQ(read(5), "idlex");
}

TEST_F(SerialPortTest, PurgeDropsWaitingInputButNotACommandJustWritten)
{
    port->open();
    device("stale");
    std::this_thread::sleep_for(5ms);
    port->purge();
    EXPECT_TRUE(read(5).isEmpty());
    // A command is followed at once by the next exchange's purge, as when commands are
    // queued back to back: the device must still get every one.
    QByteArray expected;
    for (int i = 0; i < 300; ++i) {
        const uint8_t command[] = { 'o', uint8_t('0' + i % 10), '\r' };
        ASSERT_EQ(port->write(command, sizeof command), sizeof command);
        port->purge();
        expected.append(reinterpret_cast<const char*>(command), sizeof command);
    }
    EXPECT_EQ(deviceReads(size_t(expected.size())), expected);
}

TEST_F(SerialPortTest, ReceiveRoutineNeverTakesTheReplyOfAnOwnReadAndNeverWaits)
{
    // The receive routine asks for far more than waits, as after a purge or a read of the
    // link thread made its count stale.
    std::mutex mutex;
    QByteArray routine;
    std::atomic<int> slowest { 0 };
    port->setReceiveHandler([&](ISerialPort& p, size_t) {
        uint8_t buffer[2000];
        const auto start = SteadyClock::now();
        const size_t got = p.readWaiting(buffer, sizeof buffer);
        const int took
            = int(std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start)
                      .count());
        slowest = std::max(slowest.load(), took);
        std::lock_guard lock(mutex);
        routine.append(reinterpret_cast<const char*>(buffer), qsizetype(got));
    });
    port->setEvents(true);
    port->open();
    auto taken = [&] {
        std::lock_guard lock(mutex);
        return routine;
    };
    auto waitTaken = [&](const QByteArray& expected) {
        const auto deadline = SteadyClock::now() + 2s;
        while (taken() != expected && SteadyClock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        return taken();
    };

    device("ab");
    EXPECT_EQ(waitTaken("ab"), "ab");

    // A reply in the same write as the data after it: the own read gets its byte, the
    // routine the rest once the read is over, with no new arrival to wake it.
    port->beginOwnRead();
    device("Hcode");
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(taken(), "ab");
    EXPECT_EQ(read(1), "H");
    port->endOwnRead();
    EXPECT_EQ(waitTaken("abcode"), "abcode");
    EXPECT_LT(slowest.load(), 20);

    // Closing is not held up by the routine.
    const auto start = SteadyClock::now();
    port->close();
    EXPECT_LT(SteadyClock::now() - start, 100ms);
}

TEST(SerialPort, HungUpDeviceIsAnErrorOfTheReceiveRoutine)
{
    ScriptedPeer peer(nullptr);
    ScaledClock clock(0.05);
    SerialConfig config;
    config.Name = peer.portPath();
    auto port = std::make_unique<PosixSerialPort>(config, clock);
    std::atomic<bool> failed { false };
    port->setReceiveHandler([&](ISerialPort& p, size_t) {
        uint8_t buffer[16];
        try {
            p.readWaiting(buffer, sizeof buffer);
        } catch (const SerialError&) {
            failed = true;
        }
    });
    port->setEvents(true);
    port->open();
    peer.hangUp();
    const auto deadline = SteadyClock::now() + 2s;
    while (!failed && SteadyClock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(failed.load());
}
