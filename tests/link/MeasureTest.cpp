// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The two measurements of the exchanges at a paced 115,200 baud and real speed. They take
// about two minutes, so they run only when asked: VESKOR_MEASURE=1.
#include "ExchangeTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Seconds = std::chrono::duration<double>;

constexpr int Baud = 115200;
constexpr double BitsPerByte = 10;

bool measuring()
{
    return qEnvironmentVariableIntValue("VESKOR_MEASURE") == 1;
}

// Line time of word packets of four bytes each.
double lineSeconds(uint64_t words)
{
    return double(words) * 4 * BitsPerByte / Baud;
}

} // namespace

TEST(LinkMeasure, StreamOfAMinuteLosesNoWord)
{
    if (!measuring())
        GTEST_SKIP() << "set VESKOR_MEASURE=1 to measure";
    // No ECU link: the handshake asks for no identification frames, so every word the
    // simulator counts is a word of the live stream.
    SimConfig config = simWith({ SimFault::NoEcu, SimFault::StreamStops });
    config.Baud = Baud;
    config.StreamStopMs = 60000;
    ExchangeHarness h(config, 1.0);
    ASSERT_TRUE(h.run(Link::cmdStartData));
    ASSERT_EQ(h.link->LinkMode(), Link::lmLiveData);
    h.recorder.waitFor([] { return false; }, 61s);
    h.recorder.waitFor(
        [&] { return uint64_t(validWords(h.recorder)) >= h.sim->wordsStreamed(); }, 5s);
    const uint64_t sent = h.sim->wordsStreamed();
    const uint64_t decoded = uint64_t(validWords(h.recorder));
    std::printf("stream at %d baud for 60 s: %llu words sent, %llu valid words decoded "
                "(decoded/sent %.6f), %.0f words/s, line time %.2f s\n",
        Baud, (unsigned long long)sent, (unsigned long long)decoded, double(decoded) / double(sent),
        double(sent) / 60, lineSeconds(sent));
    EXPECT_EQ(decoded, sent);
    EXPECT_GT(sent, 160000u);
    ASSERT_TRUE(h.run(Link::cmdStopData));
}

TEST(LinkMeasure, FullDumpTakesAtMostATenthMoreThanTheLine)
{
    if (!measuring())
        GTEST_SKIP() << "set VESKOR_MEASURE=1 to measure";
    SimConfig config;
    config.Baud = Baud;
    ExchangeHarness h(config, 1.0);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runWide(h, Link::cmdDumpRange, 0, int32_t(4095u << 16), 120s));
    const Seconds exchange = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(h.recorder.eventArgs(Link::evDumpDone), QList<int32_t> { 0 });
    ASSERT_FALSE(h.recorder.SlotPosts.isEmpty());
    // From the first word of the stream to the word that closed the last block.
    const Seconds stream = h.recorder.SlotPosts.last().Taken - h.recorder.SlotPosts.first().Taken;
    const double line = lineSeconds(h.sim->wordsStreamed());
    std::printf("full dump at %d baud: %llu words, line time %.2f s, stream %.2f s "
                "(stream/line %.4f), whole exchange %.2f s\n",
        Baud, (unsigned long long)h.sim->wordsStreamed(), line, stream.count(),
        stream.count() / line, exchange.count());
    EXPECT_LE(stream.count(), 1.1 * line);
}
