// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Drawing primitives in the terms the dial and needles are specified in: directions φ
// (0 down, 90 right, growing counterclockwise), arcs and pie wedges counterclockwise
// from a start to an end, coordinates rounded half to even before each call.
// Primitives whose coordinates are not finite or lie far outside any image are skipped.
// The shapes return the device pixels they may have changed (empty when skipped), so that
// a caller can put back only those.
#pragma once

#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;

namespace Canvas {

// Rounds to whole pixels, halves to even.
double roundPixel(double v);

// Stroke along the circle from direction fromPhi counterclockwise to toPhi.
void arc(QPainter& p, QPointF centre, double radius, double fromPhi, double toPhi);
void line(QPainter& p, QPointF from, QPointF to);
// Filled sector of the circle around centre, from the radius through `from`
// counterclockwise to the radius through `to`.
QRect pie(QPainter& p, QPointF centre, double radius, QPointF from, QPointF to);
// Rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded, with corner
// ellipses of the given size.
QRect roundRect(QPainter& p, double x1, double y1, double x2, double y2, double corner);
QRect circle(QPainter& p, QPointF centre, double radius);
// Text with its top-left corner at the point.
void textOut(QPainter& p, QPointF topLeft, const QString& text, int ascent);

} // namespace Canvas
