// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TTestSignal.h"

#include "LinkMessage.h"
#include "LinkTypes.h"
#include "store/TFordData.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cmath>

TTestSignal::TTestSignal(TFordData& store, int intervalMs, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TTestSignal::TestSignalTick);
}

uint16_t TTestSignal::value(int step, int r)
{
    const double n = step;
    const int16_t wave = int16_t(std::trunc(std::cos(n) * std::sin(n) * 300));
    return uint16_t(int16_t(wave + 15 * step + 80 + r));
}

namespace {
QEvent::Type toggleEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}
} // namespace

void TTestSignal::postToggle()
{
    auto* event = new QEvent(toggleEventType());
    LinkEvents::handOver(event);
    QCoreApplication::postEvent(this, event);
}

void TTestSignal::customEvent(QEvent* event)
{
    LinkEvents::takeOver(event);
    if (event->type() == toggleEventType())
        toggle();
}

void TTestSignal::toggle()
{
    if (m_timer.isActive())
        m_timer.stop();
    else
        m_timer.start();
}

void TTestSignal::TestSignalTick()
{
    const int r = int(QRandomGenerator::global()->bounded(40));
    m_store.StoreValue(TFordData::TestSignalPid, value(m_testStep, r));
    ++m_testStep;
    if (m_testStep > 30)
        m_testStep = 0;
    if (m_panel)
        QCoreApplication::postEvent(
            m_panel, new TLinkMessage(Msg::WM_PID_CHANGED, TFordData::TestSignalPid, 0));
}
