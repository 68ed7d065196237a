// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One curve of a trend chart.
#include "profiles/TFordTrendItem.h"

#include "profiles/TFordTrendItems.h"
#include "store/PidTable.h"

#include <cmath>

TFordTrendItem::TFordTrendItem(TFordTrendItems* collection)
    : QObject(collection)
    , m_collection(collection)
{
}

void TFordTrendItem::setPID(quint8 pid)
{
    m_pid = pid;
    m_collection->changed();
}

void TFordTrendItem::setCaption(const QString& caption)
{
    m_caption = caption;
    m_collection->changed();
}

void TFordTrendItem::setVisible(bool visible)
{
    m_visible = visible;
    m_collection->switchRecording(m_pid, visible);
    m_collection->changed();
}

void TFordTrendItem::setColor(TColor color)
{
    m_color = color;
    m_collection->changed();
}

void TFordTrendItem::setRatio(float ratio)
{
    // A ratio that is not a finite number would draw every point at infinity.
    m_ratio = std::isfinite(ratio) ? ratio : 0.0f;
    m_collection->changed();
}

QString TFordTrendItem::displayName() const
{
    // Without a caption of its own a curve is called what pids.txt calls its PID.
    return m_caption.isEmpty() ? PidTable::current().nameWithUnit(m_pid) : m_caption;
}

void TFordTrendItem::assign(const TFordTrendItem& other)
{
    setPID(other.m_pid);
    setColor(other.m_color);
    setCaption(other.m_caption);
    setRatio(other.m_ratio);
    setVisible(other.m_visible);
}
