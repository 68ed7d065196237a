#include "TRxDecoder.h"

#include "TLinkPoster.h"
#include "TLinkShared.h"
#include "WordPacket.h"
#include "common/ScaledClock.h"
#include "store/TFordData.h"

namespace {
constexpr auto Relaxed = std::memory_order_relaxed;
} // namespace

TRxDecoder::TRxDecoder(
    TLinkShared& shared, TFordData& store, const TLinkPoster& poster, const ScaledClock& clock)
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

void TRxDecoder::feed(const uint8_t* bytes, size_t count)
{
    // The state lives in locals for the call; only this thread changes it meanwhile.
    uint8_t slot = m_rxSlot.load(Relaxed);
    uint8_t received = m_rxCount.load(Relaxed);
    uint8_t word[2] = { m_rxWord[0].load(Relaxed), m_rxWord[1].load(Relaxed) };
    // The bytes of one call arrived together: one clock reading serves all their words.
    m_feedTick.reset();

    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        if (b == WordPacket::Sync && received >= 2) {
            received = 0;
            slot = 0xFF;
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
                    m_shared.setSlot(slot, w);
                    received = 2;
                    continue;
                }
                processWord(slot, w);
            }
        }
    }

    m_rxSlot.store(slot, Relaxed);
    m_rxCount.store(received, Relaxed);
    m_rxWord[0].store(word[0], Relaxed);
    m_rxWord[1].store(word[1], Relaxed);
}

void TRxDecoder::processWord(uint8_t slot, uint16_t word)
{
    m_shared.setSlot(slot, word);
    if (!m_feedTick)
        m_feedTick = m_clock.tickMs();
    m_shared.LastWordTick.store(*m_feedTick, Relaxed);
    m_poster.postSlot(slot, Link::slotLParam(word));
    switch (m_shared.linkMode()) {
    case Link::lmLiveData: {
        const int position = slot & 0x0F;
        const int frame = slot >> 4;
        if (position >= 2 && position <= 5)
            m_store.StoreValue(m_store.PidMap(frame * 4 + position - 2), word);
        break;
    }
    case Link::lmMemoryRead:
        if (slot == BlockEndSlot)
            copyBlock();
        break;
    default:
        break;
    }
}

void TRxDecoder::copyBlock()
{
    // The image address is 16 more than the block address the module sends.
    uint16_t address = uint16_t((m_shared.slot(0x91) & 0xFF) << 8 | (m_shared.slot(0x81) & 0xFF));
    address = uint16_t(address + 16);
    for (int frame = 0; frame < 16; ++frame) {
        for (int position = 2; position <= 5; ++position) {
            m_shared.MemImage[address].store(
                uint8_t(m_shared.slot(uint8_t(frame * 16 + position))), Relaxed);
            m_shared.MemMarks[address].store(1, Relaxed);
            ++address;
        }
    }
}
