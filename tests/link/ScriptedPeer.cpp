// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ScriptedPeer.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

uint16_t checked(uint16_t value)
{
    value &= 0x0FFF;
    const uint16_t check
        = ((value & 0xF) ^ ((value >> 4) & 0xF) ^ ((value >> 8) & 0xF) ^ 0xA) & 0xF;
    return uint16_t(value | check << 12);
}

QByteArray packet(uint8_t slot, uint16_t word)
{
    return QByteArray { "\xFF" } + char(slot) + char(word & 0xFF) + char(word >> 8);
}

} // namespace

ScriptedPeer::ScriptedPeer(Script script)
    : m_script(std::move(script))
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
    // Held open so that the link's closing of the port is no hang-up for the module.
    m_slaveHold = ::open(ptsname(m_master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios tio {};
    tcgetattr(m_slaveHold, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slaveHold, TCSANOW, &tio);
    m_thread = std::thread([this] { run(); });
}

ScriptedPeer::~ScriptedPeer()
{
    m_stop = true;
    m_thread.join();
    if (m_master >= 0)
        ::close(m_master);
    ::close(m_slaveHold);
}

void ScriptedPeer::setScript(Script script)
{
    std::lock_guard lock(m_mutex);
    m_script = std::move(script);
}

void ScriptedPeer::send(const QByteArray& bytes)
{
    std::lock_guard lock(m_mutex);
    m_pending += bytes;
}

void ScriptedPeer::sendAfter(std::chrono::milliseconds delay, const QByteArray& bytes)
{
    std::lock_guard lock(m_mutex);
    m_later.emplace_back(Clock::now() + delay, bytes);
}

void ScriptedPeer::stream(std::function<QByteArray()> chunk, std::chrono::milliseconds period)
{
    std::lock_guard lock(m_mutex);
    m_chunk = std::move(chunk);
    m_period = period;
    m_nextChunk = Clock::now();
}

void ScriptedPeer::stopStream()
{
    std::lock_guard lock(m_mutex);
    m_chunk = nullptr;
}

void ScriptedPeer::hangUp()
{
    {
        std::lock_guard lock(m_mutex);
        m_hungUp = true;
        m_chunk = nullptr;
    }
    // The peer's thread closes the module's end; the link's port then reads a hang-up.
    while (m_masterOpen)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

QList<QByteArray> ScriptedPeer::lines() const
{
    std::lock_guard lock(m_mutex);
    return m_lines;
}

QByteArray ScriptedPeer::word(uint8_t slot, uint16_t value)
{
    return packet(slot, checked(value));
}

QByteArray ScriptedPeer::rejectedWord(uint8_t slot, uint16_t value)
{
    return packet(slot, uint16_t(checked(value) ^ 0x1000));
}

bool ScriptedPeer::answerHandshake(ScriptedPeer& peer, const QByteArray& line)
{
    if (line == "z")
        peer.send("!");
    else if (line == "v")
        peer.send("V123AB001");
    else if (line == "m")
        peer.send("c");
    else
        return false;
    return true;
}

void ScriptedPeer::writeAll(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size() && !m_stop) {
        const ssize_t r = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (r > 0)
            done += r;
        else if (r < 0 && errno != EAGAIN && errno != EINTR)
            return;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void ScriptedPeer::run()
{
    QByteArray line;
    while (!m_stop) {
        {
            std::unique_lock lock(m_mutex);
            if (m_hungUp) {
                if (m_master >= 0) {
                    ::close(m_master);
                    m_master = -1;
                    m_masterOpen = false;
                }
                lock.unlock();
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
        }
        pollfd fd { m_master, POLLIN, 0 };
        ::poll(&fd, 1, 1);
        char buffer[256];
        const ssize_t got = (fd.revents & POLLIN) ? ::read(m_master, buffer, sizeof buffer) : 0;
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] != '\r') {
                line += buffer[i];
                continue;
            }
            Script script;
            {
                std::lock_guard lock(m_mutex);
                m_lines << line;
                script = m_script;
            }
            if (script)
                script(*this, line);
            line.clear();
        }

        QByteArray out;
        {
            std::lock_guard lock(m_mutex);
            if (m_hungUp)
                continue;
            out.swap(m_pending);
            const auto now = Clock::now();
            for (auto it = m_later.begin(); it != m_later.end();) {
                if (it->first <= now) {
                    out += it->second;
                    it = m_later.erase(it);
                } else {
                    ++it;
                }
            }
            if (m_chunk && now >= m_nextChunk) {
                out += m_chunk();
                m_nextChunk += m_period;
            }
        }
        if (!out.isEmpty())
            writeAll(out);
    }
}
