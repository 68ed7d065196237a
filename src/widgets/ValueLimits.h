// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Warning and alarm limits of a shown value, as a dashboard's profile sets them: a value
// below a low or above a high limit is a warning (amber) or an alarm (red, blinking).
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cmath>
#include <limits>
#include <vector>

class QWidget;

struct ValueLimits {
    enum Level { Normal, Warning, Alarm };

    // NaN: no limit on that side.
    float WarnLow = std::numeric_limits<float>::quiet_NaN();
    float WarnHigh = std::numeric_limits<float>::quiet_NaN();
    float AlarmLow = std::numeric_limits<float>::quiet_NaN();
    float AlarmHigh = std::numeric_limits<float>::quiet_NaN();

    bool any() const
    {
        return !std::isnan(WarnLow) || !std::isnan(WarnHigh) || !std::isnan(AlarmLow)
            || !std::isnan(AlarmHigh);
    }
    // A value on a limit is past it: a limit names the first value that needs attention.
    Level level(float value) const
    {
        if (value <= AlarmLow || value >= AlarmHigh)
            return Alarm;
        if (value <= WarnLow || value >= WarnHigh)
            return Warning;
        return Normal;
    }
};

// The limits as a widget publishes them (WarnLow, WarnHigh, AlarmLow, AlarmHigh): a widget
// derives from it, names these accessors in its Q_PROPERTY lines and hears of a change.
class WithValueLimits {
public:
    virtual ~WithValueLimits() = default;

    float WarnLow() const { return m_limits.WarnLow; }
    void setWarnLow(float v) { set(m_limits.WarnLow, v); }
    float WarnHigh() const { return m_limits.WarnHigh; }
    void setWarnHigh(float v) { set(m_limits.WarnHigh, v); }
    float AlarmLow() const { return m_limits.AlarmLow; }
    void setAlarmLow(float v) { set(m_limits.AlarmLow, v); }
    float AlarmHigh() const { return m_limits.AlarmHigh; }
    void setAlarmHigh(float v) { set(m_limits.AlarmHigh, v); }
    const ValueLimits& limits() const { return m_limits; }

protected:
    virtual void limitsChanged() = 0;
    ValueLimits m_limits;

private:
    void set(float& limit, float value)
    {
        limit = value;
        limitsChanged();
    }
};

// Amber for a warning; red for an alarm, dark red in the blink's off phase.
QColor limitColour(ValueLimits::Level level, bool blinkOn);

// The one blink of every alarm on the screen, twice a second, so that alarms blink
// together; it runs only while a widget is in alarm.
class AlarmBlink : public QObject {
    Q_OBJECT

public:
    static constexpr int HalfPeriodMs = 250;
    static AlarmBlink& instance();

    // The widget repaints at each change of the phase while it is in alarm.
    void setInAlarm(QWidget* widget, bool inAlarm);
    bool on() const { return m_on; }

signals:
    void toggled(bool on);

private:
    explicit AlarmBlink(QObject* parent);
    void tick();

    QTimer m_timer;
    bool m_on = true;
    std::vector<QPointer<QWidget>> m_widgets;
};
