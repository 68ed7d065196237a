// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The value label.
#include "widgets/TFordValue.h"

#include "common/FloatFormat.h"
#include "common/Texts.h"
#include "store/PidTable.h"
#include "widgets/NoValueText.h"

#include <algorithm>

TFordValue::TFordValue(QWidget* parent)
    : TLabel(parent)
{
    connect(&AlarmBlink::instance(), &AlarmBlink::toggled, this, [this] {
        if (m_level == ValueLimits::Alarm)
            showLevel(m_level);
    });
}

void TFordValue::setLabelFormat(const QString& format)
{
    m_format = format;
    sendSelfUpdate();
}

void TFordValue::setLabelRatio(float ratio)
{
    m_ratio = ratio;
    sendSelfUpdate();
}

void TFordValue::setNameWidth(int width)
{
    m_nameWidth = std::clamp(width, 0, 64);
    sendSelfUpdate();
}

// "0Fh Т воздуха      21.0 °C": names of one width line the numbers up in a column of a
// fixed-pitch font.
QString TFordValue::named(const QString& number) const
{
    if (m_nameWidth <= 0)
        return number;
    const PidTable& table = PidTable::current();
    QString name = table.name(m_pid);
    if (name.size() > m_nameWidth)
        name = name.left(m_nameWidth - 1) + QChar(0x2026);
    QString text = PidTable::number(m_pid) + QLatin1Char(' ') + name.leftJustified(m_nameWidth)
        + QLatin1Char(' ') + number;
    if (const QString unit = table.unit(m_pid); !unit.isEmpty())
        text += QLatin1Char(' ') + unit;
    return text;
}

void TFordValue::limitsChanged()
{
    const ValueLimits::Level before = m_level;
    m_level = m_received ? m_limits.level(m_last) : ValueLimits::Normal;
    if (!showLevel(before) && before != ValueLimits::Normal)
        Font()->setColor(m_dynColor);
}

// Within the limits (the usual case, on every value) this costs one comparison.
bool TFordValue::showLevel(ValueLimits::Level before)
{
    if (m_level == before && m_level == ValueLimits::Normal)
        return false;
    AlarmBlink& blink = AlarmBlink::instance();
    if (m_level != before)
        blink.setInAlarm(this, m_level == ValueLimits::Alarm);
    if (m_level == ValueLimits::Normal)
        return false;
    const QColor c = limitColour(m_level, blink.on());
    Font()->setColor(TColor::fromRgb(c.red(), c.green(), c.blue()));
    return true;
}

// Formats the caption again at once; this counts as one unchanged reading.
void TFordValue::sendSelfUpdate()
{
    TMessage msg(Msg::WM_PID_CHANGED, m_pid, Msg::floatToLParam(m_last));
    m_selfUpdate = true;
    message(msg);
    m_selfUpdate = false;
}

// A value that cannot be shown (bad format, zero ratio) leaves the previous caption. Before
// the first value "---" stands for the number: "0.0 В" would be a reading that never came. The
// format is tried all the same, so that a bad one is reported when it is set.
void TFordValue::showValue(float value)
{
    if (m_ratio == 0.0f) {
        m_problems.report(this, Texts::text(Texts::ValueZeroRatio));
        return;
    }
    try {
        const long double number = static_cast<long double>(value) / m_ratio;
        if (!m_formatted || m_formatted->number != number || m_formatted->format != m_format)
            m_formatted = Formatted { m_format, number, formatFloat(m_format, number) };
        setCaption(named(m_received ? m_formatted->text : noValueText(m_format)));
    } catch (const FormatError& e) {
        m_problems.report(this, e.message());
    }
}

void TFordValue::message(TMessage& msg)
{
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    if (msg.WParam == m_pid) {
        const float v = Msg::lParamToFloat(msg.LParam);
        m_received = m_received || !m_selfUpdate;
        showValue(v);
        const ValueLimits::Level before = m_level;
        m_level = m_received ? m_limits.level(v) : ValueLimits::Normal;
        if (m_level != before)
            emit limitLevelChanged(m_pid, v, m_level);
        if (showLevel(before)) {
            // A value past a limit keeps its colour; the rising and falling ones wait.
        } else if (before != ValueLimits::Normal) {
            Font()->setColor(m_dynColor);
        } else if (v != m_last && m_counter < m_dynCount) {
            // A fall takes LabelDynColorUp and a rise LabelDynColorDown.
            Font()->setColor(v < m_last ? m_dynColorUp : m_dynColorDown);
        } else {
            ++m_counter;
            if (m_counter > m_dynCount) {
                m_counter = 0;
                Font()->setColor(m_dynColor);
            }
        }
        m_last = v;
    } else if (msg.WParam == 0) {
        showValue(m_last);
    }
}
