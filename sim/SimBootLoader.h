// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The module's AVR109 boot loader over its own flash: takes the binary commands at the
// front of the input, answers them, and tells when the module's firmware is to run again.
#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <QStringList>
#include <mutex>

class SimBootLoader {
public:
    static constexpr qsizetype FlashSize = 14 * 1024;
    // The identifier an AVR109 loader answers to 'S'; a loader of another kind answers
    // ForeignIdentifier (the no-bootloader fault).
    static constexpr const char* Identifier = "AVRBOOT";
    static constexpr const char* ForeignIdentifier = "XBOOT10";

    enum class State {
        Waiting, // restarted, no command yet
        Session, // taking commands
        Left, // the module's firmware runs
    };

    // refusedBlock: under the refused-block fault, the 'B' command (counted from 1 after
    // each restart) that gets no CR.
    SimBootLoader(const SimFaults& faults, int refusedBlock);

    // The module restarted into the loader.
    void restart();
    // Hands control back to the module's firmware (its wait or session timed out).
    void leave();
    State state() const { return m_state; }
    // Counts restarts and commands, so a timer can tell whether anything happened since.
    uint64_t activity() const { return m_activity; }

    // Takes the complete commands at the front of input and appends their replies to
    // reply. Stops at an incomplete command, or when the loader has left: the rest of the
    // input then belongs to the module's firmware. A first byte that is no command of the
    // loader leaves it at once, so a front end that does not want the loader reaches the
    // module as soon as it speaks.
    void take(QByteArray& input, QByteArray& reply);

    // Safe from any thread.
    QByteArray flash() const;
    // The commands taken since construction, as "S", "t", "T 116", "B 128", "g 128" ...
    QStringList commands() const;

private:
    // Takes one command; false when input does not yet hold all of it.
    bool takeCommand(QByteArray& input, QByteArray& reply);
    void blockLoad(char memory, int size, const QByteArray& data, QByteArray& reply);
    void blockRead(char memory, int size, QByteArray& reply);
    void record(const QString& command);
    // The codes listed in answer to 't'.
    QByteArray supportedDevices() const;
    // True after 'T' with a supported code: only then does the loader erase and write.
    bool deviceSelected() const;

    const SimFaults& m_faults;
    const int m_refusedBlock;
    State m_state = State::Left;
    uint64_t m_activity = 0;
    // Word address, as AVR109 counts flash.
    uint32_t m_address = 0;
    int m_blocksLoaded = 0;
    int m_blocksRead = 0;
    // The device code of the last 'T'; 0 before one.
    char m_device = 0;

    mutable std::mutex m_mutex;
    QByteArray m_flash;
    QStringList m_commands;
};
