// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Draws the gauge's static dial (background, glow, arc, red zone, ticks, numbers,
// caption) into the dial image; everything that does not move with the values.
#pragma once

#include "widgets/GaugeModel.h"
#include "widgets/TGaugeGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>

struct TDialStyle {
    QColor background; // the gauge's Color, resolved
    QFont font; // the gauge's Font at the image scale
    QColor fontColor;
};

class TDialPainter {
public:
    // Most big and small tick lines that are drawn; more are reported, not drawn.
    static constexpr qint64 MaxTicks = 10000;

    // Draws the whole dial. Parts that cannot be computed (Max = Min, no tick intervals,
    // a zero label ratio, a format for no number) are left out and described in problems.
    static void draw(QImage& image, const TGaugeSettings& settings, const TGaugeGeometry& geometry,
        const TDialStyle& style, QStringList& problems);

    // The glow colour of ring i (0 is the outermost): moved toward the background by a
    // sixth of the difference per ring, per channel, the first step before ring 0.
    static QRgb glowColor(QRgb glow, QRgb background, qint64 ring);

private:
    static void drawGlow(
        QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g, const TDialStyle& style);
    static void drawTicks(
        QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g, QStringList& problems);
    static void drawCaption(QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g);
};
