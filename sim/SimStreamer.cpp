// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimStreamer.h"

#include "SimWord.h"

void SimStreamer::start(Source source)
{
    m_source = std::move(source);
    m_slot = 0;
}

QByteArray SimStreamer::next()
{
    if (!m_source)
        return {};
    uint16_t value = 0;
    // Slot 0xFF cannot occur: it would read as a sync byte. A source with no slot at all
    // gives an empty packet.
    for (int tries = 0; tries < 255; ++tries) {
        const uint8_t slot = uint8_t(m_slot);
        m_slot = (m_slot + 1) % 255;
        if (m_source(slot, value))
            return packet(slot, value);
    }
    return {};
}

QByteArray SimStreamer::packet(uint8_t slot, uint16_t value)
{
    QByteArray bytes;
    if (m_faults.has(SimFault::Noise) && m_random() % 8 == 0)
        bytes.append(char(m_random() % 256));
    uint16_t word = SimWord::word(value);
    if (m_faults.has(SimFault::BadCheck))
        word ^= 0x1000;
    bool corrupted = false;
    // A single flipped bit of the word always breaks its check.
    if (m_faults.has(SimFault::FlipBits) && hits()) {
        word ^= uint16_t(1u << (m_random() % 16));
        corrupted = true;
    }
    QByteArray packet = SimWord::packet(slot, word);
    if (m_faults.has(SimFault::DropBytes) && hits()) {
        packet.remove(qsizetype(m_random() % 4), 1);
        corrupted = true;
    }
    if (corrupted)
        m_corrupted.fetch_add(1, std::memory_order_relaxed);
    return bytes + packet;
}

bool SimStreamer::hits()
{
    return m_random() % unsigned(m_faults.corruptRate()) == 0;
}
