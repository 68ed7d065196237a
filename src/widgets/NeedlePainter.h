// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Draws what moves on the gauge at each paint: needle wedges, their value labels and
// the centre cap, onto the frame image over the cached dial.
#pragma once

#include "widgets/GaugeModel.h"
#include "widgets/TGaugeGeometry.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

// Each returns the pixels of the image it may have changed: all else is the dial's.
class TNeedlePainter {
public:
    // The slim wedge with its point at the needle's tip; nothing for an unplaced needle.
    static QRect drawNeedle(QPainter& p, const TGaugeGeometry& g, const TNeedle& needle);
    // The boxed value label from the needle's cached text and size; font at image scale.
    static QRect drawLabel(QPainter& p, const TGaugeGeometry& g, const TNeedle& needle,
        const QFont& font, const QColor& textColor, const QColor& fill);
    // The cap over the centre, with the pen width the previous step left.
    static QRect drawCap(QPainter& p, const TGaugeGeometry& g, int radius, const QColor& outline,
        const QColor& fill, double penWidth);
};
