// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Simulator.h"

#include "SimModule.h"
#include "SimPty.h"
#include "SimTransmitter.h"
#include "common/Errors.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
// Wake-ups at most this often while bytes are paced out, however fast the line.
constexpr auto MinWait = std::chrono::milliseconds(1);

} // namespace

Simulator::Simulator(const SimConfig& config)
    : m_pty(std::make_unique<SimPty>())
    , m_transmitter(
          std::make_unique<SimTransmitter>(m_pty->master(), config.Baud, config.TimeScale))
    , m_module(std::make_unique<SimModule>(config, *m_transmitter))
{
    m_portPath = m_pty->slavePath();
    m_baud = config.Baud;
    m_stop = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_control = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stop < 0 || m_control < 0)
        throw VeskorError(QStringLiteral("eventfd failed"));
    m_thread = std::thread([this] { run(); });
}

Simulator::~Simulator()
{
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
    m_thread.join();
    ::close(m_stop);
    ::close(m_control);
}

QString Simulator::portPath() const
{
    return m_portPath;
}

void Simulator::createLink(const QString& path)
{
    m_pty->createLink(path);
}

void Simulator::dropPort()
{
    request(DropRequest);
}

void Simulator::restorePort(const QByteArray& calibration)
{
    m_nextCalibration = calibration;
    request(RestoreRequest);
}

void Simulator::setFaults(const SimFaults& faults)
{
    m_nextFaults = faults;
    request(FaultsRequest);
}

void Simulator::request(Request what)
{
    m_request.store(what);
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_control, &one, sizeof one);
    while (m_request.load() != NoRequest)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void Simulator::serveRequest()
{
    uint64_t count = 0;
    [[maybe_unused]] const auto got = ::read(m_control, &count, sizeof count);
    const int what = m_request.load();
    if (what == DropRequest) {
        drop();
    } else if (what == FaultsRequest) {
        m_module->setFaults(m_nextFaults);
    } else if (what == RestoreRequest && !m_pty) {
        try {
            m_pty = std::make_unique<SimPty>();
            if (!m_link.isEmpty())
                m_pty->createLink(m_link);
            m_portPath = m_pty->slavePath();
            m_transmitter->setFd(m_pty->master());
            if (SimConfig::validCalibration(m_nextCalibration))
                m_module->setCalibration(m_nextCalibration);
        } catch (const VeskorError&) {
            // No pty to be had: the port stays away, as an adapter that never came back.
        }
    }
    m_request.store(NoRequest);
}

void Simulator::drop()
{
    if (!m_pty)
        return;
    m_link = m_pty->linkPath();
    m_transmitter->setFd(-1);
    m_pty.reset();
}

QList<QByteArray> Simulator::receivedLines() const
{
    return m_module->receivedLines();
}

QByteArray Simulator::flash() const
{
    return m_module->bootLoader().flash();
}

QStringList Simulator::bootLoaderCommands() const
{
    return m_module->bootLoader().commands();
}

uint64_t Simulator::wordsStreamed() const
{
    return m_module->wordsStreamed();
}

uint64_t Simulator::packetsCorrupted() const
{
    return m_module->packetsCorrupted();
}

void Simulator::run()
{
    char buffer[512];
    for (;;) {
        const auto now = Clock::now();
        m_module->service(now);

        int timeoutMs = -1;
        const auto due = m_module->nextDue();
        if (due != Clock::time_point::max()) {
            const auto wait = std::max<Clock::duration>(due - Clock::now(), MinWait);
            timeoutMs = int(std::chrono::ceil<std::chrono::milliseconds>(wait).count());
        }
        const short masterEvents = short(POLLIN | (m_module->writable() ? 0 : POLLOUT));
        // poll() skips a negative descriptor: a dropped port is simply not served.
        pollfd fds[3] = { { m_pty ? m_pty->master() : -1, masterEvents, 0 }, { m_stop, POLLIN, 0 },
            { m_control, POLLIN, 0 } };
        const int n = poll(fds, 3, timeoutMs);
        if (n < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (fds[2].revents) {
            serveRequest();
            continue;
        }
        if (m_pty && (fds[0].revents & POLLIN)) {
            const ssize_t got = ::read(m_pty->master(), buffer, sizeof buffer);
            if (got > 0)
                m_module->receive(QByteArray(buffer, got));
            if (m_module->takeUnplug())
                drop();
        }
    }
}
