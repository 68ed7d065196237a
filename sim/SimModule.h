// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The simulated diagnostic module with an ECU behind it: takes command lines, answers
// through the transmitter, relays ECU frames while a stream runs, and runs its delayed
// actions on its own (scaled) clock.
#pragma once

#include "SimBootLoader.h"
#include "SimConfig.h"
#include "SimDispatcher.h"
#include "SimStreamer.h"
#include "SimTransmitter.h"

#include <QByteArray>
#include <QList>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <utility>

class SimModule {
public:
    using Clock = std::chrono::steady_clock;

    SimModule(const SimConfig& config, SimTransmitter& transmitter);

    // Bytes from the front end. Lines end with CR; each complete line is dispatched.
    void receive(const QByteArray& bytes);
    // Runs due actions, keeps the stream fed and sends what is due.
    void service(Clock::time_point now);
    // When service() has work next; max() when it waits only for input or pty room.
    Clock::time_point nextDue() const;
    // False while the pty refuses more bytes.
    bool writable() const { return m_writable; }

    // ---- For the command handlers ----------------------------------------------------

    const SimConfig& config() const { return m_config; }
    // Another car's ECU behind the module from now on (four hexadecimal digits).
    void setCalibration(const QByteArray& code) { m_config.Calibration = code; }
    bool hasFault(SimFault fault) const { return m_config.Faults.has(fault); }
    // Other faults from now on (the simulator's serving thread only).
    void setFaults(const SimFaults& faults) { m_config.Faults = faults; }
    // True once when a received line pulled the cable (the unplug fault).
    bool takeUnplug() { return std::exchange(m_unplugged, false); }
    // Sends a reply (nothing under the silent fault), spoilt by the reply faults.
    void reply(const QByteArray& bytes);
    // The answer to the search ("z"): the reply faults leave it whole, so that a module
    // with spoilt replies is still found and its other exchanges are tried.
    void replyToSearch(const QByteArray& bytes);
    // The packet of one word with the stream faults applied, for replies that carry words.
    QByteArray packet(uint8_t slot, uint16_t value) { return m_streamer.packet(slot, value); }
    void startStream(SimStreamer::Source source);
    void stopStream();
    bool streaming() const { return m_streamer.active(); }
    // The real duration of ms milliseconds of the module's clock.
    Clock::duration scaled(uint32_t ms) const;
    // Runs action after ms milliseconds of the module's clock.
    void after(uint32_t ms, std::function<void()> action);
    // While set, every received byte goes to the consumer instead of the line parser; it
    // takes what it uses from the front of the buffer (the boot loader's binary commands).
    void setRawInput(std::function<void(QByteArray& input)> consumer)
    {
        m_rawInput = std::move(consumer);
    }
    // The 12-bit values of the calibration slots: the code's high and low byte.
    uint16_t calibrationByte(bool high) const;
    // True while the module is still to ignore a "z" (SimConfig::IgnoredSearches).
    bool ignoreSearch();

    // Every command line received so far (for tests); safe from any thread.
    QList<QByteArray> receivedLines() const;
    // The boot loader the module restarts into, with its flash.
    SimBootLoader& bootLoader() { return m_bootLoader; }
    const SimBootLoader& bootLoader() const { return m_bootLoader; }
    // Word packets handed to the line by all streams so far; safe from any thread. A "z"
    // drops the few that wait in the transmitter.
    uint64_t wordsStreamed() const { return m_wordsStreamed.load(std::memory_order_relaxed); }
    // Packets spoilt by the flip-bits and drop-bytes faults so far; safe from any thread.
    uint64_t packetsCorrupted() const { return m_streamer.corrupted(); }

private:
    void dispatchLines();
    void feedStream();

    SimConfig m_config;
    SimTransmitter& m_transmitter;
    SimDispatcher m_dispatcher;
    SimStreamer m_streamer;
    QByteArray m_input;
    std::function<void(QByteArray&)> m_rawInput;
    std::multimap<Clock::time_point, std::function<void()>> m_actions;
    bool m_writable = true;
    int m_searchesIgnored = 0;
    bool m_unplugged = false;
    SimBootLoader m_bootLoader;
    Clock::time_point m_streamStart;
    // One ECU word's time on the ECU link (zero when it keeps pace with the port), and
    // when that link has carried the words relayed so far.
    const Clock::duration m_ecuWordTime;
    Clock::time_point m_ecuFree;
    std::atomic<uint64_t> m_wordsStreamed { 0 };
    mutable std::mutex m_receivedMutex;
    QList<QByteArray> m_received;
};
