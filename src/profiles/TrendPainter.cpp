// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's bitmap.
#include "profiles/TrendPainter.h"

#include "profiles/TFordTrendItems.h"
#include "profiles/TTrendViewOptions.h"
#include "profiles/TrendScale.h"
#include "store/TFordData.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Cuts the segment to the rectangle (Liang–Barsky); false when nothing of it lies inside.
// The coordinates of old samples can lie millions of pixels to the left, which the
// rasteriser must never see.
bool clipSegment(QLineF& line, const QRectF& r)
{
    // Nearly every segment lies inside: it is taken as it is, without the divisions.
    const auto inside = [&r](QPointF p) {
        return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
    };
    if (inside(line.p1()) && inside(line.p2()))
        return true;
    double t0 = 0, t1 = 1;
    const double dx = line.dx(), dy = line.dy();
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
        r.bottom() - line.y1() };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF a = line.p1(), d(dx, dy);
    line = QLineF(a + d * t0, a + d * t1);
    return true;
}

// What one curve's walk through the history needs; the callback captures only a pointer
// to it, so no allocation is made per paint.
struct CurveWalk {
    QPainter* painter = nullptr;
    QRectF clip;
    const TrendGeometry* g = nullptr;
    TrendScale scale;
    uint32_t displayEnd = 0;
    int64_t span = 1; // XRatio in milliseconds
    uint8_t pid = 0;
    const TFordTrendItem* curve = nullptr;
    // Where the pauses crossed go; null for every curve but the first shown.
    std::vector<TrendPause>* pauses = nullptr;
    std::optional<uint32_t> previousTime;
    bool started = false;
    QPointF previous;
    float newest = std::numeric_limits<float>::quiet_NaN();
    // The connected stretch drawn so far, as one polyline: one call per stretch, not one
    // per sample, and a flat run (a steady value, or a value held on the plot's edge)
    // kept as its two ends.
    QPolygonF* run = nullptr;
    // The stretch is drawn as separate segments with square caps: Qt fills such lines
    // directly, where a polyline's joins go through its general stroker at several times
    // the cost. Where two segments meet at an angle, the caps cover the join; the bitmap
    // is averaged down by the pen's width, so the corner is less than a screen pixel.
    QList<QLineF>* segments = nullptr;

    void flush()
    {
        if (run->size() >= 2) {
            segments->clear();
            for (qsizetype i = 1; i < run->size(); ++i)
                segments->append(QLineF((*run)[i - 1], (*run)[i]));
            painter->drawLines(*segments);
        }
        run->clear();
    }

    void extend(const QLineF& line)
    {
        if (run->isEmpty() || run->last() != line.p1()) {
            flush();
            run->append(line.p1());
        }
        const qsizetype n = run->size();
        if (n >= 2 && (*run)[n - 1].y() == line.y2() && (*run)[n - 2].y() == line.y2())
            (*run)[n - 1] = line.p2();
        else
            run->append(line.p2());
    }

    void sample(uint32_t time, uint16_t raw, bool afterPause)
    {
        if (afterPause) {
            flush();
            started = false;
            if (pauses)
                pauses->push_back(TrendPause { previousTime, time });
        }
        previousTime = time;
        const int x = g->xr - mulDiv(int32_t(displayEnd - time), g->pw, span);
        const float v = float(curve->shown(TFordData::ShownValue(pid, raw)));
        // A value beyond the scale is drawn on the plot's edge: an overheating engine must
        // not vanish from the chart.
        const QPointF point(
            x, scale.rowOf(std::clamp<double>(v, scale.lo, scale.hi), g->y0, g->ph));
        newest = v;
        if (!started) {
            started = true;
        } else {
            QLineF line(previous, point);
            if (clipSegment(line, clip))
                extend(line);
            else
                flush();
        }
        previous = point;
    }
};

// The lower time bound for a walk: no earlier than the window's start, and no earlier than
// the time at the bitmap's left edge, whatever the window's start says.
int32_t lowerBound(const TrendFrame& frame, const TrendGeometry& g, int64_t span)
{
    int64_t lower = int64_t(frame.displayStart) - 500;
    if (g.pw > 0) {
        const int64_t leftEdge
            = int64_t(frame.displayEnd) - (int64_t(g.xr) * span + g.pw - 1) / g.pw;
        lower = std::max(lower, leftEdge - 500);
    }
    return int32_t(std::clamp<int64_t>(
        lower, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// A grid line, vertical or horizontal, one pixel wide, straight into the bitmap: from
// `from` up to `to` (left out), every pixel or, dotted, every third one, as Qt's dotted pen
// draws it. Qt's dasher took as long as the rest of the chart.
void gridLine(QImage& bitmap, QPoint from, QPoint to, QRgb colour, bool dotted)
{
    const int step = dotted ? 3 : 1;
    if (from.x() == to.x()) {
        if (from.x() < 0 || from.x() >= bitmap.width())
            return;
        const int end = std::min(to.y(), bitmap.height());
        for (int y = from.y(); y < end; y += step)
            if (y >= 0)
                reinterpret_cast<QRgb*>(bitmap.scanLine(y))[from.x()] = colour;
    } else {
        if (from.y() < 0 || from.y() >= bitmap.height())
            return;
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(from.y()));
        const int end = std::min(to.x(), bitmap.width());
        for (int x = from.x(); x < end; x += step)
            if (x >= 0)
                row[x] = colour;
    }
}

} // namespace

void TrendPainter::paint(QImage& bitmap, const TrendGeometry& g, const TTrendViewOptions& options,
    const TrendFrame& frame, const TFordTrendItems& curves, const TFordData* store,
    std::vector<float>& newest) const
{
    bitmap.fill(options.BackColor().toQColor(Qt::black));
    if (options.DrawGrid())
        paintGrid(bitmap, g, options, frame);

    newest.assign(size_t(curves.count()), std::numeric_limits<float>::quiet_NaN());
    m_pauses.clear();
    if (!store)
        return;
    QPainter painter(&bitmap);
    const int64_t span = std::max<int64_t>(1, frame.spanMs);
    const int32_t lower = lowerBound(frame, g, span);
    const uint32_t upper = uint32_t(std::min<int64_t>(int64_t(frame.displayEnd) + 500, UINT32_MAX));
    const double margin = 4.0 * g.k;
    const QRectF clip(-margin, -margin, bitmap.width() + 2 * margin, bitmap.height() + 2 * margin);
    bool pausesTaken = false;
    for (int i = 0; i < curves.count(); ++i) {
        const TFordTrendItem* curve = curves.at(i);
        if (!curve->Visible())
            continue;
        painter.setPen(QPen(curve->Color().toQColor(Qt::white), g.k, Qt::SolidLine, Qt::SquareCap));
        CurveWalk walk;
        walk.painter = &painter;
        walk.clip = clip;
        walk.g = &g;
        walk.scale = curveScale(*store, *curve);
        walk.curve = curve;
        // The curves of one stream pause together: the first one's pauses mark them all.
        walk.pauses = pausesTaken ? nullptr : &m_pauses;
        pausesTaken = true;
        walk.displayEnd = frame.displayEnd;
        walk.span = span;
        walk.pid = curve->PID();
        walk.run = &m_run;
        walk.segments = &m_segments;
        CurveWalk* w = &walk;
        store->ForEachSampleRun(
            curve->PID(), [w](const TSample& s) { w->sample(s.Time, s.Value, s.AfterPause); },
            upper, lower);
        walk.flush();
        newest[size_t(i)] = walk.newest;
    }
}

void TrendPainter::paintGrid(QImage& bitmap, const TrendGeometry& g,
    const TTrendViewOptions& options, const TrendFrame& frame) const
{
    const QRgb colour = options.GridColor().toQColor(Qt::yellow).rgb();

    // Vertical lines at the whole seconds of the system tick count, solid and dotted in turn.
    const int64_t span = std::max<int64_t>(1, frame.spanMs);
    const uint32_t t = frame.startTick + (frame.displayEnd - uint32_t(span));
    const int b = mulDiv((frame.startTick + frame.displayEnd) % 1000, g.pw, span);
    // More seconds than pixels would paint the plot solid and take as many steps as
    // seconds: then every n-th second gets its line.
    const int64_t seconds = (span + 999) / 1000;
    const int64_t step = g.pw > 0 && seconds > g.pw ? (seconds + g.pw - 1) / g.pw : 1;
    for (int64_t k = 0; k <= seconds; k += step) {
        const int x = g.xr - b - mulDiv(g.pw, k * 1000, span);
        if (x <= g.xLeft)
            break;
        gridLine(bitmap, QPoint(x, g.yTop), QPoint(x, g.y0), colour, !((t / 1000 + k) & 1));
    }

    // Horizontal lines, always dotted; lines closer than a pixel would all lie on the zero line.
    const int marks = options.YBigMarks();
    if (marks <= 0)
        return;
    const int rowStep = g.ph / marks;
    const int lines = rowStep > 0 ? marks : 1;
    for (int j = 0; j < lines; ++j) {
        const int y = g.y0 - j * rowStep;
        gridLine(bitmap, QPoint(g.xLeft, y), QPoint(g.xr, y), colour, true);
    }
}
