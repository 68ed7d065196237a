// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "widgets/ValueLimits.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

QColor limitColour(ValueLimits::Level level, bool blinkOn)
{
    switch (level) {
    case ValueLimits::Warning:
        return QColor(255, 176, 0);
    case ValueLimits::Alarm:
        return blinkOn ? QColor(255, 48, 48) : QColor(110, 0, 0);
    default:
        return {};
    }
}

// Owned by the application, so that its timer ends with the event loop that runs it.
AlarmBlink& AlarmBlink::instance()
{
    static QPointer<AlarmBlink> blink;
    if (!blink)
        blink = new AlarmBlink(QCoreApplication::instance());
    return *blink;
}

AlarmBlink::AlarmBlink(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(HalfPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &AlarmBlink::tick);
}

void AlarmBlink::setInAlarm(QWidget* widget, bool inAlarm)
{
    std::erase_if(m_widgets, [widget](const QPointer<QWidget>& w) { return !w || w == widget; });
    if (inAlarm)
        m_widgets.emplace_back(widget);
    if (m_widgets.empty()) {
        m_timer.stop();
        m_on = true;
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void AlarmBlink::tick()
{
    std::erase_if(m_widgets, [](const QPointer<QWidget>& w) { return !w; });
    if (m_widgets.empty()) {
        m_timer.stop();
        m_on = true;
        return;
    }
    m_on = !m_on;
    emit toggled(m_on);
    for (const QPointer<QWidget>& w : m_widgets)
        w->update();
}
