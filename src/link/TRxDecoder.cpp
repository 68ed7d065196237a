// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TRxDecoder.h"

#include "LinkMessage.h"
#include "TLinkPoster.h"
#include "TLinkShared.h"
#include "common/Placeholders.h"
#include "common/ScaledClock.h"
#include "common/Texts.h"
#include "common/WordPacket.h"
#include "serial/PortAccess.h"
#include "serial/SerialPort.h"
#include "store/TFordData.h"

#include <algorithm>

namespace {
constexpr auto Relaxed = std::memory_order_relaxed;
constexpr uint8_t AddressLowSeen = 1;
constexpr uint8_t AddressHighSeen = 2;
} // namespace

TRxDecoder::TRxDecoder(
    TLinkShared& shared, TFordData& store, const TLinkPoster& poster, ScaledClock& clock)
    : m_shared(shared)
    , m_store(store)
    , m_poster(poster)
    , m_clock(clock)
{
}

uint16_t TRxDecoder::rxWord() const
{
    return uint16_t(m_rxWord[0].load(Relaxed) | (m_rxWord[1].load(Relaxed) << 8));
}

void TRxDecoder::OnReceive(ISerialPort& port, size_t count)
{
    const Link::LinkMode mode = m_shared.linkMode();
    if (mode == Link::lmIdle || mode == Link::lmConnected || m_shared.terminating())
        return;
    // The live stream is read a few milliseconds after its bytes begin to arrive, so that
    // one call takes about a frame's words: a port that wakes for every packet (a pty,
    // a fast adapter) would otherwise cost a wake-up of the window per word.
    if (mode == Link::lmLiveData && count < GatherBytes)
        m_clock.sleepMs(GatherMs);
    uint8_t buffer[2000];
    size_t got = 0;
    try {
        // At least one byte is asked for: a call with nothing waiting is how the port
        // reports that the device went away, and the read then raises the error.
        got = port.readWaiting(buffer, std::clamp<size_t>(count, 1, sizeof buffer));
    } catch (const SerialError& error) {
        portLost(mode, error);
        return;
    }
    // The depth counts what one call takes, after the wait that lets a frame gather.
    m_shared.noteReceiveDepth(got);
    feed(buffer, got);
}

void TRxDecoder::portLost(Link::LinkMode mode, const SerialError& error)
{
    if (m_shared.PortLost.exchange(true, Relaxed))
        return;
    // An exchange that waits on the stream notices the flag and reports the error itself;
    // the live stream runs without the link thread, so the failure is reported here.
    if (mode != Link::lmLiveData)
        return;
    m_poster.postRaw(new TLinkLogEvent(portErrorLine(error, Texts::LogPortError),
        std::make_shared<TLogReceipt>(), portErrorDetail(error)));
    m_poster.postEvent(Link::evPortError, Link::PortErrorStream);
}

void TRxDecoder::awaitSync()
{
    m_rxCount.store(2, Relaxed);
    m_awaitSync.store(true, Relaxed);
    m_blockBytes.store(0, Relaxed);
    m_blockAddress.store(0, Relaxed);
}

void TRxDecoder::feed(const uint8_t* bytes, size_t count)
{
    // The state lives in locals for the call; only this thread changes it meanwhile.
    uint8_t slot = m_rxSlot.load(Relaxed);
    uint8_t received = m_rxCount.load(Relaxed);
    bool awaitSync = m_awaitSync.load(Relaxed);
    uint8_t word[2] = { m_rxWord[0].load(Relaxed), m_rxWord[1].load(Relaxed) };
    // The bytes of one call arrived together: one clock reading serves all their words,
    // and they are posted together.
    m_feedTick.reset();
    TLinkPoster::WordScope posted(m_poster);

    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        if (b == WordPacket::Sync && received >= 2) {
            received = 0;
            slot = 0xFF;
            awaitSync = false;
        } else if (awaitSync) {
            // Not part of a packet that began with a sync byte.
        } else if (slot == 0xFF) {
            slot = b;
        } else {
            if (received < 2)
                word[received] = b;
            ++received;
            // Every byte after the second data byte processes the same word again.
            if (received >= 2) {
                const uint16_t w = uint16_t(word[0] | (word[1] << 8));
                if (!WordPacket::isValid(w)) {
                    // Kept in the wire's table only; no reader of values sees it.
                    m_shared.setRawSlot(slot, w);
                    received = 2;
                    awaitSync = true;
                    continue;
                }
                processWord(posted, slot, w);
            }
        }
    }

    m_rxSlot.store(slot, Relaxed);
    m_rxCount.store(received, Relaxed);
    m_awaitSync.store(awaitSync, Relaxed);
    m_rxWord[0].store(word[0], Relaxed);
    m_rxWord[1].store(word[1], Relaxed);
}

void TRxDecoder::processWord(TLinkPoster::WordScope& posted, uint8_t slot, uint16_t word)
{
    m_shared.setSlot(slot, word);
    if (!m_feedTick)
        m_feedTick = m_clock.tickMs();
    m_shared.LastWordTick.store(*m_feedTick, Relaxed);
    const Link::LinkMode mode = m_shared.linkMode();
    // The mode tells a front end whether the word belongs to the live stream or to the
    // frames of a handshake, a fault test or a memory read.
    posted.add({ slot, uint8_t(mode), word, *m_feedTick });
    switch (mode) {
    case Link::lmLiveData:
        if (const int index = WordPacket::mapIndex(slot); index >= 0)
            m_store.StoreValue(m_store.PidMap(index), word);
        break;
    case Link::lmMemoryRead:
        noteBlockWord(slot);
        if (slot == BlockEndSlot)
            copyBlock();
        break;
    default:
        break;
    }
}

void TRxDecoder::noteBlockWord(uint8_t slot)
{
    // The value positions carry a block's bytes as they carry PIDs in live data.
    if (const int bit = WordPacket::mapIndex(slot); bit >= 0)
        m_blockBytes.store(m_blockBytes.load(Relaxed) | uint64_t(1) << bit, Relaxed);
    if (slot == BlockAddressLow)
        m_blockAddress.store(m_blockAddress.load(Relaxed) | AddressLowSeen, Relaxed);
    if (slot == BlockAddressHigh)
        m_blockAddress.store(m_blockAddress.load(Relaxed) | AddressHighSeen, Relaxed);
}

void TRxDecoder::copyBlock()
{
    const uint64_t arrived = m_blockBytes.exchange(0, Relaxed);
    const uint8_t address = m_blockAddress.exchange(0, Relaxed);
    // Without both address words of this block its bytes have no place: none is marked,
    // and the check after the read names them.
    if (address != (AddressLowSeen | AddressHighSeen))
        return;
    // The image address is 16 more than the block address the module sends.
    uint16_t a = uint16_t(
        (m_shared.slot(BlockAddressHigh) & 0xFF) << 8 | (m_shared.slot(BlockAddressLow) & 0xFF));
    a = uint16_t(a + 16);
    bool advanced = false;
    for (int bit = 0; bit < 64; ++bit, ++a) {
        // A byte whose word failed its check, or did not come for this block, stays
        // unmarked rather than taking an earlier block's value.
        if (!(arrived & uint64_t(1) << bit))
            continue;
        const uint8_t s = uint8_t((bit / 4) * 16 + bit % 4 + 2);
        m_shared.MemImage[a].store(uint8_t(m_shared.slot(s)), Relaxed);
        advanced |= m_shared.MemMarks[a].exchange(1, Relaxed) == 0;
    }
    // The block ends with a valid word, so the clock of this feed() call has been read.
    if (advanced && m_feedTick)
        m_shared.LastRowTick.store(*m_feedTick, Relaxed);
}
