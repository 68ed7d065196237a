// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The data store's history as a replayed recording gives it: built once for the whole
// recording, then handed out up to any moment at once, so a seek never streams the past
// again through the store.
#pragma once

#include "recording/Recording.h"
#include "store/TFordData.h"

#include <array>
#include <cstdint>
#include <vector>

class ReplayHistory {
public:
    // Takes the history of every PID that the recording's words carry, under its PID map.
    void build(const Recording& recording);
    void clear();
    // The PID's history as a store holds it after the samples up to time (inclusive) were
    // appended: whole blocks copied, the last one cut at the sample.
    TFordData::History upTo(uint8_t pid, uint32_t time) const;
    // Gives the store every PID's history up to time.
    void restore(TFordData& store, uint32_t time) const;
    // Samples of the PID in the whole recording.
    size_t sampleCount(uint8_t pid) const { return m_tracks[pid].times.size(); }

private:
    struct Track {
        TFordData::History blocks;
        std::vector<uint32_t> times; // each sample's time, in order
        std::vector<uint32_t> firstSample; // the number of each block's first sample
    };
    std::array<Track, 256> m_tracks;
};
