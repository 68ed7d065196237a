// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Figures of a live stream for soak runs and benchmarks: how long a value takes from the
// moment the link took its word to the paint of the gauge that shows it, how many slot
// messages waited at most, and the process's CPU share and resident memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Latencies in 0.1 ms buckets up to one second; longer ones count in the last bucket and
// in the maximum. Fixed size, so an hour's soak costs no more memory than a minute's.
class LatencyHistogram {
public:
    static constexpr int BucketUs = 100;
    static constexpr int Buckets = 10000;

    void add(int64_t us);
    uint64_t count() const { return m_count; }
    // The latency below which the share q (0 to 1) of the samples lie, to a bucket's width
    // (its upper edge); 0 without samples.
    double quantileMs(double q) const;
    double maxMs() const { return double(m_max) / 1000.0; }

private:
    std::vector<uint32_t> m_buckets = std::vector<uint32_t>(Buckets, 0);
    uint64_t m_count = 0;
    int64_t m_max = 0;
};

class LiveMeasure {
public:
    // The word of a PID's latest value was taken by the link at stampNs (steady clock).
    void valueSent(uint8_t pid, int64_t stampNs) { m_pending[pid] = stampNs; }
    // A gauge showing the PID paints at nowNs: the latest value it was sent has arrived.
    void painted(uint8_t pid, int64_t nowNs);
    void backlogSeen(uint64_t waiting);
    // Called once a second with the count of live words handled so far: while it grows,
    // the stream runs. The figures of time, CPU and memory start at the first call that
    // sees words and end at the last, so that quiet spells around the stream do not thin
    // them out.
    void streamTick(uint64_t liveWords);
    // What the run ended with: the words handled, and the memory the recorded history held.
    void setTotals(uint64_t liveWords, uint64_t historyBytes);

    const LatencyHistogram& latency() const { return m_latency; }
    uint64_t maxBacklog() const { return m_maxBacklog; }

    // The process's figures, read at the start and at the end of the run (on the GUI thread).
    struct ProcessSample {
        int64_t wallNs = 0;
        int64_t cpuNs = 0;
        // The calling thread's own CPU time: sampled on the GUI thread, the window's share.
        int64_t threadCpuNs = 0;
        int64_t rssKib = 0;
    };
    static ProcessSample sampleProcess();
    void start() { m_start = sampleProcess(); }

    // One "name value" line per figure, in a fixed order. Time, CPU and memory end at the
    // last stream tick that saw new words, or at endOfRun without one.
    QByteArray report(const ProcessSample& endOfRun) const;
    static int64_t steadyNs();

private:
    std::array<int64_t, 256> m_pending {};
    LatencyHistogram m_latency;
    uint64_t m_maxBacklog = 0;
    ProcessSample m_start;
    ProcessSample m_lastStreaming;
    uint64_t m_ticked = 0;
    uint64_t m_liveWords = 0;
    uint64_t m_historyBytes = 0;
};
