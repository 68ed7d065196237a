// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "sim/SimConfig.h"
#include "sim/SimDispatcher.h"
#include "sim/SimModule.h"
#include "sim/SimStreamer.h"
#include "sim/SimTransmitter.h"
#include "sim/SimWord.h"

#include <bit>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

TEST(SimFaults, NamesParseAndDescribe)
{
    EXPECT_EQ(SimFaults::parse("silent"), SimFault::Silent);
    EXPECT_EQ(SimFaults::parse("no-ecu"), SimFault::NoEcu);
    EXPECT_FALSE(SimFaults::parse("Silent").has_value());
    EXPECT_EQ(SimFaults::descriptions().size(), 23);
    EXPECT_EQ(SimFaults::parse("ecu-silent"), SimFault::EcuSilent);
    EXPECT_EQ(SimFaults::parse("short-replies"), SimFault::ShortReplies);
    EXPECT_EQ(SimFaults::parse("wrong-replies"), SimFault::WrongReplies);
    EXPECT_EQ(SimFaults::parse("unplug"), SimFault::Unplug);
    EXPECT_EQ(SimFaults::parse("flip-bits"), SimFault::FlipBits);
    EXPECT_EQ(SimFaults::parse("drop-bytes"), SimFault::DropBytes);
    SimFaults faults;
    faults.set(SimFault::Noise);
    EXPECT_TRUE(faults.has(SimFault::Noise));
    EXPECT_FALSE(faults.has(SimFault::Silent));
}

TEST(SimConfig, CalibrationIsFourHexDigits)
{
    EXPECT_TRUE(SimConfig::validCalibration(SimDefaults::Calibration));
    EXPECT_TRUE(SimConfig::validCalibration("00ff"));
    EXPECT_FALSE(SimConfig::validCalibration("4BA"));
    EXPECT_FALSE(SimConfig::validCalibration("4BAG"));
}

TEST(SimDispatcher, ExactCommandsWinAndTheLongestPrefixServesTheRest)
{
    SimDispatcher dispatcher;
    QByteArray seen;
    auto handler = [&](const char* tag) {
        return [&seen, tag](SimModule&, const QByteArray& line) { seen = tag + line; };
    };
    dispatcher.addPrefix("c", handler("c:"));
    dispatcher.addExact("cH", handler("cH:"));
    dispatcher.addPrefix("o0", handler("o0:"));
    dispatcher.addPrefix("o", handler("o:"));
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK), 0);
    SimTransmitter transmitter(fds[1], 0, 1.0);
    SimModule module(SimConfig {}, transmitter);
    auto call = [&](const QByteArray& line) {
        seen.clear();
        if (auto* h = dispatcher.find(line))
            (*h)(module, line);
        return seen;
    };
    EXPECT_EQ(call("cH"), "cH:cH");
    EXPECT_EQ(call("cB"), "c:cB");
    EXPECT_EQ(call("o02"), "o0:o02");
    EXPECT_EQ(call("ooooooo"), "o:ooooooo");
    EXPECT_EQ(call("x"), "");
    ::close(fds[0]);
    ::close(fds[1]);
}

namespace {

QList<QByteArray> packets(SimStreamer& streamer, int count)
{
    QList<QByteArray> result;
    for (int i = 0; i < count; ++i)
        result.append(streamer.next());
    return result;
}

bool onlyPositionsUpTo3(uint8_t slot, uint16_t& value)
{
    value = slot;
    return (slot & 0x0F) <= 3;
}

uint16_t wordOf(const QByteArray& packet)
{
    return uint16_t(uint8_t(packet[2]) | uint8_t(packet[3]) << 8);
}

bool validWord(uint16_t word)
{
    return word >> 12 == SimWord::check(word & 0x0FFF);
}

// A module that writes into a pipe, unpaced; read() takes what it has sent.
struct PipedModule {
    int fds[2] = { -1, -1 };
    std::unique_ptr<SimTransmitter> transmitter;
    std::unique_ptr<SimModule> module;

    explicit PipedModule(const SimConfig& config)
    {
        EXPECT_EQ(pipe2(fds, O_NONBLOCK), 0);
        transmitter = std::make_unique<SimTransmitter>(fds[1], 0, 1.0);
        module = std::make_unique<SimModule>(config, *transmitter);
    }
    ~PipedModule()
    {
        module.reset();
        ::close(fds[0]);
        ::close(fds[1]);
    }
    QByteArray read()
    {
        module->service(std::chrono::steady_clock::now());
        char buffer[4096];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
};

} // namespace

TEST(SimStreamer, SendsTheSourceSlotsAsCheckedPackets)
{
    SimFaults none;
    SimStreamer streamer(none);
    EXPECT_TRUE(streamer.next().isEmpty());
    streamer.start(onlyPositionsUpTo3);
    const QList<QByteArray> sent = packets(streamer, 64);
    for (int i = 0; i < 64; ++i) {
        const QByteArray& p = sent[i];
        ASSERT_EQ(p.size(), 4);
        EXPECT_EQ(uint8_t(p[0]), 0xFF);
        const uint8_t slot = uint8_t(p[1]);
        EXPECT_EQ(slot, (i / 4) * 16 + i % 4);
        const uint16_t word = wordOf(p);
        EXPECT_TRUE(validWord(word));
        EXPECT_EQ(word & 0x0FFF, slot);
    }
    EXPECT_EQ(uint8_t(streamer.next()[1]), 0x00); // the frames start over
}

TEST(SimStreamer, FaultsSpoilTheStream)
{
    SimFaults badCheck;
    badCheck.set(SimFault::BadCheck);
    SimStreamer bad(badCheck);
    bad.start(onlyPositionsUpTo3);
    for (const QByteArray& p : packets(bad, 20))
        EXPECT_FALSE(validWord(wordOf(p)));

    SimFaults noise;
    noise.set(SimFault::Noise);
    SimStreamer noisy(noise);
    noisy.start(onlyPositionsUpTo3);
    int extra = 0;
    for (const QByteArray& p : packets(noisy, 400))
        extra += int(p.size()) - 4;
    EXPECT_GT(extra, 10);
    EXPECT_LT(extra, 150);
}

TEST(SimTransmitter, PacesAtTheBaudRateOnTheTimeScale)
{
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK), 0);
    // 9600 baud at the scale 0.1: a byte takes 104 us, 480 bytes about 50 ms.
    SimTransmitter transmitter(fds[1], 9600, 0.1);
    transmitter.send(QByteArray(480, 'x'));
    const auto start = std::chrono::steady_clock::now();
    while (transmitter.pending() > 0) {
        transmitter.pump(std::chrono::steady_clock::now());
        std::this_thread::sleep_for(1ms);
    }
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 45ms);
    EXPECT_LT(took, 400ms);

    SimTransmitter unpaced(fds[1], 0, 1.0);
    unpaced.send(QByteArray(480, 'y'));
    unpaced.pump(std::chrono::steady_clock::now());
    EXPECT_EQ(unpaced.pending(), 0);
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST(SimStreamer, CorruptsOnePacketInTheRate)
{
    // flip-bits: one bit of the word, so the check always fails, and nothing else changes.
    SimFaults flip;
    flip.set(SimFault::FlipBits);
    SimStreamer flipped(flip);
    flipped.start(onlyPositionsUpTo3);
    SimFaults none;
    SimStreamer clean(none);
    clean.start(onlyPositionsUpTo3);
    int spoilt = 0;
    for (int i = 0; i < 800; ++i) {
        const QByteArray p = flipped.next();
        const QByteArray truth = clean.next();
        ASSERT_EQ(p.size(), 4);
        ASSERT_EQ(p.left(2), truth.left(2));
        const uint16_t difference = wordOf(p) ^ wordOf(truth);
        if (difference == 0)
            continue;
        ++spoilt;
        EXPECT_EQ(std::popcount(difference), 1);
        EXPECT_FALSE(validWord(wordOf(p)));
    }
    EXPECT_GT(spoilt, 60); // about 100
    EXPECT_LT(spoilt, 140);
    EXPECT_EQ(flipped.corrupted(), uint64_t(spoilt));

    // drop-bytes at the rate 4: a packet of three bytes, about 200 of 800.
    SimFaults drop;
    drop.set(SimFault::DropBytes);
    drop.setCorruptRate(4);
    SimStreamer dropped(drop);
    dropped.start(onlyPositionsUpTo3);
    int shorter = 0;
    for (const QByteArray& p : packets(dropped, 800)) {
        ASSERT_GE(p.size(), 3);
        shorter += p.size() == 3;
    }
    EXPECT_GT(shorter, 140);
    EXPECT_LT(shorter, 260);
    EXPECT_EQ(dropped.corrupted(), uint64_t(shorter));
}

TEST(SimModule, AnswersTheCalibrationRequestOnceInOneWrite)
{
    SimConfig config;
    config.Calibration = "1234";
    PipedModule once(config);
    once.module->receive("cH\r");
    const QByteArray code = QByteArray("H") + SimWord::packet(0xB1, SimWord::word(0x12))
        + SimWord::packet(0xA1, SimWord::word(0x34));
    EXPECT_EQ(once.read().toHex(' '), code.toHex(' '));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(once.read(), QByteArray()); // and then the line is quiet

    config.CalibrationRepeats = 3;
    PipedModule thrice(config);
    thrice.module->receive("cH\r");
    EXPECT_EQ(thrice.read(), "H" + code.mid(1).repeated(3));
}

TEST(SimModule, SpoiltRepliesLeaveTheSearchAnswerWhole)
{
    SimConfig config;
    config.Faults.set(SimFault::ShortReplies);
    PipedModule cut(config);
    cut.module->receive("z\r");
    EXPECT_EQ(cut.read(), "OK!");
    cut.module->receive("v\r");
    EXPECT_EQ(cut.read(), QByteArray(SimDefaults::VersionReply).left(4));
    cut.module->receive("m\r");
    EXPECT_EQ(cut.read(), "c"); // one byte has no half to lose

    SimConfig wrongConfig;
    wrongConfig.Faults.set(SimFault::WrongReplies);
    PipedModule wrong(wrongConfig);
    wrong.module->receive("z\r");
    EXPECT_EQ(wrong.read(), "OK!");
    wrong.module->receive("lP\r");
    EXPECT_EQ(wrong.read(), "?");

    // The faults can be lifted while the module runs.
    wrong.module->setFaults({});
    wrong.module->receive("lP\r");
    EXPECT_EQ(wrong.read(), "P");
}

TEST(SimModule, TheUnplugLinePullsTheCableOnce)
{
    SimConfig config;
    config.Faults.set(SimFault::Unplug);
    config.Faults.setUnplugOn("a");
    PipedModule module(config);
    module.module->receive("lD\r");
    EXPECT_EQ(module.read(), "D");
    EXPECT_FALSE(module.module->takeUnplug());
    // A line that begins with the trigger pulls it, and nothing after it is answered.
    module.module->receive("a000010\rv\r");
    EXPECT_TRUE(module.module->takeUnplug());
    EXPECT_FALSE(module.module->takeUnplug());
    EXPECT_EQ(module.read(), QByteArray());
    EXPECT_FALSE(SimFaults().unplugs("a000010"));
}
