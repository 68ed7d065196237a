// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's settings and its needles as plain data, apart from the widget, so that the
// geometry and the drawing can be computed and tested without one.
#pragma once

#include "common/TColor.h"
#include "widgets/GaugeTypes.h"

#include <QSize>
#include <QString>
#include <limits>

struct TGaugeSettings {
    float Min = 0;
    float Max = 100;
    float RedLine = 80;
    bool RedLineShow = true;
    float AngleLeft = 60;
    float AngleRight = 60;
    Gauge::TGaugePosition GaugePosition = Gauge::fgpTop;
    Gauge::TGaugeDirection GaugeDirection = Gauge::fgdClockwise;
    int GaugeRadius = 70;
    int GaugeOffsetX = 0;
    int GaugeOffsetY = 0;
    TColor GaugeColor = clBlack;
    TColor GlowColor = clYellow;
    int TickCountBig = 7;
    int TickCountSmall = 5;
    int TickSizeBig = 20;
    int TickSizeSmall = 10;
    QString TickLabelFormat = QStringLiteral("%.0f");
    float TickLabelRatio = 1.0f;
    QString Caption;
    int ArrowCenterRadius = 0;
    TColor ArrowCenterColor = clBlack;
    TColor ArrowCenterBack = clBlack;
    int SmoothFactor = 2;
};

// One needle: the gauge's own arrow or an arrow item, with its value label.
struct TNeedle {
    float Value = 0;
    int ArrowRadius = 70;
    int ArrowAngle = 4;
    TColor ArrowColor = clGray;
    TColor ArrowBack = clWhite;
    bool ValueShow = true;
    int ValueLabelX = 80;
    int ValueLabelY = 140;
    QString ValueLabelFormat = QStringLiteral("%.0f mV");
    // A value came (the label shows "---" until then, not a reading that never came).
    bool received = false;

    // Where the needle points: its scale angle and the tip's offset from the centre, in
    // image pixels. A needle whose angle cannot be computed is not drawn.
    double angle = 0;
    double tipX = 0;
    double tipY = 0;
    bool placed() const { return angle - angle == 0; } // finite

    // The value label as last formatted and measured; invalid when value, format, font
    // or scale changed.
    bool labelValid = false;
    QString labelText;
    QSize labelSize;
    int labelAscent = 0;
};
