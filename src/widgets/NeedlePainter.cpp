// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The needle, label and cap drawing.
#include "widgets/NeedlePainter.h"

#include "widgets/CanvasPrimitives.h"

#include <QPainter>
#include <cmath>

QRect TNeedlePainter::drawNeedle(QPainter& p, const TGaugeGeometry& g, const TNeedle& needle)
{
    if (!needle.placed())
        return {};
    const double theta = degToRad(g.dir() * needle.angle);
    const double h = degToRad(needle.ArrowAngle / 2.0);
    // The back points lie at the needle's length in control pixels behind the centre, so
    // the wedge narrows with SmoothFactor; the screen's pixel ratio does not change its look.
    const double back = needle.ArrowRadius * g.pixelRatio();
    const QPointF tip(g.cx() + needle.tipX, g.cy() + needle.tipY);
    const QPointF p1(g.cx() - back * std::sin(theta + h), g.cy() - back * std::cos(theta + h));
    const QPointF p2(g.cx() - back * std::sin(theta - h), g.cy() - back * std::cos(theta - h));
    p.setPen(QPen(needle.ArrowColor.toQColor(Qt::gray), g.scale(), Qt::SolidLine, Qt::RoundCap,
        Qt::RoundJoin));
    p.setBrush(needle.ArrowBack.toQColor(Qt::white));
    return Canvas::pie(p, tip, 1.1 * needle.ArrowRadius * g.scale(), p2, p1);
}

QRect TNeedlePainter::drawLabel(QPainter& p, const TGaugeGeometry& g, const TNeedle& needle,
    const QFont& font, const QColor& textColor, const QColor& fill)
{
    if (needle.labelText.isEmpty())
        return {};
    const double px = g.pixelRatio();
    const double lx = needle.ValueLabelX * g.scale(), ly = needle.ValueLabelY * g.scale();
    const int w2 = needle.labelSize.width() / 2, h2 = needle.labelSize.height() / 2;
    p.setPen(QPen(textColor, px));
    p.setBrush(fill);
    const QRect box = Canvas::roundRect(
        p, lx - w2 - 15 * px, ly - h2 - 5 * px, lx + w2 + 15 * px, ly + h2 + 5 * px, 15 * px);
    p.setFont(font);
    const QPointF topLeft(Canvas::roundPixel(lx - w2), Canvas::roundPixel(ly - h2));
    const QRectF text(topLeft, QSizeF(needle.labelSize));
    p.fillRect(text, fill);
    Canvas::textOut(p, topLeft, needle.labelText, needle.labelAscent);
    // A glyph may reach past its advance by a few pixels (an italic's slant); the text's
    // box then still lies within the label's frame, which leaves 15 pixels on each side.
    return box | text.toAlignedRect().adjusted(-h2, -h2, h2, h2);
}

QRect TNeedlePainter::drawCap(QPainter& p, const TGaugeGeometry& g, int radius,
    const QColor& outline, const QColor& fill, double penWidth)
{
    if (radius <= 0)
        return {};
    p.setPen(QPen(outline, penWidth));
    p.setBrush(fill);
    return Canvas::circle(p, { g.cx(), g.cy() }, radius * g.scale());
}
