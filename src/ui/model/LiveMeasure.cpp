// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LiveMeasure.h"

#include <QFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

void LatencyHistogram::add(int64_t us)
{
    us = std::max<int64_t>(us, 0);
    ++m_buckets[size_t(std::min<int64_t>(us / BucketUs, Buckets - 1))];
    ++m_count;
    m_max = std::max(m_max, us);
}

double LatencyHistogram::quantileMs(double q) const
{
    if (m_count == 0)
        return 0;
    // The sample of rank ceil(q * n), counted from 1.
    const auto rank = std::max<uint64_t>(1, uint64_t(std::ceil(q * double(m_count))));
    uint64_t seen = 0;
    for (int i = 0; i < Buckets; ++i) {
        seen += m_buckets[size_t(i)];
        // The last bucket holds everything longer: only the maximum bounds it.
        if (seen >= rank)
            return i == Buckets - 1 ? maxMs()
                                    : std::min(double((i + 1) * BucketUs) / 1000.0, maxMs());
    }
    return maxMs();
}

void LiveMeasure::painted(uint8_t pid, int64_t nowNs)
{
    int64_t& stamp = m_pending[pid];
    if (stamp == 0)
        return;
    m_latency.add((nowNs - stamp) / 1000);
    stamp = 0;
}

void LiveMeasure::backlogSeen(uint64_t waiting)
{
    m_maxBacklog = std::max(m_maxBacklog, waiting);
}

void LiveMeasure::streamTick(uint64_t liveWords)
{
    if (liveWords == m_ticked)
        return;
    // The first words: the figures start here, not at the connection, whose handshake
    // and pauses before the stream would thin them out.
    if (m_ticked == 0)
        start();
    m_ticked = liveWords;
    m_lastStreaming = sampleProcess();
}

void LiveMeasure::setTotals(uint64_t liveWords, uint64_t historyBytes)
{
    m_liveWords = liveWords;
    m_historyBytes = historyBytes;
}

int64_t LiveMeasure::steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

LiveMeasure::ProcessSample LiveMeasure::sampleProcess()
{
    ProcessSample s;
    s.wallNs = steadyNs();
    timespec cpu {};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu) == 0)
        s.cpuNs = int64_t(cpu.tv_sec) * 1000000000 + cpu.tv_nsec;
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu) == 0)
        s.threadCpuNs = int64_t(cpu.tv_sec) * 1000000000 + cpu.tv_nsec;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                s.rssKib = line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return s;
}

QByteArray LiveMeasure::report(const ProcessSample& endOfRun) const
{
    const ProcessSample& end = m_lastStreaming.wallNs ? m_lastStreaming : endOfRun;
    const double seconds = double(end.wallNs - m_start.wallNs) / 1e9;
    const auto share
        = [seconds](int64_t ns) { return seconds > 0 ? 100.0 * double(ns) / 1e9 / seconds : 0; };
    QByteArray text;
    const auto line = [&text](const char* name, const QByteArray& value) {
        text += QByteArray(name) + ' ' + value + '\n';
    };
    line("seconds", QByteArray::number(seconds, 'f', 1));
    line("cpu_percent", QByteArray::number(share(end.cpuNs - m_start.cpuNs), 'f', 1));
    line("gui_thread_cpu_percent",
        QByteArray::number(share(end.threadCpuNs - m_start.threadCpuNs), 'f', 1));
    line("rss_start_kib", QByteArray::number(m_start.rssKib));
    line("rss_end_kib", QByteArray::number(end.rssKib));
    line("latency_samples", QByteArray::number(qulonglong(m_latency.count())));
    line("latency_p50_ms", QByteArray::number(m_latency.quantileMs(0.5), 'f', 1));
    line("latency_p99_ms", QByteArray::number(m_latency.quantileMs(0.99), 'f', 1));
    line("latency_max_ms", QByteArray::number(m_latency.maxMs(), 'f', 1));
    line("backlog_max", QByteArray::number(qulonglong(m_maxBacklog)));
    line("stream_words", QByteArray::number(qulonglong(m_liveWords)));
    line("history_kib", QByteArray::number(qulonglong(m_historyBytes / 1024)));
    return text;
}
