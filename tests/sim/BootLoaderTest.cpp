// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The simulated module's boot loader: the AVR109 subset over its flash, its faults, and
// the way back to the module's firmware.
#include "sim/SimBootLoader.h"
#include "sim/SimConfig.h"
#include "sim/SimModule.h"
#include "sim/SimTransmitter.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray result;
    for (int b : list)
        result.append(char(b));
    return result;
}

// A loader after a restart, fed through take().
struct Loader {
    explicit Loader(SimFaults f = {}, int refusedBlock = 2)
        : faults(f)
        , loader(faults, refusedBlock)
    {
        loader.restart();
    }

    // Feeds input and returns the replies; what the loader left is in rest.
    QByteArray feed(const QByteArray& input)
    {
        rest += input;
        QByteArray reply;
        loader.take(rest, reply);
        return reply;
    }

    SimFaults faults;
    SimBootLoader loader;
    QByteArray rest;
};

} // namespace

TEST(SimBootLoader, ProgramsWordsWithAutoIncrementAndReadsErasedPastTheEnd)
{
    Loader l;
    EXPECT_EQ(l.feed("Sat"), QByteArray(SimBootLoader::Identifier) + 'Y' + bytes({ 0x74, 0 }));
    EXPECT_EQ(l.feed(bytes({ 'T', 0x74, 'P', 'e', 'A', 0, 0 })), "\r\r\r\r");
    EXPECT_EQ(l.loader.flash(), QByteArray(SimBootLoader::FlashSize, char(0xFF)));
    // A block split over two arrivals waits for its rest.
    EXPECT_EQ(l.feed(bytes({ 'B', 0, 4, 'F', 1, 2 })), "");
    EXPECT_EQ(l.feed(bytes({ 3, 4, 'B', 0, 2, 'F', 5, 6 })), "\r\r");
    EXPECT_EQ(l.loader.flash().left(7), bytes({ 1, 2, 3, 4, 5, 6, 0xFF }));
    // Odd sizes, other memories and blocks past the flash's end are refused unwritten.
    EXPECT_EQ(l.feed(bytes({ 'B', 0, 3, 'F', 9, 9, 9, 'B', 0, 2, 'E', 9, 9 })), "??");
    EXPECT_EQ(l.loader.flash().left(7), bytes({ 1, 2, 3, 4, 5, 6, 0xFF }));
    const int lastWord = SimBootLoader::FlashSize / 2 - 1;
    EXPECT_EQ(
        l.feed(bytes({ 'A', lastWord >> 8, lastWord & 0xFF, 'B', 0, 4, 'F', 7, 7, 7, 7 })), "\r?");
    EXPECT_EQ(l.feed(bytes({ 'g', 0, 4, 'F' })), bytes({ 0xFF, 0xFF, 0xFF, 0xFF }));

    EXPECT_EQ(
        l.feed(bytes({ 'A', 0, 1, 'g', 0, 2, 'F', 'g', 0, 2, 'F' })), "\r" + bytes({ 3, 4, 5, 6 }));
    EXPECT_EQ(l.feed("x"), "?");
    EXPECT_EQ(l.feed("LEz\r"), "\r\r");
    EXPECT_EQ(l.loader.state(), SimBootLoader::State::Left);
    EXPECT_EQ(l.rest, "z\r");
    EXPECT_EQ(l.loader.commands().mid(0, 8),
        (QStringList { "S", "a", "t", "T 116", "P", "e", "A 0", "B 4" }));
}

TEST(SimBootLoader, OnlyASupportedDeviceCodeLetsItEraseAndWrite)
{
    const QByteArray factory = Loader().loader.flash();
    // No 'T' yet, or one of a code it does not list: 'T' and 'e' are acknowledged, yet
    // nothing is erased and blocks are refused, as the reference loader does.
    Loader l;
    EXPECT_EQ(l.feed(bytes({ 'S', 'e', 'B', 0, 2, 'F', 1, 1 })),
        QByteArray(SimBootLoader::Identifier) + "\r?");
    EXPECT_EQ(l.feed(bytes({ 'T', 0x75, 'e', 'A', 0, 0, 'B', 0, 2, 'F', 1, 1 })), "\r\r\r?");
    EXPECT_EQ(l.loader.flash(), factory);
    EXPECT_EQ(l.feed(bytes({ 'T', 0x74, 'e', 'B', 0, 2, 'F', 1, 1 })), "\r\r\r");
    EXPECT_EQ(l.loader.flash().left(3), bytes({ 1, 1, 0xFF }));
    // A restart forgets the code.
    l.loader.restart();
    EXPECT_EQ(l.feed(bytes({ 'S', 'A', 0, 0, 'B', 0, 2, 'F', 2, 2 })),
        QByteArray(SimBootLoader::Identifier) + "\r?");

    // Under the fault it lists 0x75 alone, and only 0x75 writes.
    SimFaults only75;
    only75.set(SimFault::OnlyDevice75);
    Loader other(only75);
    EXPECT_EQ(other.feed("t"), bytes({ 0x75, 0 }));
    EXPECT_EQ(other.feed(bytes({ 'T', 0x74, 'e', 'B', 0, 2, 'F', 3, 3 })), "\r\r?");
    EXPECT_EQ(other.loader.flash(), factory);
    EXPECT_EQ(other.feed(bytes({ 'T', 0x75, 'e', 'B', 0, 2, 'F', 3, 3 })), "\r\r\r");
    EXPECT_EQ(other.loader.flash().left(3), bytes({ 3, 3, 0xFF }));

    // Under the other it takes 't' without a word and goes on with the next command.
    SimFaults noList;
    noList.set(SimFault::NoDeviceList);
    Loader silent(noList);
    EXPECT_EQ(silent.feed("St"), SimBootLoader::Identifier);
    EXPECT_EQ(silent.feed("a"), "Y");
    EXPECT_EQ(silent.loader.commands(), (QStringList { "S", "t", "a" }));
}

TEST(SimBootLoader, AFirstByteThatIsNoCommandGivesThePortBackToTheModule)
{
    Loader l;
    EXPECT_EQ(l.feed("z\r"), "");
    EXPECT_EQ(l.loader.state(), SimBootLoader::State::Left);
    EXPECT_EQ(l.rest, "z\r");
    EXPECT_TRUE(l.loader.commands().isEmpty());
}

TEST(SimBootLoader, FaultsOfTheLoader)
{
    SimFaults foreign;
    foreign.set(SimFault::NoBootLoader);
    Loader other(foreign);
    EXPECT_EQ(other.feed("S"), SimBootLoader::ForeignIdentifier);
    EXPECT_EQ(other.feed("z"), "");
    EXPECT_EQ(other.loader.state(), SimBootLoader::State::Left);

    SimFaults refusing;
    refusing.set(SimFault::RefusedBlock);
    Loader refused(refusing, 2);
    refused.feed(bytes({ 'S', 'T', 0x74, 'e' }));
    EXPECT_EQ(
        refused.feed(bytes({ 'B', 0, 2, 'F', 1, 1, 'B', 0, 2, 'F', 2, 2, 'B', 0, 2, 'F', 3, 3 })),
        "\r\r");
    EXPECT_EQ(refused.loader.flash().left(4), bytes({ 1, 1, 3, 3 }));

    SimFaults badRead;
    badRead.set(SimFault::BadReadBack);
    Loader bad(badRead);
    bad.feed(bytes({ 'S', 'T', 0x74, 'e', 'B', 0, 2, 'F', 0x12, 0x34, 'A', 0, 0 }));
    EXPECT_EQ(bad.feed(bytes({ 'g', 0, 2, 'F', 'A', 0, 0, 'g', 0, 2, 'F' })),
        bytes({ 0xED, 0x34, '\r', 0x12, 0x34 }));
    EXPECT_EQ(bad.loader.flash().left(2), bytes({ 0x12, 0x34 }));

    SimFaults silentLeave;
    silentLeave.set(SimFault::NoLeaveAck);
    Loader leaving(silentLeave);
    EXPECT_EQ(leaving.feed("SLE"), SimBootLoader::Identifier);
    EXPECT_EQ(leaving.loader.state(), SimBootLoader::State::Left);
    EXPECT_EQ(leaving.rest, "E");
}

namespace {

// A module on a pipe: what it sends can be read back.
struct PipedModule {
    PipedModule()
    {
        EXPECT_EQ(pipe2(fds, O_NONBLOCK), 0);
        config.Baud = 0;
        config.TimeScale = 0.01;
        transmitter = std::make_unique<SimTransmitter>(fds[1], 0, 1.0);
        module = std::make_unique<SimModule>(config, *transmitter);
    }
    ~PipedModule()
    {
        module.reset();
        ::close(fds[0]);
        ::close(fds[1]);
    }

    QByteArray send(const QByteArray& input)
    {
        module->receive(input);
        module->service(SimModule::Clock::now());
        char buffer[256];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
    void waitAndService(std::chrono::milliseconds ms)
    {
        std::this_thread::sleep_for(ms);
        module->service(SimModule::Clock::now());
    }

    int fds[2] {};
    SimConfig config;
    std::unique_ptr<SimTransmitter> transmitter;
    std::unique_ptr<SimModule> module;
};

} // namespace

TEST(SimBootLoader, RestartGivesTheLoaderAWindowThenTheModuleAgain)
{
    PipedModule m;
    EXPECT_EQ(m.send("r\r"), "");
    EXPECT_EQ(m.send("S"), SimBootLoader::Identifier);
    EXPECT_EQ(m.send("E"), "\r");
    EXPECT_EQ(m.send("ooooooo\r"), bytes({ 127, 127 }));

    // Nobody speaks to the loader within its 3000 ms (30 ms here): the module runs again.
    m.send("r\r");
    m.waitAndService(60ms);
    EXPECT_EQ(m.send("o02\r"), "");
    EXPECT_EQ(m.send("o11\ro07\rooooooo\r"), "21");
    EXPECT_EQ(m.send("cA\r"), "A");

    // A session that falls silent for 10 s (100 ms here) gives the module back too.
    m.send("r\rS");
    m.waitAndService(150ms);
    EXPECT_EQ(m.send("z\r"), "OK!");
}

TEST(SimBootLoader, AnswersWhatAnAvr109FrontEndAsksFirst)
{
    Loader l;
    // ESC wakes the loader without a word; a restarted loader stays for the front end.
    EXPECT_EQ(l.feed(bytes({ 0x1B })), "");
    EXPECT_EQ(l.loader.state(), SimBootLoader::State::Session);
    EXPECT_EQ(l.feed("S"), SimBootLoader::Identifier);
    EXPECT_EQ(l.feed("V"), "10");
    // AVR109 has no hardware version.
    EXPECT_EQ(l.feed("v"), "?");
    EXPECT_EQ(l.feed("p"), "S");
    EXPECT_EQ(l.feed("b"), bytes({ 'Y', 0x00, 0x80 }));
    // The ATmega16's signature, last byte first.
    EXPECT_EQ(l.feed("s"), bytes({ 0x03, 0x94, 0x1E }));
    EXPECT_EQ(l.loader.commands(), (QStringList { "ESC", "S", "V", "v", "p", "b", "s" }));
}
