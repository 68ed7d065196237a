#include "SimStreamer.h"

#include "link/WordPacket.h"

void SimStreamer::start(Source source)
{
    m_source = std::move(source);
    m_slot = 0;
}

QByteArray SimStreamer::next()
{
    QByteArray bytes;
    if (!m_source)
        return bytes;
    uint16_t value = 0;
    // Slot 0xFF cannot occur: it would read as a sync byte. A source with no slot at all
    // gives an empty packet.
    for (int tries = 0; tries < 255; ++tries) {
        const uint8_t slot = uint8_t(m_slot);
        m_slot = (m_slot + 1) % 255;
        if (!m_source(slot, value))
            continue;
        if (m_faults.has(SimFault::Noise) && m_random() % 8 == 0)
            bytes.append(char(m_random() % 256));
        uint16_t word = WordPacket::encode(value);
        if (m_faults.has(SimFault::BadCheck))
            word ^= 0x1000;
        for (uint8_t b : WordPacket::packet(slot, word))
            bytes.append(char(b));
        break;
    }
    return bytes;
}
