// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The bit-flag indicator.
#include "widgets/TFordLabel.h"

#include "common/Texts.h"

#include <cmath>

TFordLabel::TFordLabel(QWidget* parent)
    : TLabel(parent)
{
}

void TFordLabel::setColorOn(TColor color)
{
    m_colorOn = color;
    update();
}

void TFordLabel::setColorOff(TColor color)
{
    m_colorOff = color;
    update();
}

void TFordLabel::setInversed(bool inversed)
{
    m_inversed = inversed;
    Font()->setColor(Font()->Color() == m_colorOn ? m_colorOff : m_colorOn);
}

void TFordLabel::message(TMessage& msg)
{
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    if (msg.WParam == m_pid)
        m_last = Msg::lParamToFloat(msg.LParam);
    else if (msg.WParam != 0)
        return;
    // Truncation to 64 bits is defined only for finite values within that range.
    const float truncated = std::trunc(m_last);
    if (!(truncated >= -9.2233720368547758e18f && truncated < 9.2233720368547758e18f)) {
        m_problems.report(this, Texts::text(Texts::LabelValueNotInteger).arg(double(m_last)));
        return;
    }
    const auto n = static_cast<int64_t>(truncated);
    bool on = (n & m_mask) == m_mask;
    if (m_inversed)
        on = !on;
    Font()->setColor(on ? m_colorOn : m_colorOff);
}
