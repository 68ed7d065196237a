// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A bit-flag indicator: a fixed caption whose colour shows whether all bits of a mask
// are set in the PID's value.
#pragma once

#include "widgets/TLabel.h"
#include "widgets/WidgetProblems.h"

class TFordLabel : public TLabel {
    Q_OBJECT
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    // All of these bits must be set for the on state; 0 is always on.
    Q_PROPERTY(quint16 BitMask READ BitMask WRITE setBitMask)
    Q_PROPERTY(TColor ColorOn READ ColorOn WRITE setColorOn)
    Q_PROPERTY(TColor ColorOff READ ColorOff WRITE setColorOff)
    // Swaps on and off; every assignment also swaps the present text colour.
    Q_PROPERTY(bool Inversed READ Inversed WRITE setInversed)

public:
    explicit TFordLabel(QWidget* parent = nullptr);

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid) { m_pid = pid; }
    quint16 BitMask() const { return m_mask; }
    void setBitMask(quint16 mask) { m_mask = mask; }
    TColor ColorOn() const { return m_colorOn; }
    void setColorOn(TColor color);
    TColor ColorOff() const { return m_colorOff; }
    void setColorOff(TColor color);
    bool Inversed() const { return m_inversed; }
    void setInversed(bool inversed);

    void message(TMessage& msg) override;

private:
    quint8 m_pid = 0;
    quint16 m_mask = 0;
    TColor m_colorOn = clBlack;
    TColor m_colorOff = clBlack;
    bool m_inversed = false;
    float m_last = 0.0f;
    TProblemLatch m_problems;
};
