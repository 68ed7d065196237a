// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A module stand-in for link tests, written from the protocol and not the simulator: a
// pseudo-terminal whose far end answers each command line with what the test scripts,
// at once, after a delay, or as an endless stream, and can be pulled like a cable.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class ScriptedPeer {
public:
    // Called on the peer's thread for every line the link sends, without its CR.
    using Script = std::function<void(ScriptedPeer& peer, const QByteArray& line)>;

    explicit ScriptedPeer(Script script);
    ~ScriptedPeer();

    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    QString portPath() const { return m_slavePath; }
    void setScript(Script script);

    // Sends the bytes in one write.
    void send(const QByteArray& bytes);
    void sendAfter(std::chrono::milliseconds delay, const QByteArray& bytes);
    // Sends chunk() again and again, one chunk every period, until stopStream() or
    // hangUp(). The chunk is made on the peer's thread.
    void stream(std::function<QByteArray()> chunk, std::chrono::milliseconds period);
    void stopStream();
    // Closes the module's end: the link's port sees the device gone.
    void hangUp();

    QList<QByteArray> lines() const;

    // The word packet of a 12-bit value with its check nibble.
    static QByteArray word(uint8_t slot, uint16_t value);
    // A packet whose word fails its check.
    static QByteArray rejectedWord(uint8_t slot, uint16_t value);
    // The module's answers to the search, the version and the ECU link: a module with an
    // ECU. True when the line was one of them.
    static bool answerHandshake(ScriptedPeer& peer, const QByteArray& line);

private:
    void run();
    void writeAll(const QByteArray& bytes);

    int m_master = -1;
    int m_slaveHold = -1;
    QString m_slavePath;
    std::atomic<bool> m_stop { false };
    mutable std::mutex m_mutex;
    Script m_script;
    QList<QByteArray> m_lines;
    QByteArray m_pending;
    std::vector<std::pair<std::chrono::steady_clock::time_point, QByteArray>> m_later;
    std::function<QByteArray()> m_chunk;
    std::chrono::milliseconds m_period { 0 };
    std::chrono::steady_clock::time_point m_nextChunk;
    bool m_hungUp = false;
    std::atomic<bool> m_masterOpen { true };
    std::thread m_thread;
};
