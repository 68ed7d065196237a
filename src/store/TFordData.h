// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The ECU data store: PID maps, conversion of raw words to engineering values,
// per-PID display limits and the recorded history of PID values.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// One run of samples of one PID.
struct THistoryBlock {
    static constexpr int Capacity = 10001;

    uint32_t TSBegin = 0; // program clock at the first sample
    uint32_t TSLast = 0; // program clock at the last sample
    int32_t Interval = 0; // gap between the last two samples (the clock itself for one sample)
    std::array<uint16_t, Capacity> Values {}; // raw words, check nibble included
    uint16_t Idx = 0; // number of values stored
};

// One sample as a run walk delivers it.
struct TSample {
    uint32_t Time = 0;
    uint16_t Value = 0; // the 12-bit value, check nibble removed
    // The first sample of a block that began after a pause (not because the one before it
    // was full): a curve must not be joined across it.
    bool AfterPause = false;
    uint32_t BlockEnd = 0; // the end of the sample's block
};

struct TPidLimits {
    // Written on the GUI thread, read on the receive thread by StoreValue.
    std::atomic<bool> RecordHistory { false };
    float ScaleMin = 0;
    float ScaleMax = 0;
};

class TFordData : public QObject {
    Q_OBJECT
    // The component name, by which a profile line can refer to the store.
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)

public:
    using SampleCallback = std::function<void(
        uint32_t time, int32_t interval, uint16_t value, int item, uint8_t pid)>;
    using ClockFunction = std::function<uint32_t()>;

    static constexpr uint8_t TestSignalPid = 255;

    explicit TFordData(QObject* owner = nullptr);
    ~TFordData() override;

    bool SelectTable(char letter);
    bool StoreValue(uint8_t pid, uint16_t word);
    // Appends a sample taken at time, whatever RecordHistory says: a replayed recording
    // keeps the history of every PID, so that a curve shown later has its past.
    bool AppendSample(uint8_t pid, uint16_t word, uint32_t time);
    // The value in the unit pids.txt gives for the PID.
    static float ConvertValue(uint8_t pid, uint16_t word);
    // The value as the program shows it: ConvertValue in the unit the user chose.
    static float ShownValue(uint8_t pid, uint16_t word);
    uint32_t FirstSampleTime(uint8_t pid) const;
    uint32_t LastSampleTime(uint8_t pid) const;
    bool ForEachSample(
        uint8_t pid, int item, const SampleCallback& callback, uint32_t upper, int32_t lower) const;
    // The same walk, saying where the history pauses and where each block ends.
    using SampleVisitor = std::function<void(const TSample& sample)>;
    void ForEachSampleRun(
        uint8_t pid, const SampleVisitor& visit, uint32_t upper, int32_t lower) const;
    // Writes the PID's history as text (atomically). Throws VeskorError on failure.
    void SaveHistory(uint8_t pid, const QString& fileName) const;
    void SetDefaultLimits();

    // The PID carried by position p (2 to 5) of frame f is PidMap(f * 4 + p - 2).
    uint8_t PidMap(int index) const { return m_pidMap[index].load(std::memory_order_relaxed); }
    TPidLimits& PidLimits(uint8_t pid) { return m_limits[pid]; }
    const TPidLimits& PidLimits(uint8_t pid) const { return m_limits[pid]; }

    // Number of blocks in a PID's history (for tests and diagnostics).
    int BlockCount(uint8_t pid) const;
    // Memory held by the history of every PID, in bytes.
    uint64_t HistoryBytes() const;
    // A copy of one block's header and values.
    THistoryBlock Block(uint8_t pid, int index) const;

    using History = std::vector<std::unique_ptr<THistoryBlock>>;
    // Hands a PID's history over whole (it is empty here afterwards).
    History TakeHistory(uint8_t pid);
    // Replaces a PID's history at once: a replay that seeks.
    void SetHistory(uint8_t pid, History blocks);
    // Sets the PID map as a recording kept it.
    void SetPidMap(const std::array<uint8_t, 64>& map);

    // The program clock this store stamps its samples with; the trend chart reads the
    // present from it so that its window and the history agree.
    uint32_t now() const;
    // Replaces the program clock, for tests and previews.
    void setClock(ClockFunction clock);
    // True while the store stamps with the program clock (a live stream), whose time 0 is
    // the program's start; false with a clock of its own (a recording that plays).
    bool followsProgramClock() const { return m_programClock; }

private:
    template <typename Visit>
    void walk(uint8_t pid, uint32_t upper, int32_t lower, const Visit& visit) const;

    std::array<std::atomic<uint8_t>, 64> m_pidMap {};
    std::array<TPidLimits, 256> m_limits;
    std::array<std::vector<std::unique_ptr<THistoryBlock>>, 256> m_history;
    // Guards m_history: held for each append and for each block of a walk.
    mutable std::mutex m_historyLock;
    ClockFunction m_clock;
    bool m_programClock = true;
};
