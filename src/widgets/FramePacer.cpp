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
        repaint();
        return;
    }
    m_queued = true;
    QTimer::singleShot(m_frameMs - since, m_widget, [this] {
        m_queued = false;
        repaint();
    });
}

void FramePacer::repaint()
{
    if (m_repaint)
        m_repaint();
    else
        m_widget->update();
}
