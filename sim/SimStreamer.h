// The ECU's frames as the module relays them: word packets for the slots a source
// fills, frame after frame, with the stream faults applied.
#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <random>

class SimStreamer {
public:
    // Fills value (12 bits) for a slot the ECU sends; false for a slot it leaves out.
    using Source = std::function<bool(uint8_t slot, uint16_t& value)>;

    explicit SimStreamer(const SimFaults& faults)
        : m_faults(faults)
    {
    }

    void start(Source source);
    void stop() { m_source = nullptr; }
    bool active() const { return bool(m_source); }

    // The next packet of the stream (with noise bytes before it under that fault).
    QByteArray next();

private:
    const SimFaults& m_faults;
    Source m_source;
    int m_slot = 0;
    std::minstd_rand m_random { 1234 };
};
