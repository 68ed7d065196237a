// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimModule.h"

#include "handlers/Handlers.h"

namespace {
// The stream is topped up to this many queued bytes: little while paced, so the stream
// follows the ECU's clock; more when unpaced, so each wake-up fills the pty.
constexpr qsizetype PacedBacklog = 64;
constexpr qsizetype UnpacedBacklog = 4096;
// A line longer than this without CR is noise; the module drops it.
constexpr qsizetype MaxLine = 256;
// An ECU word on the ECU link: four bytes of ten bits.
constexpr int EcuWordBits = 40;
// How far the ECU link may lag a late wake-up and still catch up.
constexpr auto MaxEcuCredit = std::chrono::milliseconds(5);

SimModule::Clock::duration ecuWordTime(int baud, double timeScale)
{
    if (baud <= 0)
        return SimModule::Clock::duration::zero();
    return std::chrono::duration_cast<SimModule::Clock::duration>(
        std::chrono::duration<double>(double(EcuWordBits) / baud * timeScale));
}
} // namespace

SimModule::SimModule(const SimConfig& config, SimTransmitter& transmitter)
    : m_config(config)
    , m_transmitter(transmitter)
    , m_streamer(m_config.Faults)
    , m_bootLoader(m_config.Faults, m_config.RefusedBlock)
    , m_ecuWordTime(ecuWordTime(config.EcuBaud, config.TimeScale))
{
    SimHandlers::registerHandshake(m_dispatcher);
    SimHandlers::registerOptions(m_dispatcher);
    SimHandlers::registerBootLoader(m_dispatcher);
    SimHandlers::registerLiveData(m_dispatcher);
    SimHandlers::registerFaultTests(m_dispatcher);
    SimHandlers::registerMemory(m_dispatcher);
}

void SimModule::receive(const QByteArray& bytes)
{
    m_input.append(bytes);
    dispatchLines();
}

void SimModule::dispatchLines()
{
    for (;;) {
        if (m_rawInput) {
            // A copy: the consumer may end the raw input and hand the rest back as lines.
            const auto consumer = m_rawInput;
            consumer(m_input);
            if (m_rawInput)
                return;
            continue;
        }
        const qsizetype end = m_input.indexOf('\r');
        if (end < 0) {
            if (m_input.size() > MaxLine)
                m_input.clear();
            return;
        }
        const QByteArray line = m_input.left(end);
        m_input.remove(0, end + 1);
        {
            std::lock_guard lock(m_receivedMutex);
            m_received.append(line);
        }
        if (m_config.Faults.unplugs(line)) {
            // The cable goes as the command arrives: nothing after it is taken or answered.
            m_unplugged = true;
            m_input.clear();
            stopStream();
            return;
        }
        if (const SimDispatcher::Handler* handler = m_dispatcher.find(line)) {
            // A command ends the relay of the ECU's frames; what was queued of them is
            // dropped, so the reply comes next. A handler may switch to raw input: the
            // top of the loop hands it the rest of the buffer.
            stopStream();
            (*handler)(*this, line);
        }
    }
}

void SimModule::reply(const QByteArray& bytes)
{
    QByteArray spoilt = bytes;
    if (hasFault(SimFault::ShortReplies) && spoilt.size() >= 2)
        spoilt.truncate(spoilt.size() / 2);
    if (hasFault(SimFault::WrongReplies) && !spoilt.isEmpty())
        spoilt[0] = '?';
    replyToSearch(spoilt);
}

void SimModule::replyToSearch(const QByteArray& bytes)
{
    if (!hasFault(SimFault::Silent))
        m_transmitter.send(bytes);
}

void SimModule::startStream(SimStreamer::Source source)
{
    if (!hasFault(SimFault::Silent)) {
        m_streamer.start(std::move(source));
        m_streamStart = Clock::now();
        m_ecuFree = m_streamStart;
    }
}

void SimModule::stopStream()
{
    // What the stream had queued is dropped too, so the reply to "z" follows at once.
    if (m_streamer.active())
        m_transmitter.clear();
    m_streamer.stop();
}

SimModule::Clock::duration SimModule::scaled(uint32_t ms) const
{
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms * m_config.TimeScale));
}

void SimModule::after(uint32_t ms, std::function<void()> action)
{
    m_actions.emplace(Clock::now() + scaled(ms), std::move(action));
}

uint16_t SimModule::calibrationByte(bool high) const
{
    return uint16_t(m_config.Calibration.mid(high ? 0 : 2, 2).toUInt(nullptr, 16));
}

bool SimModule::ignoreSearch()
{
    if (m_searchesIgnored >= m_config.IgnoredSearches)
        return false;
    ++m_searchesIgnored;
    return true;
}

QList<QByteArray> SimModule::receivedLines() const
{
    std::lock_guard lock(m_receivedMutex);
    return m_received;
}

void SimModule::service(Clock::time_point now)
{
    while (!m_actions.empty() && m_actions.begin()->first <= now) {
        auto action = std::move(m_actions.begin()->second);
        m_actions.erase(m_actions.begin());
        action();
    }
    feedStream();
    m_writable = m_transmitter.pump(now);
    // Queued again at once, so the transmitter knows when it next has work.
    feedStream();
}

void SimModule::feedStream()
{
    if (m_streamer.active() && hasFault(SimFault::StreamStops)
        && Clock::now() - m_streamStart >= scaled(m_config.StreamStopMs))
        m_streamer.stop();
    const qsizetype backlog = m_config.Baud > 0 ? PacedBacklog : UnpacedBacklog;
    const bool ecuPaced = m_ecuWordTime > Clock::duration::zero();
    const auto now = Clock::now();
    // A late wake-up does not make up for the lost time in a burst.
    if (ecuPaced && now - m_ecuFree > MaxEcuCredit)
        m_ecuFree = now - MaxEcuCredit;
    while (m_streamer.active() && m_transmitter.pending() < backlog
        && (!ecuPaced || m_ecuFree <= now)) {
        const QByteArray packet = m_streamer.next();
        // A source that sends no slot any more has ended its stream.
        if (packet.isEmpty()) {
            m_streamer.stop();
            break;
        }
        m_transmitter.send(packet);
        m_wordsStreamed.fetch_add(1, std::memory_order_relaxed);
        m_ecuFree += m_ecuWordTime;
    }
}

SimModule::Clock::time_point SimModule::nextDue() const
{
    // While the pty is full, the transmitter waits for room, not for its clock.
    auto due = m_writable ? m_transmitter.nextDue() : Clock::time_point::max();
    // The ECU's next word, once the transmitter has room for it.
    if (m_streamer.active() && m_ecuWordTime > Clock::duration::zero())
        due = std::min(due, m_ecuFree);
    if (!m_actions.empty())
        due = std::min(due, m_actions.begin()->first);
    return due;
}
