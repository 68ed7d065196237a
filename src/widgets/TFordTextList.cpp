// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text-list label.
#include "widgets/TFordTextList.h"

#include <cmath>
#include <limits>

TFordTextList::TFordTextList(QWidget* parent)
    : TLabel(parent)
{
}

void TFordTextList::setLabelTextList(const QStringList& lines)
{
    m_lines = lines;
    showLine();
}

void TFordTextList::setValue(int value)
{
    m_value = value;
    showLine();
}

void TFordTextList::showLine()
{
    if (m_value < 0 || m_value >= m_lines.size())
        setCaption(QStringLiteral("---"));
    else
        setCaption(m_lines.at(m_value));
}

void TFordTextList::message(TMessage& msg)
{
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    if (msg.WParam == m_pid) {
        // Values beyond the int range saturate and NaN gives -1: all of them show "---".
        const double v = std::trunc(double(Msg::lParamToFloat(msg.LParam)));
        if (std::isnan(v))
            m_value = -1;
        else if (v >= double(std::numeric_limits<int>::max()))
            m_value = std::numeric_limits<int>::max();
        else if (v <= double(std::numeric_limits<int>::min()))
            m_value = std::numeric_limits<int>::min();
        else
            m_value = int(v);
    } else if (msg.WParam != 0) {
        return;
    }
    showLine();
}
