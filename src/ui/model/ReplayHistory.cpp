// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReplayHistory.h"

#include "common/WordPacket.h"

#include <algorithm>

void ReplayHistory::clear()
{
    for (Track& track : m_tracks)
        track = Track();
}

void ReplayHistory::build(const Recording& recording)
{
    clear();
    // The store's own rule cuts the blocks, so a replay's history has the live one's shape.
    TFordData scratch;
    for (const RecordedWord& w : recording.Words) {
        const int index = WordPacket::mapIndex(w.Slot);
        if (index < 0)
            continue;
        const uint8_t pid = recording.Header.PidMap[size_t(index)];
        if (scratch.AppendSample(pid, w.Word, w.TimeMs))
            m_tracks[pid].times.push_back(w.TimeMs);
    }
    for (int pid = 0; pid < 256; ++pid) {
        Track& track = m_tracks[size_t(pid)];
        track.blocks = scratch.TakeHistory(uint8_t(pid));
        uint32_t first = 0;
        for (const auto& block : track.blocks) {
            track.firstSample.push_back(first);
            first += block->Idx;
        }
    }
}

TFordData::History ReplayHistory::upTo(uint8_t pid, uint32_t time) const
{
    const Track& track = m_tracks[pid];
    const size_t count = size_t(
        std::upper_bound(track.times.begin(), track.times.end(), time) - track.times.begin());
    TFordData::History history;
    if (count == 0)
        return history;
    const size_t last = count - 1;
    const size_t cut = size_t(
        std::upper_bound(track.firstSample.begin(), track.firstSample.end(), uint32_t(last))
        - track.firstSample.begin() - 1);
    history.reserve(cut + 1);
    for (size_t b = 0; b < cut; ++b)
        history.push_back(std::make_unique<THistoryBlock>(*track.blocks[b]));
    auto block = std::make_unique<THistoryBlock>(*track.blocks[cut]);
    const size_t inBlock = last - track.firstSample[cut] + 1;
    std::fill(block->Values.begin() + ptrdiff_t(inBlock), block->Values.end(), uint16_t(0));
    block->Idx = uint16_t(inBlock);
    block->TSLast = track.times[last];
    // As the store sets it: the last gap, or the time itself for a block of one sample.
    block->Interval
        = int32_t(inBlock > 1 ? track.times[last] - track.times[last - 1] : track.times[last]);
    history.push_back(std::move(block));
    return history;
}

void ReplayHistory::restore(TFordData& store, uint32_t time) const
{
    for (int pid = 0; pid < 256; ++pid)
        store.SetHistory(uint8_t(pid), upTo(uint8_t(pid), time));
}
