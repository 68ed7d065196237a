// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "widgets/FramePacer.h"

#include <QTimer>
#include <QWidget>

void FramePacer::request()
{
    if (m_queued)
        return;
    const qint64 since = m_lastPaint.isValid() ? m_lastPaint.elapsed() : m_frameMs;
    if (since >= m_frameMs) {
        m_widget->update();
        return;
    }
    m_queued = true;
    QTimer::singleShot(m_frameMs - since, m_widget, [this] {
        m_queued = false;
        m_widget->update();
    });
}
