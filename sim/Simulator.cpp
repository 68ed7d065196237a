#include "Simulator.h"

#include "SimModule.h"
#include "SimPty.h"
#include "SimTransmitter.h"
#include "common/Errors.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
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
    m_stop = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stop < 0)
        throw VeskorError(QStringLiteral("eventfd failed"));
    m_thread = std::thread([this] { run(); });
}

Simulator::~Simulator()
{
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
    m_thread.join();
    ::close(m_stop);
}

QString Simulator::portPath() const
{
    return m_pty->slavePath();
}

void Simulator::createLink(const QString& path)
{
    m_pty->createLink(path);
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
        pollfd fds[2] = { { m_pty->master(), masterEvents, 0 }, { m_stop, POLLIN, 0 } };
        const int n = poll(fds, 2, timeoutMs);
        if (n < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t got = ::read(m_pty->master(), buffer, sizeof buffer);
            if (got > 0)
                m_module->receive(QByteArray(buffer, got));
        }
    }
}
