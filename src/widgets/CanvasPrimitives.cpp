// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The drawing primitives of the dial and needles on QPainter.
#include "widgets/CanvasPrimitives.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace Canvas {

namespace {

    // Far beyond any image the gauge draws, close enough to keep the raster engine exact.
    constexpr double Limit = 1e6;

    bool usable(double v)
    {
        return std::isfinite(v) && std::fabs(v) < Limit;
    }

    bool usable(QPointF p)
    {
        return usable(p.x()) && usable(p.y());
    }

    QPointF rounded(QPointF p)
    {
        return QPointF(roundPixel(p.x()), roundPixel(p.y()));
    }

    // The bounding box of the circle, rounded as the drawing calls take it.
    QRectF box(QPointF centre, double radius)
    {
        const double l = roundPixel(centre.x() - radius), t = roundPixel(centre.y() - radius);
        const double r = roundPixel(centre.x() + radius), b = roundPixel(centre.y() + radius);
        return QRectF(l, t, r - l, b - t);
    }

    // The device pixels a shape within `shape` may change: its outline's pen reaches half
    // its width beyond, and the rasteriser a pixel more.
    QRect touched(const QPainter& p, const QRectF& shape)
    {
        const double reach = std::max(1.0, p.pen().style() == Qt::NoPen ? 0.0 : p.pen().widthF());
        return p.transform()
            .mapRect(shape.adjusted(-reach, -reach, reach, reach))
            .toAlignedRect()
            .adjusted(-1, -1, 1, 1);
    }

    // A counterclockwise span from a to b in degrees, in (0, 360]; equal ends give a full turn.
    double ccwSpan(double a, double b)
    {
        double span = std::fmod(b - a, 360.0);
        if (span <= 0)
            span += 360.0;
        return span;
    }

    // Qt measures angles counterclockwise from three o'clock; φ = 0 points down.
    int qtAngle16(double phi)
    {
        return int(std::lround((phi - 90.0) * 16.0));
    }

} // namespace

double roundPixel(double v)
{
    return std::nearbyint(v);
}

void arc(QPainter& p, QPointF centre, double radius, double fromPhi, double toPhi)
{
    if (!usable(centre) || !usable(radius) || radius < 0 || !usable(fromPhi) || !usable(toPhi))
        return;
    p.drawArc(
        box(centre, radius), qtAngle16(fromPhi), int(std::lround(ccwSpan(fromPhi, toPhi) * 16.0)));
}

void line(QPainter& p, QPointF from, QPointF to)
{
    if (usable(from) && usable(to))
        p.drawLine(rounded(from), rounded(to));
}

QRect pie(QPainter& p, QPointF centre, double radius, QPointF from, QPointF to)
{
    if (!usable(centre) || !usable(radius) || radius < 0 || !usable(from) || !usable(to))
        return {};
    const QRectF rect = box(centre, radius);
    const QPointF c = rect.center();
    const QPointF a = rounded(from), b = rounded(to);
    const auto phi
        = [&](QPointF q) { return std::atan2(q.x() - c.x(), q.y() - c.y()) * 180.0 / M_PI; };
    const double start = phi(a), end = phi(b);
    const int startAngle = qtAngle16(start);
    const int spanAngle = int(std::lround(ccwSpan(start, end) * 16.0));
    p.drawPie(rect, startAngle, spanAngle);
    // The wedge's outline, as the painter builds it; a narrow wedge covers a sliver of its
    // circle's box.
    QPainterPath outline(c);
    outline.arcTo(rect, startAngle / 16.0, spanAngle / 16.0);
    outline.closeSubpath();
    return touched(p, outline.boundingRect());
}

QRect roundRect(QPainter& p, double x1, double y1, double x2, double y2, double corner)
{
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2))
        return {};
    x1 = roundPixel(x1), y1 = roundPixel(y1), x2 = roundPixel(x2), y2 = roundPixel(y2);
    const QRectF rect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    p.drawRoundedRect(rect, corner / 2, corner / 2);
    return touched(p, rect);
}

QRect circle(QPainter& p, QPointF centre, double radius)
{
    if (!usable(centre) || !usable(radius) || radius < 0)
        return {};
    const QRectF rect = box(centre, radius).adjusted(0, 0, -1, -1);
    p.drawEllipse(rect);
    return touched(p, rect);
}

void textOut(QPainter& p, QPointF topLeft, const QString& text, int ascent)
{
    if (!usable(topLeft) || text.isEmpty())
        return;
    const QPointF at = rounded(topLeft);
    p.drawText(QPointF(at.x(), at.y() + ascent), text);
}

} // namespace Canvas
