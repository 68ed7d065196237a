// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkController.h"

#include "common/Texts.h"

#include <QVariant>
#include <algorithm>
#include <utility>

namespace {

bool isMemoryRead(const LinkCommand& command)
{
    return std::holds_alternative<LinkCommands::DumpToFile>(command)
        || std::holds_alternative<LinkCommands::DumpRange>(command);
}

} // namespace

LinkController::LinkController(const Options& options, QObject* parent)
    : QObject(parent)
    , m_session(options)
    , m_reconnector(options.TimeScale)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { run(m_reconnector.retryDue()); });
    m_silence.setSingleShot(true);
    m_silence.setInterval(std::max(1, int(SilenceMs * options.TimeScale)));
    connect(&m_silence, &QTimer::timeout, this, [this] {
        emit logLine(Texts::text(Texts::LogStreamSilent));
        streamLost();
    });
    connect(&m_session, &LinkSession::words, this, &LinkController::onWords);
    connect(&m_session, &LinkSession::report, this, &LinkController::onReport);
    connect(&m_session, &LinkSession::commandDone, this, &LinkController::onCommandDone);
}

LinkController::~LinkController() = default;

void LinkController::send(const LinkCommand& command)
{
    if (m_held) {
        emit logLine(Texts::text(Texts::LogReplayRefused));
        return;
    }
    m_retry.stop();
    m_silence.stop();
    const bool memoryRead = isMemoryRead(command);
    if (memoryRead && m_reconnector.state() == Reconnector::State::Streaming) {
        // The module streams either live data or memory: the stream stops cleanly, and
        // no watchdog counts the read's time as a lost stream.
        m_pausedTable = m_reconnector.table();
        m_session.send(LinkCommands::StopData {});
    } else if (!memoryRead) {
        // The user took the link for something else: the stream stays as they left it.
        m_pausedTable = 0;
    }
    if (const auto* start = std::get_if<LinkCommands::StartData>(&command))
        m_reconnector.streamStarted(start->Table);
    else
        m_reconnector.stop();
    emit reconnectStatus(m_reconnector.statusText());
    m_session.send(command);
}

void LinkController::resumeStream()
{
    const char table = std::exchange(m_pausedTable, 0);
    m_reconnector.streamStarted(table);
    m_session.send(LinkCommands::StartData { table });
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::guard(QObject* control)
{
    m_guarded.emplace_back(control, true);
}

void LinkController::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    for (auto& [control, enabled] : m_guarded) {
        if (!control)
            continue;
        if (held) {
            enabled = control->property("enabled").toBool();
            control->setProperty("enabled", false);
        } else {
            control->setProperty("enabled", enabled);
        }
    }
    emit linkAvailable(!held);
    if (!held)
        return;
    m_pausedTable = 0;
    m_retry.stop();
    m_silence.stop();
    m_reconnector.stop();
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::setAutoReconnect(bool on)
{
    m_reconnector.setEnabled(on);
    if (!on) {
        m_retry.stop();
        emit reconnectStatus(m_reconnector.statusText());
    }
}

void LinkController::streamLost()
{
    m_silence.stop();
    const Reconnector::State before = m_reconnector.state();
    run(m_reconnector.streamLost());
    if (m_reconnector.state() != before)
        emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::run(Reconnector::Step step)
{
    if (m_held)
        return;
    switch (step.Do) {
    case Reconnector::Step::None:
        return;
    case Reconnector::Step::Wait:
        m_retry.start(step.DelayMs);
        break;
    case Reconnector::Step::Connect:
        m_session.send(LinkCommands::Connect { true });
        break;
    case Reconnector::Step::StartData:
        m_session.send(LinkCommands::StartData { m_reconnector.table() });
        break;
    case Reconnector::Step::Refuse:
        emit logLine(m_reconnector.statusText().Text);
        break;
    }
    emit reconnectStatus(m_reconnector.statusText());
}

void LinkController::onWords(const Link::WordBatch& batch)
{
    if (m_reconnector.state() != Reconnector::State::Streaming)
        return;
    if (std::any_of(batch.begin(), batch.end(), [](const auto& w) { return w.live(); }))
        m_silence.start();
}

void LinkController::onReport(const LinkReport& report)
{
    if (report.Type == LinkReport::PortError)
        // Whatever command met it, a port error while the user's stream ran ends it.
        streamLost();
    else if (report.Type == LinkReport::Calibration)
        run(m_reconnector.calibrationRead(report.Text));
}

void LinkController::onCommandDone(quint8 code)
{
    if (code == Link::cmdConnect)
        run(m_reconnector.connectDone());
    const bool memoryRead = code == Link::cmdDumpToFile || code == Link::cmdDumpRange;
    // After the last memory read posted, the paused stream comes back.
    if (memoryRead && m_pausedTable != 0 && !m_session.memoryReadPending())
        resumeStream();
}
