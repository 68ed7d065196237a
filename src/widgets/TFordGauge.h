// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The needle gauge of the dashboards: a dial graduated from Min to Max with one needle of
// its own or several arrow items, each bound to a PID, drawn at SmoothFactor times the
// size and scaled down smoothly.
#pragma once

#include "widgets/FramePacer.h"
#include "widgets/GaugeModel.h"
#include "widgets/GaugeTypes.h"
#include "widgets/TControl.h"
#include "widgets/TFordGaugeItems.h"
#include "widgets/TGaugeGeometry.h"
#include "widgets/ValueLimits.h"
#include "widgets/WidgetProblems.h"

#include <QImage>

class TFordGaugeItem;

class TFordGauge : public TControl, public WithValueLimits {
    Q_OBJECT
    // PID of the own arrow, used when there are no arrow items.
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    // Assigning it is the same as receiving it.
    Q_PROPERTY(float Value READ Value WRITE setValue)
    Q_PROPERTY(float Min READ Min WRITE setMin)
    Q_PROPERTY(float Max READ Max WRITE setMax)
    // Start of the red zone, which runs to Max.
    Q_PROPERTY(float RedLine READ RedLine WRITE setRedLine)
    // A value at or past a warning limit shows its label amber, past an alarm limit red and
    // blinking; no limit by default.
    Q_PROPERTY(float WarnLow READ WarnLow WRITE setWarnLow)
    Q_PROPERTY(float WarnHigh READ WarnHigh WRITE setWarnHigh)
    Q_PROPERTY(float AlarmLow READ AlarmLow WRITE setAlarmLow)
    Q_PROPERTY(float AlarmHigh READ AlarmHigh WRITE setAlarmHigh)
    Q_PROPERTY(bool RedLineShow READ RedLineShow WRITE setRedLineShow)
    // Gaps in degrees between straight down and the scale's left and right ends.
    Q_PROPERTY(float AngleLeft READ AngleLeft WRITE setAngleLeft)
    Q_PROPERTY(float AngleRight READ AngleRight WRITE setAngleRight)
    Q_PROPERTY(Gauge::TGaugePosition GaugePosition READ GaugePosition WRITE setGaugePosition)
    Q_PROPERTY(Gauge::TGaugeDirection GaugeDirection READ GaugeDirection WRITE setGaugeDirection)
    Q_PROPERTY(int GaugeRadius READ GaugeRadius WRITE setGaugeRadius)
    // Shift of the dial centre; a gauge that is not square needs them to centre its dial.
    Q_PROPERTY(int GaugeOffsetX READ GaugeOffsetX WRITE setGaugeOffsetX)
    Q_PROPERTY(int GaugeOffsetY READ GaugeOffsetY WRITE setGaugeOffsetY)
    Q_PROPERTY(TColor GaugeColor READ GaugeColor WRITE setGaugeColor)
    Q_PROPERTY(TColor GlowColor READ GlowColor WRITE setGlowColor)
    // Intervals between big ticks (7 gives 8 big ticks).
    Q_PROPERTY(int TickCountBig READ TickCountBig WRITE setTickCountBig)
    // Small intervals in each big interval.
    Q_PROPERTY(int TickCountSmall READ TickCountSmall WRITE setTickCountSmall)
    Q_PROPERTY(int TickSizeBig READ TickSizeBig WRITE setTickSizeBig)
    Q_PROPERTY(int TickSizeSmall READ TickSizeSmall WRITE setTickSizeSmall)
    Q_PROPERTY(QString TickLabelFormat READ TickLabelFormat WRITE setTickLabelFormat)
    // Divides the tick numbers above Min.
    Q_PROPERTY(float TickLabelRatio READ TickLabelRatio WRITE setTickLabelRatio)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int ArrowRadius READ ArrowRadius WRITE setArrowRadius)
    Q_PROPERTY(int ArrowAngle READ ArrowAngle WRITE setArrowAngle)
    Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE setArrowColor)
    Q_PROPERTY(TColor ArrowBack READ ArrowBack WRITE setArrowBack)
    // 0: no cap over the centre.
    Q_PROPERTY(int ArrowCenterRadius READ ArrowCenterRadius WRITE setArrowCenterRadius)
    Q_PROPERTY(TColor ArrowCenterColor READ ArrowCenterColor WRITE setArrowCenterColor)
    Q_PROPERTY(TColor ArrowCenterBack READ ArrowCenterBack WRITE setArrowCenterBack)
    Q_PROPERTY(bool ValueShow READ ValueShow WRITE setValueShow)
    // The own arrow's label font, its own object (it does not follow Font).
    Q_PROPERTY(TFont* ValueFont READ ValueFont WRITE assignValueFont)
    Q_PROPERTY(int ValueLabelX READ ValueLabelX WRITE setValueLabelX)
    Q_PROPERTY(int ValueLabelY READ ValueLabelY WRITE setValueLabelY)
    Q_PROPERTY(QString ValueLabelFormat READ ValueLabelFormat WRITE setValueLabelFormat)
    // The anti-aliasing factor, 1 to 7; other values are ignored.
    Q_PROPERTY(int SmoothFactor READ SmoothFactor WRITE setSmoothFactor)
    // When there is at least one item, the own arrow and its label are not used.
    Q_PROPERTY(TFordGaugeItems* Arrows READ Arrows WRITE assignArrows)
    // Stored; nothing depends on it.
    Q_PROPERTY(int MaxMinResetDelay READ MaxMinResetDelay WRITE setMaxMinResetDelay)

public:
    explicit TFordGauge(QWidget* parent = nullptr);

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid) { m_pid = pid; }
    float Value() const { return m_own.Value; }
    void setValue(float value) { updateNeedle(m_own, value); }
    float Min() const { return m_settings.Min; }
    void setMin(float v) { rebuildWith(m_settings.Min, v); }
    float Max() const { return m_settings.Max; }
    void setMax(float v) { rebuildWith(m_settings.Max, v); }
    float RedLine() const { return m_settings.RedLine; }
    void setRedLine(float v) { rebuildWith(m_settings.RedLine, v); }
    bool RedLineShow() const { return m_settings.RedLineShow; }
    void setRedLineShow(bool v) { rebuildWith(m_settings.RedLineShow, v); }
    float AngleLeft() const { return m_settings.AngleLeft; }
    void setAngleLeft(float v) { rebuildWith(m_settings.AngleLeft, v); }
    float AngleRight() const { return m_settings.AngleRight; }
    void setAngleRight(float v) { rebuildWith(m_settings.AngleRight, v); }
    Gauge::TGaugePosition GaugePosition() const { return m_settings.GaugePosition; }
    void setGaugePosition(Gauge::TGaugePosition v) { rebuildWith(m_settings.GaugePosition, v); }
    Gauge::TGaugeDirection GaugeDirection() const { return m_settings.GaugeDirection; }
    void setGaugeDirection(Gauge::TGaugeDirection v) { rebuildWith(m_settings.GaugeDirection, v); }
    int GaugeRadius() const { return m_settings.GaugeRadius; }
    void setGaugeRadius(int v) { rebuildWith(m_settings.GaugeRadius, v); }
    int GaugeOffsetX() const { return m_settings.GaugeOffsetX; }
    void setGaugeOffsetX(int v) { rebuildWith(m_settings.GaugeOffsetX, v); }
    int GaugeOffsetY() const { return m_settings.GaugeOffsetY; }
    void setGaugeOffsetY(int v) { rebuildWith(m_settings.GaugeOffsetY, v); }
    TColor GaugeColor() const { return m_settings.GaugeColor; }
    void setGaugeColor(TColor v) { rebuildWith(m_settings.GaugeColor, v); }
    TColor GlowColor() const { return m_settings.GlowColor; }
    void setGlowColor(TColor v) { rebuildWith(m_settings.GlowColor, v); }
    int TickCountBig() const { return m_settings.TickCountBig; }
    void setTickCountBig(int v) { rebuildWith(m_settings.TickCountBig, v); }
    int TickCountSmall() const { return m_settings.TickCountSmall; }
    void setTickCountSmall(int v) { rebuildWith(m_settings.TickCountSmall, v); }
    int TickSizeBig() const { return m_settings.TickSizeBig; }
    void setTickSizeBig(int v) { rebuildWith(m_settings.TickSizeBig, v); }
    int TickSizeSmall() const { return m_settings.TickSizeSmall; }
    void setTickSizeSmall(int v) { rebuildWith(m_settings.TickSizeSmall, v); }
    QString TickLabelFormat() const { return m_settings.TickLabelFormat; }
    void setTickLabelFormat(const QString& v)
    {
        checkFormat(v);
        rebuildWith(m_settings.TickLabelFormat, v);
    }
    float TickLabelRatio() const { return m_settings.TickLabelRatio; }
    void setTickLabelRatio(float v) { rebuildWith(m_settings.TickLabelRatio, v); }
    QString Caption() const { return m_settings.Caption; }
    void setCaption(const QString& v) { rebuildWith(m_settings.Caption, v); }
    int ArrowRadius() const { return m_own.ArrowRadius; }
    void setArrowRadius(int v) { rebuildWith(m_own.ArrowRadius, v); }
    int ArrowAngle() const { return m_own.ArrowAngle; }
    void setArrowAngle(int v) { repaintWith(m_own.ArrowAngle, v); }
    TColor ArrowColor() const { return m_own.ArrowColor; }
    void setArrowColor(TColor v) { repaintWith(m_own.ArrowColor, v); }
    TColor ArrowBack() const { return m_own.ArrowBack; }
    void setArrowBack(TColor v) { repaintWith(m_own.ArrowBack, v); }
    int ArrowCenterRadius() const { return m_settings.ArrowCenterRadius; }
    void setArrowCenterRadius(int v) { rebuildWith(m_settings.ArrowCenterRadius, v); }
    TColor ArrowCenterColor() const { return m_settings.ArrowCenterColor; }
    void setArrowCenterColor(TColor v) { repaintWith(m_settings.ArrowCenterColor, v); }
    TColor ArrowCenterBack() const { return m_settings.ArrowCenterBack; }
    void setArrowCenterBack(TColor v) { repaintWith(m_settings.ArrowCenterBack, v); }
    bool ValueShow() const { return m_own.ValueShow; }
    void setValueShow(bool v) { rebuildWith(m_own.ValueShow, v); }
    // The worst level of the values the needles show (Normal before any value came).
    ValueLimits::Level limitLevel() const;

signals:
    // The worst level changed; pid and value of the needle that set it.
    void limitLevelChanged(quint8 pid, float value, int level);

public:
    TFont* ValueFont() const { return m_valueFont; }
    void assignValueFont(TFont* font) { m_valueFont->assignFrom(font); }
    int ValueLabelX() const { return m_own.ValueLabelX; }
    void setValueLabelX(int v) { rebuildWith(m_own.ValueLabelX, v); }
    int ValueLabelY() const { return m_own.ValueLabelY; }
    void setValueLabelY(int v) { rebuildWith(m_own.ValueLabelY, v); }
    QString ValueLabelFormat() const { return m_own.ValueLabelFormat; }
    void setValueLabelFormat(const QString& v)
    {
        checkFormat(v);
        rebuildWith(m_own.ValueLabelFormat, v);
    }
    int SmoothFactor() const { return m_settings.SmoothFactor; }
    void setSmoothFactor(int k);
    TFordGaugeItems* Arrows() const { return m_items; }
    // Replaces the items with copies of the given ones; none is refused (reported).
    void assignArrows(TFordGaugeItems* items);
    int MaxMinResetDelay() const { return m_maxMinResetDelay; }
    void setMaxMinResetDelay(int v) { m_maxMinResetDelay = v; }

    void message(TMessage& msg) override;
    // The dial and frame images.
    qint64 imageBytes() const override;

    // The value update of one needle (own or item): placed, on an end stop when beyond the
    // scale, and repainted. A refresh request moves the needle but brings no reading.
    void updateNeedle(TNeedle& needle, float value, bool reading = true);
    const TNeedle& ownNeedle() const { return m_own; }
    // Brought up to date with the size first: a hidden widget gets no resize events.
    const TGaugeGeometry& geometry();
    const TGaugeSettings& settings() const { return m_settings; }

    // The cached dial image and the last composed frame, drawn now if they are due.
    const QImage& dialImage();
    const QImage& frameImage();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void fontChanged() override;

private:
    template <typename T, typename V> void rebuildWith(T& field, const V& value)
    {
        field = value;
        rebuild();
    }
    template <typename T, typename V> void repaintWith(T& field, const V& value)
    {
        field = value;
        update();
    }

    // Recomputes the geometry and places every needle; the dial is drawn again before the
    // next paint. No repaint is requested.
    void rebuild();
    void rebuildIfResized();
    void drawDialIfDue();
    void composeFrame();
    void prepareLabel(TNeedle& needle, const TFont& font);
    QColor background() const;
    void report(const QStringList& problems);
    void makeImages();
    void limitsChanged() override;
    void refreshAlarm();

public:
    // Reports a format that cannot show one number, when it is set rather than when drawn.
    void checkFormat(const QString& format);

private:
    quint8 m_pid = 0;
    TGaugeSettings m_settings;
    TNeedle m_own;
    TFont* m_valueFont;
    TFordGaugeItems* m_items;
    int m_maxMinResetDelay = 0;
    TGaugeGeometry m_geometry;
    ValueLimits::Level m_level = ValueLimits::Normal;
    QImage m_dial;
    QImage m_frame;
    // The part of the frame that may differ from the dial: the needles, labels and cap of
    // the last frame. The next frame puts back only this part of the dial.
    QRect m_drawn;
    QImage m_shown; // the frame at the size shown, when halved by hand
    bool m_dialDue = true;
    TProblemLatch m_problems;
    // New readings move the needles at most forty times a second: smooth to the eye, and a
    // reading waits no more than one frame for its paint.
    static constexpr int ValueFrameMs = 25;
    FramePacer m_valuePacer { this, ValueFrameMs };
};
