// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's test signal timer.
#include "ui/WindowTestSignal.h"

#include "common/Messages.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <QTimer>

WindowTestSignal::WindowTestSignal(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("TimerTest"));
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &WindowTestSignal::TimerTestTimer);
}

bool WindowTestSignal::isActive() const
{
    return m_timer->isActive();
}

void WindowTestSignal::toggle()
{
    if (m_timer->isActive())
        m_timer->stop();
    else
        m_timer->start();
}

void WindowTestSignal::TimerTestTimer()
{
    const int16_t value = m_wave.next();
    if (m_store)
        m_store->StoreValue(Pid, uint16_t(value));
    if (m_panel)
        QCoreApplication::postEvent(m_panel, new TMessage(Msg::WM_PID_CHANGED, Pid, 0));
    emit stepped(value);
}
