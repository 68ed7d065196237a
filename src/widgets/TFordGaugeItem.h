// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One arrow item of a gauge: a needle bound to its own PID, with its own value label.
// Its setters store only; the gauge shows the change at its next paint.
#pragma once

#include "common/TFont.h"
#include "widgets/GaugeModel.h"
#include "widgets/GaugeTypes.h"

#include <QObject>

class TFordGauge;

class TFordGaugeItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    Q_PROPERTY(Gauge::TGaugeArrowMode DisplayMode READ DisplayMode WRITE setDisplayMode)
    Q_PROPERTY(float Value READ Value WRITE setValue)
    // A new length moves the tip only at the next rebuild or value.
    Q_PROPERTY(int ArrowRadius READ ArrowRadius WRITE setArrowRadius)
    Q_PROPERTY(int ArrowAngle READ ArrowAngle WRITE setArrowAngle)
    Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE setArrowColor)
    Q_PROPERTY(TColor ArrowBack READ ArrowBack WRITE setArrowBack)
    Q_PROPERTY(bool ValueShow READ ValueShow WRITE setValueShow)
    Q_PROPERTY(TFont* ValueFont READ ValueFont WRITE assignValueFont)
    Q_PROPERTY(int ValueLabelX READ ValueLabelX WRITE setValueLabelX)
    Q_PROPERTY(int ValueLabelY READ ValueLabelY WRITE setValueLabelY)
    Q_PROPERTY(QString ValueLabelFormat READ ValueLabelFormat WRITE setValueLabelFormat)

public:
    // Starts with the gauge's present arrow and label settings.
    TFordGaugeItem(TFordGauge* gauge, QObject* parent);

    TFordGauge* gauge() const { return m_gauge; }
    TNeedle& needle() { return m_needle; }
    const TNeedle& needle() const { return m_needle; }

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid) { m_pid = pid; }
    Gauge::TGaugeArrowMode DisplayMode() const { return m_mode; }
    void setDisplayMode(Gauge::TGaugeArrowMode mode) { m_mode = mode; }
    float Value() const { return m_needle.Value; }
    void setValue(float value);
    int ArrowRadius() const { return m_needle.ArrowRadius; }
    void setArrowRadius(int radius) { m_needle.ArrowRadius = radius; }
    int ArrowAngle() const { return m_needle.ArrowAngle; }
    void setArrowAngle(int angle) { m_needle.ArrowAngle = angle; }
    TColor ArrowColor() const { return m_needle.ArrowColor; }
    void setArrowColor(TColor color) { m_needle.ArrowColor = color; }
    TColor ArrowBack() const { return m_needle.ArrowBack; }
    void setArrowBack(TColor color) { m_needle.ArrowBack = color; }
    bool ValueShow() const { return m_needle.ValueShow; }
    void setValueShow(bool show) { m_needle.ValueShow = show; }
    TFont* ValueFont() const { return m_valueFont; }
    void assignValueFont(TFont* font) { m_valueFont->assignFrom(font); }
    int ValueLabelX() const { return m_needle.ValueLabelX; }
    void setValueLabelX(int x) { m_needle.ValueLabelX = x; }
    int ValueLabelY() const { return m_needle.ValueLabelY; }
    void setValueLabelY(int y) { m_needle.ValueLabelY = y; }
    QString ValueLabelFormat() const { return m_needle.ValueLabelFormat; }
    void setValueLabelFormat(const QString& format);

    // Copies PID, DisplayMode, the arrow's look and then its value; the label settings stay.
    void assign(const TFordGaugeItem& other);

private:
    TFordGauge* m_gauge;
    quint8 m_pid = 0;
    Gauge::TGaugeArrowMode m_mode = Gauge::gamNormal;
    TNeedle m_needle;
    TFont* m_valueFont;
};
