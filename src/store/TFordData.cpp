// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TFordData.h"

#include "common/AtomicFile.h"
#include "common/ProgramClock.h"
#include "store/PidUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <utility>

namespace {

using PidTable = std::array<uint8_t, 64>;

// Row f: the PIDs of positions 2, 3, 4 and 5 of frame f.
// clang-format off
constexpr PidTable TableP = {
    0x01, 0x11, 0x09, 0x0D, 0x0E, 0x06, 0x10, 0x05, 0x0F, 0x15, 0x26, 0x07, 0x0C, 0x04, 0x08, 0x0B,
    0x17, 0x1A, 0x1B, 0x16, 0x02, 0x03, 0x12, 0x0A, 0x13, 0x18, 0x19, 0x1C, 0x27, 0x28, 0x2A, 0x2B,
    0x01, 0x11, 0x09, 0x0D, 0x0E, 0x06, 0x10, 0x05, 0x0F, 0x15, 0x26, 0x07, 0x0C, 0x04, 0x08, 0x0B,
    0x35, 0x36, 0x37, 0x38, 0x2D, 0x2E, 0x2F, 0x30, 0x32, 0x18, 0x24, 0x25, 0x27, 0x28, 0x2A, 0x2B,
};

constexpr PidTable TableT = {
    0x0A, 0x14, 0x16, 0x19, 0x1C, 0x1D, 0x24, 0x25, 0x26, 0x29, 0x2C, 0x31, 0x33, 0x34, 0x39, 0x3A,
    0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,
    0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A,
    0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A,
};
// clang-format on

struct DefaultLimit {
    uint8_t pid;
    float min;
    float max;
};

constexpr DefaultLimit DefaultLimits[] = {
    { 1, 0, 6500 },
    { 4, -10, 50 },
    { 9, 0, 4095 },
    { 12, 0, 20 },
    { 13, 0, 2 },
    { 15, -20, 100 },
    { 16, -20, 130 },
    { 17, 0, 16 },
    { 23, 0, 180 },
    { 24, 0, 200 },
    { 38, 0, 2000 },
    { 42, 0, 2500 },
    { 254, 0, 6500 },
    { 255, 0, 2500 },
};

// Serial adapters deliver bytes in bursts, so two samples often share a millisecond and
// the last gap is 0. Without a floor the next burst would open a new block of ~20 KB each
// time, and memory would grow with the bursts instead of the samples.
constexpr uint32_t MinContinuationMs = 500;

// A block goes on while the pause since its last sample is at most ten gaps, and never
// ends on a pause shorter than the floor.
bool continues(const THistoryBlock& block, uint32_t now)
{
    if (block.Idx > THistoryBlock::Capacity - 1)
        return false;
    const int64_t tenGaps = int64_t(block.Interval) * 10;
    if (tenGaps > std::numeric_limits<int32_t>::max()
        || tenGaps < std::numeric_limits<int32_t>::min())
        return true;
    // Compared unsigned: a negative product stands for a huge limit.
    const uint32_t limit = std::max(uint32_t(int32_t(tenGaps)), MinContinuationMs);
    return uint32_t(now - block.TSLast) <= limit;
}

} // namespace

TFordData::TFordData(QObject* owner)
    : QObject(owner)
    , m_clock(ProgramClock::now)
{
    SetDefaultLimits();
}

TFordData::~TFordData() = default;

void TFordData::setClock(ClockFunction clock)
{
    m_programClock = !clock;
    m_clock = clock ? std::move(clock) : ClockFunction(ProgramClock::now);
}

uint32_t TFordData::now() const
{
    return m_clock();
}

void TFordData::SetDefaultLimits()
{
    for (const DefaultLimit& limit : DefaultLimits) {
        m_limits[limit.pid].ScaleMin = limit.min;
        m_limits[limit.pid].ScaleMax = limit.max;
    }
    m_limits[TestSignalPid].RecordHistory = true;
}

bool TFordData::SelectTable(char letter)
{
    const PidTable* table = letter == 'P' ? &TableP : letter == 'T' ? &TableT : nullptr;
    if (!table)
        return false;
    for (size_t i = 0; i < table->size(); ++i)
        m_pidMap[i].store((*table)[i], std::memory_order_relaxed);
    return true;
}

bool TFordData::StoreValue(uint8_t pid, uint16_t word)
{
    if (!m_limits[pid].RecordHistory.load(std::memory_order_relaxed))
        return false;
    return AppendSample(pid, word, now());
}

bool TFordData::AppendSample(uint8_t pid, uint16_t word, uint32_t time)
{
    std::lock_guard lock(m_historyLock);
    auto& blocks = m_history[pid];
    THistoryBlock* block = blocks.empty() ? nullptr : blocks.back().get();
    if (!block || !continues(*block, time)) {
        try {
            blocks.push_back(std::make_unique<THistoryBlock>());
        } catch (const std::bad_alloc&) {
            return false;
        }
        block = blocks.back().get();
    }
    block->Interval = int32_t(time - block->TSLast);
    block->TSLast = time;
    if (block->Idx == 0)
        block->TSBegin = time;
    block->Values[block->Idx] = word;
    ++block->Idx;
    return true;
}

float TFordData::ConvertValue(uint8_t pid, uint16_t word)
{
    const int v = word & 0x0FFF;
    const float f = float(v);
    switch (pid) {
    case 1:
        return f * 4;
    case 4:
    case 43:
    case 53:
        return f * 0.25f;
    case 12:
        return float(v / 8.6666667);
    case 13:
        return v == 0 ? 0.0f : float(2048.0 / v);
    case 15:
    case 16:
        return float(((2 * v - 32) * 5) / 9.0);
    case 17:
    case 40:
        return f * 0.0625f;
    case 23:
    case 54:
        return f * 0.5f;
    case 24:
        return float(v * 0.03125 * 1.609344);
    case 39:
    case 48:
        return float(v * 0.0488);
    case 42:
        return f * 16;
    default:
        return f;
    }
}

float TFordData::ShownValue(uint8_t pid, uint16_t word)
{
    return float(PidUnits::conversion(pid)(ConvertValue(pid, word)));
}

uint32_t TFordData::FirstSampleTime(uint8_t pid) const
{
    std::lock_guard lock(m_historyLock);
    const auto& blocks = m_history[pid];
    return blocks.empty() ? now() : blocks.front()->TSBegin;
}

uint32_t TFordData::LastSampleTime(uint8_t pid) const
{
    std::lock_guard lock(m_historyLock);
    const auto& blocks = m_history[pid];
    return blocks.empty() ? now() : blocks.back()->TSLast;
}

template <typename Visit>
void TFordData::walk(uint8_t pid, uint32_t upper, int32_t lower, const Visit& visit) const
{
    for (size_t index = 0;; ++index) {
        // Take the block's header under the lock; its values below Idx never change again,
        // so the walk of them runs without holding up the receive thread.
        const THistoryBlock* block;
        uint32_t begin, last;
        int32_t interval;
        uint16_t count;
        bool afterPause;
        {
            std::lock_guard lock(m_historyLock);
            const auto& blocks = m_history[pid];
            if (index >= blocks.size())
                break;
            block = blocks[index].get();
            begin = block->TSBegin;
            last = block->TSLast;
            interval = block->Interval;
            count = block->Idx;
            // A block ends when it is full or when a pause ended it.
            afterPause = index > 0 && blocks[index - 1]->Idx < THistoryBlock::Capacity;
        }
        if (!(int64_t(lower) < int64_t(last)))
            continue;
        const float step = count > 1 ? float(last - begin) / float(count - 1) : 1.0f;
        // Entries from Idx on are still zero and would be skipped anyway.
        for (int i = 0; i < count; ++i) {
            const int64_t next = int64_t(begin) + int64_t(std::nearbyint(double(i + 1) * step));
            const uint16_t word = block->Values[i];
            if (int64_t(upper) > next && word != 0 && word != 0xFFFF) {
                const uint32_t time = begin + uint32_t(int64_t(std::nearbyint(double(i) * step)));
                visit(TSample { time, uint16_t(word & 0x0FFF), afterPause, last }, interval);
            }
            // Only the block's first delivered sample says that a pause came before it.
            afterPause = afterPause && !(int64_t(upper) > next && word != 0 && word != 0xFFFF);
        }
    }
}

bool TFordData::ForEachSample(
    uint8_t pid, int item, const SampleCallback& callback, uint32_t upper, int32_t lower) const
{
    walk(pid, upper, lower, [&](const TSample& s, int32_t interval) {
        callback(s.Time, interval, s.Value, item, pid);
    });
    return true;
}

void TFordData::ForEachSampleRun(
    uint8_t pid, const SampleVisitor& visit, uint32_t upper, int32_t lower) const
{
    walk(pid, upper, lower, [&](const TSample& s, int32_t) { visit(s); });
}

void TFordData::SaveHistory(uint8_t pid, const QString& fileName) const
{
    QByteArray text;
    {
        std::lock_guard lock(m_historyLock);
        const auto& blocks = m_history[pid];
        for (size_t i = 0; i < blocks.size(); ++i) {
            const THistoryBlock& b = *blocks[i];
            text += QByteArray("i: ") + QByteArray::number(qulonglong(i)) + ", TSBegin: "
                + QByteArray::number(b.TSBegin) + ", TSLast: " + QByteArray::number(b.TSLast)
                + ", interval: " + QByteArray::number(b.Interval)
                + ", idx: " + QByteArray::number(b.Idx) + "\r\n";
            const double median = b.Idx >= 2 ? double(b.TSLast - b.TSBegin) / b.Idx : 1.0;
            text += "median interval: " + QByteArray::number(median, 'f', 2) + "\r\n";
            for (int k = 0; k < b.Idx; ++k)
                text += QByteArray::number(b.Values[k] & 0x0FFF) + ',';
            text += "\r\n";
        }
    }
    writeFileAtomically(fileName, text);
}

int TFordData::BlockCount(uint8_t pid) const
{
    std::lock_guard lock(m_historyLock);
    return int(m_history[pid].size());
}

uint64_t TFordData::HistoryBytes() const
{
    std::lock_guard lock(m_historyLock);
    uint64_t blocks = 0;
    for (const History& history : m_history)
        blocks += history.size();
    return blocks * sizeof(THistoryBlock);
}

THistoryBlock TFordData::Block(uint8_t pid, int index) const
{
    std::lock_guard lock(m_historyLock);
    return *m_history[pid].at(size_t(index));
}

TFordData::History TFordData::TakeHistory(uint8_t pid)
{
    std::lock_guard lock(m_historyLock);
    return std::exchange(m_history[pid], {});
}

void TFordData::SetHistory(uint8_t pid, History blocks)
{
    History old;
    {
        std::lock_guard lock(m_historyLock);
        old = std::exchange(m_history[pid], std::move(blocks));
    }
    // The old blocks are freed outside the lock.
}

void TFordData::SetPidMap(const std::array<uint8_t, 64>& map)
{
    for (size_t i = 0; i < map.size(); ++i)
        m_pidMap[i].store(map[i], std::memory_order_relaxed);
}
