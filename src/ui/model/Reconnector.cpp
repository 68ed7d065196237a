// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Reconnector.h"

#include "common/Placeholders.h"
#include "common/Texts.h"

#include <algorithm>
#include <cmath>

namespace {

// A code of all zeros is what the status reset reports of cleared slots: no car.
bool isCarCode(const QString& code)
{
    return !code.isEmpty() && code != QLatin1String("0000");
}

} // namespace

Reconnector::Reconnector(double timeScale)
    : m_timeScale(timeScale)
{
}

void Reconnector::setEnabled(bool on)
{
    m_enabled = on;
    if (!on && (m_state == State::Waiting || m_state == State::Connecting))
        m_state = State::Lost;
}

void Reconnector::streamStarted(char table)
{
    // A stream the user asks for again is a fresh start: the car is the one connected now.
    if (m_state != State::Streaming || table != m_table)
        m_resumed = false;
    m_state = State::Streaming;
    m_table = table;
    m_attempts = 0;
}

void Reconnector::stop()
{
    m_state = State::Idle;
    m_attempts = 0;
    m_resumed = false;
}

Reconnector::Step Reconnector::calibrationRead(const QString& code)
{
    if (!isCarCode(code))
        return {};
    if (m_state != State::Connecting) {
        // Outside an attempt the code names the car now connected.
        if (m_state != State::Waiting)
            m_code = code;
        return {};
    }
    m_foundCode = code;
    if (isCarCode(m_code) && code != m_code) {
        m_state = State::Refused;
        return { Step::Refuse };
    }
    m_code = code;
    m_state = State::Streaming;
    m_resumed = true;
    m_attempts = 0;
    return { Step::StartData };
}

Reconnector::Step Reconnector::streamLost()
{
    if (m_state != State::Streaming)
        return {};
    m_resumed = false;
    m_attempts = 0;
    if (!m_enabled) {
        m_state = State::Lost;
        return {};
    }
    return waitNext();
}

Reconnector::Step Reconnector::retryDue()
{
    if (m_state != State::Waiting)
        return {};
    m_state = State::Connecting;
    ++m_attempts;
    return { Step::Connect };
}

Reconnector::Step Reconnector::connectDone()
{
    if (m_state != State::Connecting)
        return {};
    return waitNext();
}

Reconnector::Step Reconnector::waitNext()
{
    m_state = State::Waiting;
    return { Step::Wait, delayMs(m_attempts) };
}

int Reconnector::nominalDelayMs(int attempt)
{
    // Doubling from the first pause; the shift stays small however long the attempts go on.
    return std::min(FirstDelayMs << std::clamp(attempt, 0, 5), MaxDelayMs);
}

int Reconnector::delayMs(int attempt) const
{
    return std::max(1, int(std::lround(nominalDelayMs(attempt) * m_timeScale)));
}

StatusText Reconnector::statusText() const
{
    switch (m_state) {
    case State::Waiting:
        // The product's seconds: the time scale only speeds up tests.
        return { fillPlaceholders(Texts::text(Texts::ReconnectWaiting),
                     { QString::number(nominalDelayMs(m_attempts) / 1000) }),
            Glow::Red };
    case State::Connecting:
        return { fillPlaceholders(
                     Texts::text(Texts::ReconnectTrying), { QString::number(m_attempts) }),
            Glow::Yellow };
    case State::Lost:
        return { Texts::text(Texts::ReconnectLost), Glow::Red };
    case State::Refused:
        return { fillPlaceholders(Texts::text(Texts::ReconnectOtherCar), { m_foundCode, m_code }),
            Glow::Red };
    case State::Streaming:
        if (m_resumed)
            return { Texts::text(Texts::ReconnectResumed), Glow::Green };
        return {};
    case State::Idle:
        break;
    }
    return {};
}
