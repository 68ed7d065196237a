// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The stream figures: latency quantiles to a bucket's width, a value counted once at the
// paint that shows it, and the report's fixed lines.
#include "ui/model/LiveMeasure.h"

#include <QList>
#include <QStringList>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(LatencyHistogram, QuantilesAreBucketEdgesAndTheMaximumIsExact)
{
    LatencyHistogram h;
    EXPECT_EQ(h.quantileMs(0.5), 0);
    for (int i = 1; i <= 100; ++i)
        h.add(i * 1000 - 1); // 0.999 ms ... 99.999 ms
    EXPECT_EQ(h.count(), 100u);
    EXPECT_DOUBLE_EQ(h.quantileMs(0.5), 50.0);
    EXPECT_DOUBLE_EQ(h.quantileMs(0.99), 99.0);
    EXPECT_DOUBLE_EQ(h.maxMs(), 99.999);
    EXPECT_DOUBLE_EQ(h.quantileMs(1.0), 99.999);
    // Beyond the last bucket: counted, and the maximum says how long.
    h.add(5'000'000);
    EXPECT_DOUBLE_EQ(h.maxMs(), 5000.0);
    EXPECT_DOUBLE_EQ(h.quantileMs(1.0), 5000.0);
    h.add(-5);
    EXPECT_EQ(h.count(), 102u);
}

TEST(LiveMeasure, ValueCountsOnceAtThePaintThatShowsItsLatestWord)
{
    LiveMeasure m;
    m.painted(7, 1'000'000); // nothing sent yet
    EXPECT_EQ(m.latency().count(), 0u);
    m.valueSent(7, 1'000'000);
    m.valueSent(7, 3'000'000); // a newer word replaces the older one before the paint
    m.valueSent(9, 2'000'000);
    m.painted(7, 8'000'000);
    m.painted(7, 9'000'000); // the same value painted again counts no more
    EXPECT_EQ(m.latency().count(), 1u);
    EXPECT_DOUBLE_EQ(m.latency().maxMs(), 5.0);
    m.painted(9, 2'500'000);
    EXPECT_EQ(m.latency().count(), 2u);
    m.backlogSeen(4);
    m.backlogSeen(2);
    EXPECT_EQ(m.maxBacklog(), 4u);

    m.start();
    const QList<QByteArray> lines = m.report(LiveMeasure::sampleProcess()).trimmed().split('\n');
    QStringList names;
    for (const QByteArray& line : lines)
        names.append(QString::fromLatin1(line.split(' ').first()));
    EXPECT_EQ(names,
        QStringList({ "seconds", "cpu_percent", "gui_thread_cpu_percent", "rss_start_kib",
            "rss_end_kib", "latency_samples", "latency_p50_ms", "latency_p99_ms", "latency_max_ms",
            "backlog_max", "stream_words", "history_kib" }));
    EXPECT_EQ(lines.at(5), "latency_samples 2");
    EXPECT_EQ(lines.at(8), "latency_max_ms 5.0");
    EXPECT_EQ(lines.at(9), "backlog_max 4");
    EXPECT_GT(lines.at(3).split(' ').last().toLongLong(), 0);
}

TEST(LiveMeasure, FiguresRunFromTheFirstToTheLastStreamWordsAndGiveTheTotals)
{
    LiveMeasure m;
    m.start();
    m.streamTick(0); // connected, no stream yet
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    m.streamTick(10);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    m.streamTick(20);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    m.streamTick(20); // no new word: the stream has stopped
    m.setTotals(123456, 5 * 1024 * 1024 + 1000);
    const QByteArray report = m.report(LiveMeasure::sampleProcess());
    const QList<QByteArray> lines = report.trimmed().split('\n');
    const double seconds = lines.at(0).split(' ').last().toDouble();
    EXPECT_GE(seconds, 0.1);
    EXPECT_LT(seconds, 0.3) << "the quiet spells before or after the stream count";
    EXPECT_TRUE(lines.contains("stream_words 123456"));
    EXPECT_TRUE(lines.contains("history_kib 5120"));
}
