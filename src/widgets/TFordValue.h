// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A label that shows a PID's value as formatted text, coloured by whether the value
// rose, fell or stayed.
#pragma once

#include "widgets/TLabel.h"
#include "widgets/ValueLimits.h"
#include "widgets/WidgetProblems.h"

#include <optional>

class TFordValue : public TLabel, public WithValueLimits {
    Q_OBJECT
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    Q_PROPERTY(QString LabelFormat READ LabelFormat WRITE setLabelFormat)
    // The number shown is value / LabelRatio.
    Q_PROPERTY(float LabelRatio READ LabelRatio WRITE setLabelRatio)
    // Stored only; the colouring works whatever it says.
    Q_PROPERTY(bool LabelDynamic READ LabelDynamic WRITE setLabelDynamic)
    Q_PROPERTY(TColor LabelDynColor READ LabelDynColor WRITE setLabelDynColor)
    // Taken when the value fell (the name is the other way round, and profiles rely on it).
    Q_PROPERTY(TColor LabelDynColorUp READ LabelDynColorUp WRITE setLabelDynColorUp)
    // Taken when the value rose.
    Q_PROPERTY(TColor LabelDynColorDown READ LabelDynColorDown WRITE setLabelDynColorDown)
    Q_PROPERTY(int LabelDynCount READ LabelDynCount WRITE setLabelDynCount)
    // Above 0: the caption begins with the PID's number and its name from pids.txt, padded
    // or shortened to this many characters, and ends with the unit; LabelFormat then gives
    // the number alone. 0 (the default): the caption is LabelFormat's text as it stands.
    Q_PROPERTY(int NameWidth READ NameWidth WRITE setNameWidth)
    // A value at or past a warning limit turns the text amber, past an alarm limit red and
    // blinking; no limit by default.
    Q_PROPERTY(float WarnLow READ WarnLow WRITE setWarnLow)
    Q_PROPERTY(float WarnHigh READ WarnHigh WRITE setWarnHigh)
    Q_PROPERTY(float AlarmLow READ AlarmLow WRITE setAlarmLow)
    Q_PROPERTY(float AlarmHigh READ AlarmHigh WRITE setAlarmHigh)

public:
    explicit TFordValue(QWidget* parent = nullptr);

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid) { m_pid = pid; }
    QString LabelFormat() const { return m_format; }
    void setLabelFormat(const QString& format);
    float LabelRatio() const { return m_ratio; }
    void setLabelRatio(float ratio);
    bool LabelDynamic() const { return m_dynamic; }
    void setLabelDynamic(bool dynamic) { m_dynamic = dynamic; }
    TColor LabelDynColor() const { return m_dynColor; }
    void setLabelDynColor(TColor color) { m_dynColor = color; }
    TColor LabelDynColorUp() const { return m_dynColorUp; }
    void setLabelDynColorUp(TColor color) { m_dynColorUp = color; }
    TColor LabelDynColorDown() const { return m_dynColorDown; }
    void setLabelDynColorDown(TColor color) { m_dynColorDown = color; }
    int LabelDynCount() const { return m_dynCount; }
    void setLabelDynCount(int count) { m_dynCount = count; }
    ValueLimits::Level limitLevel() const { return m_level; }

    int NameWidth() const { return m_nameWidth; }
    void setNameWidth(int width);

    void message(TMessage& msg) override;

signals:
    // The value reached another level of its limits.
    void limitLevelChanged(quint8 pid, float value, int level);

private:
    void showValue(float value);
    QString named(const QString& number) const;
    void limitsChanged() override;
    // Colours the text for the last value's level, coming from before; false when it is
    // Normal (the rising and falling colours then apply).
    bool showLevel(ValueLimits::Level before);
    void sendSelfUpdate();

    quint8 m_pid = 0;
    QString m_format;
    float m_ratio = 1.0f;
    bool m_dynamic = false;
    TColor m_dynColor = clLime;
    TColor m_dynColorUp = clSilver;
    TColor m_dynColorDown = clMaroon;
    int m_dynCount = 10;
    int m_nameWidth = 0;
    ValueLimits::Level m_level = ValueLimits::Normal;
    float m_last = 0.0f;
    // The last number formatted and its text: a reading that repeats the number (most of
    // a steady engine's) is not formatted again.
    struct Formatted {
        QString format;
        long double number = 0;
        QString text;
    };
    std::optional<Formatted> m_formatted;
    int m_counter = 10;
    bool m_received = false; // a value came (not only the label's own update)
    bool m_selfUpdate = false;
    TProblemLatch m_problems;
};
