// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One curve of a trend chart: the PID whose history it draws, its caption, colour and
// whether it is drawn (which also switches the store's recording of that PID).
#pragma once

#include "common/TColor.h"

#include <QObject>
#include <QString>

class TFordTrendItems;

class TFordTrendItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    // Shown in the chart's legend; "PID n" when empty.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    // Setting it also switches the store's history recording of the PID.
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    // The curve, its scale and its readings show value / Ratio (0: the value itself), as a
    // readout's LabelRatio does: a throttle in A/D counts reads volts with Ratio=819.
    Q_PROPERTY(float Ratio READ Ratio WRITE setRatio)

public:
    explicit TFordTrendItem(TFordTrendItems* collection);

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    float Ratio() const { return m_ratio; }
    void setRatio(float ratio);
    // A converted value of the PID as this curve shows it.
    double shown(double value) const { return m_ratio != 0.0f ? value / m_ratio : value; }

    // The caption, or "PID n" when it is empty.
    QString displayName() const;
    // Copies PID, Color, Caption, Ratio and Visible, in that order.
    void assign(const TFordTrendItem& other);

private:
    TFordTrendItems* m_collection;
    quint8 m_pid = 255;
    QString m_caption;
    bool m_visible = true;
    TColor m_color = clWhite;
    float m_ratio = 0.0f;
};
