// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Faults the simulated module can be told to show. A new fault is one enumerator, one
// line in the name table and the check in the handler that shows it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

enum class SimFault : uint8_t {
    Silent, // the module answers nothing
    ShortVersion, // the version reply has only three bytes
    NoEcu, // "m" answers 'e': no link to the ECU
    Noise, // stray bytes between the word packets of a stream
    BadCheck, // every streamed word has a wrong check nibble
    NoBootLoader, // the boot loader's identifier does not begin with 'A'
    RefusedBlock, // the boot loader gives no CR for one block (SimConfig::RefusedBlock)
    BadReadBack, // the first block the boot loader reads back has a wrong byte
    NoLeaveAck, // the boot loader gives no CR after 'L' and leaves without a word
    TableRefused, // "l" + letter is answered '?' instead of the letter
    NoAck, // "cE" and "cI" are answered '?' instead of 'E' and 'I'
    ShortAck, // "cE" is answered by the single byte 'E'
    MemoryGap, // the second block of a memory read is never sent
    StreamStops, // every stream falls silent soon after it starts
    NoResult, // the self-test ends with status 0x10 alone: no code list (999)
    OnlyDevice75, // the boot loader lists and takes only the device code 0x75
    NoDeviceList, // the boot loader does not answer 't' (its device codes)
    // Corrupted packets, one in SimFaults::corruptRate() of every stream:
    FlipBits, // one bit of the packet's data word flipped
    DropBytes, // one of the packet's four bytes left out
    // Replies to commands, once the module has been found (the search answer is kept):
    ShortReplies, // a reply of two or more bytes ends after its first half
    WrongReplies, // the first byte of every reply is '?'
    Unplug, // the port vanishes when the module receives SimFaults::unplugOn()
    EcuSilent, // fault commands are taken ("cB" echoed) but the ECU sends no frame
};

class SimFaults {
public:
    void set(SimFault fault) { m_bits |= bit(fault); }
    bool has(SimFault fault) const { return m_bits & bit(fault); }
    bool empty() const { return m_bits == 0; }

    // ---- Corrupted packets (flip-bits, drop-bytes) ----
    static constexpr int DefaultCorruptRate = 8;
    // One packet in rate is corrupted; 1 hits every packet.
    void setCorruptRate(int rate) { m_corruptRate = rate < 1 ? 1 : rate; }
    int corruptRate() const { return m_corruptRate; }

    // ---- A cable pulled mid-exchange (unplug) ----
    // The command line (without CR) whose arrival pulls the cable; a line that begins
    // with it counts too, so "a" matches every memory read.
    void setUnplugOn(const QByteArray& line) { m_unplugOn = line; }
    const QByteArray& unplugOn() const { return m_unplugOn; }
    bool unplugs(const QByteArray& line) const
    {
        return has(SimFault::Unplug) && !m_unplugOn.isEmpty() && line.startsWith(m_unplugOn);
    }

    static std::optional<SimFault> parse(const QString& name);
    // "name: description" for each fault, for --help.
    static QStringList descriptions();

private:
    static uint32_t bit(SimFault fault) { return 1u << unsigned(fault); }
    uint32_t m_bits = 0;
    int m_corruptRate = DefaultCorruptRate;
    QByteArray m_unplugOn;
};
