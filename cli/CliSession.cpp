// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliSession.h"

#include "common/Errors.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int PollMs = 50;

bool isStreaming(Link::LinkMode mode)
{
    return mode == Link::lmLiveData || mode == Link::lmFaultTest || mode == Link::lmMemoryRead;
}

} // namespace

namespace {

LinkSession::Options sessionOptions(const CliOptions& options)
{
    LinkSession::Options o;
    o.TimeScale = options.TimeScale;
    o.Simulator.Faults = options.SimulatorFaults;
    return o;
}

} // namespace

CliSession::CliSession(const CliOptions& options)
    : m_timeScale(options.TimeScale)
    , m_link(std::make_unique<LinkSession>(sessionOptions(options)))
    , m_printer(*m_link)
{
    m_link->setPortSettings(options.Port, options.Speed, options.BluetoothDelay);
}

CliSession::~CliSession() = default;

CliOutcome CliSession::run(const LinkCommand& command, std::function<void()> tick)
{
    bool done = false;
    const auto connection
        = QObject::connect(&m_printer, &CliPrinter::commandDone, [&done] { done = true; });
    m_printer.awaitCommand(LinkCommands::code(command));
    m_link->send(command);
    const CliOutcome outcome = wait(
        std::nullopt, [&done] { return done; }, tick);
    QObject::disconnect(connection);
    return outcome;
}

void CliSession::runChecked(const LinkCommand& command, std::function<void()> tick)
{
    const CliOutcome outcome = run(command, std::move(tick));
    if (const auto reason = failure())
        throw VeskorError(*reason);
    if (outcome == CliOutcome::Silent)
        throw VeskorError(silenceSentence());
}

CliOutcome CliSession::runFor(
    std::optional<std::chrono::milliseconds> duration, std::function<bool()> stop)
{
    return wait(duration, stop, {});
}

CliOutcome CliSession::wait(std::optional<std::chrono::milliseconds> duration,
    const std::function<bool()>& stop, const std::function<void()>& tick)
{
    QEventLoop loop;
    CliOutcome outcome = CliOutcome::Done;
    // The silence counts from the start of a stream at the earliest.
    QElapsedTimer streaming;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (tick)
            tick();
        if (stop && stop()) {
            loop.quit();
            return;
        }
        if (!isStreaming(m_link->mode())) {
            streaming.invalidate();
            return;
        }
        if (!streaming.isValid())
            streaming.start();
        const int64_t silent = std::min<int64_t>(streaming.elapsed(), m_printer.sinceLastWord());
        if (silent > silenceLimit().count()) {
            outcome = CliOutcome::Silent;
            loop.quit();
        }
    });
    poll.start(PollMs);
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (duration)
        end.start(*duration);
    // A stop that holds already (a command done at once) ends the wait without a loop.
    if (stop && stop())
        return outcome;
    loop.exec();
    return outcome;
}

std::optional<QString> CliSession::failure() const
{
    if (const auto& error = m_printer.portError())
        return QStringLiteral("the port %1 failed: %2").arg(devicePath(), *error);
    if (m_printer.lastWas(Link::evConnected, LinkReport::NotConnected))
        return QStringLiteral("no module answered on %1").arg(devicePath());
    return std::nullopt;
}

QString CliSession::silenceSentence() const
{
    return QStringLiteral("no valid word came from %1 for %2 s: the module has gone or its line "
                          "is broken")
        .arg(devicePath())
        .arg(double(silenceLimit().count()) / 1000.0);
}

std::chrono::milliseconds CliSession::silenceLimit() const
{
    return std::chrono::milliseconds(int64_t(double(SilenceLimit.count()) * m_timeScale));
}

QString CliSession::devicePath() const
{
    return m_link->devicePath();
}
