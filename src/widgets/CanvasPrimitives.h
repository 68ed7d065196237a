// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Drawing primitives in the terms the dial and needles are specified in: directions φ
// (0 down, 90 right, growing counterclockwise), arcs and pie wedges counterclockwise
// from a start to an end, coordinates rounded half to even before each call.
// Primitives whose coordinates are not finite or lie far outside any image are skipped.
#pragma once

#include <QPointF>
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
void pie(QPainter& p, QPointF centre, double radius, QPointF from, QPointF to);
// Rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded, with corner
// ellipses of the given size.
void roundRect(QPainter& p, double x1, double y1, double x2, double y2, double corner);
void circle(QPainter& p, QPointF centre, double radius);
// Text with its top-left corner at the point.
void textOut(QPainter& p, QPointF topLeft, const QString& text, int ascent);

} // namespace Canvas
