// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart: the recent history of one or more PIDs as curves against time, read
// from an ECU data store at every paint, following the newest data or scrolled back with
// its own scroll bar. Curves are drawn on a bitmap SmoothFactor times larger and scaled
// down with averaging; the 100 pixels at the left hold the legend.
//
// The mouse: the wheel zooms the time axis around the pointer, a drag pans, a click puts
// cursor A and a right click cursor B (each curve's value at both and B - A are shown),
// Esc takes the cursors away, a double click follows the newest data again.
#pragma once

#include "profiles/TFordTrendItems.h"
#include "profiles/TTrendViewOptions.h"
#include "profiles/TrendGeometry.h"
#include "profiles/TrendNavigator.h"
#include "profiles/TrendPainter.h"
#include "profiles/TrendWindow.h"
#include "store/TFordData.h"
#include "widgets/FramePacer.h"
#include "widgets/StaticTextCache.h"
#include "widgets/TControl.h"
#include "widgets/WidgetProblems.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <vector>

class QScrollBar;

class TFordTrend : public TControl {
    Q_OBJECT
    // The store whose history is drawn.
    Q_PROPERTY(TFordData* DataManager READ DataManager WRITE setDataManager)
    // Left and right ends of the time window (program clock); recomputed at every paint.
    Q_PROPERTY(quint32 DisplayStart READ DisplayStart WRITE setDisplayStart)
    Q_PROPERTY(quint32 DisplayEnd READ DisplayEnd WRITE setDisplayEnd)
    // Follow the newest data while the scroll bar is at its right end.
    Q_PROPERTY(bool UpdateEnd READ UpdateEnd WRITE setUpdateEnd)
    Q_PROPERTY(TTrendViewOptions* ViewOptions READ ViewOptions CONSTANT)
    // Assigning copies the curves of the given collection; none is refused (reported).
    Q_PROPERTY(TFordTrendItems* Trends READ Trends WRITE assignTrends)
    // The axis curve, whose history bounds the window and the scroll range. A value above 0
    // and below the number of curves selects that curve; any other, 0 included, the last.
    Q_PROPERTY(int YAxisIndex READ YAxisIndex WRITE setYAxisIndex)
    // Stored for profiles that set it; the curves are always drawn on one plot.
    Q_PROPERTY(bool CombinedView READ CombinedView WRITE setCombinedView)

public:
    // Width of the strip at the left that holds the legend instead of the plot.
    static constexpr int LegendWidth = 100;

    explicit TFordTrend(QWidget* parent = nullptr);

    TFordData* DataManager() const { return m_store; }
    void setDataManager(TFordData* store);
    // A line across the plot at a moment of the store's clock (an alarm, in its colour);
    // a new store clears them. The oldest go beyond MaxMarkers.
    static constexpr size_t MaxMarkers = 1000;
    void addMarker(quint32 time, const QColor& colour);
    size_t markerCount() const { return m_markers.size(); }
    quint32 DisplayStart() const { return m_displayStart; }
    void setDisplayStart(quint32 time);
    quint32 DisplayEnd() const { return m_displayEnd; }
    void setDisplayEnd(quint32 time);
    bool UpdateEnd() const { return m_updateEnd; }
    void setUpdateEnd(bool follow);
    TTrendViewOptions* ViewOptions() const { return m_options; }
    TFordTrendItems* Trends() const { return m_trends; }
    void assignTrends(TFordTrendItems* trends);
    int YAxisIndex() const { return m_axisIndex; }
    void setYAxisIndex(int index);
    bool CombinedView() const { return m_combinedView; }
    void setCombinedView(bool combined);

    void message(TMessage& msg) override;
    // The drawing bitmap at the present size.
    qint64 imageBytes() const override;

    QScrollBar* scrollBar() const { return m_scroll; }
    // Draws the bitmap as a paint would (window, scroll range, grid, curves) and returns it;
    // null when the chart is too large to draw.
    const QImage& renderBitmap();
    const TrendGeometry& trendGeometry() const { return m_geometry; }
    // The newest value drawn of each curve at the last render (NaN: none).
    const std::vector<float>& newestValues() const { return m_newest; }
    // The stream's pauses inside the window at the last render, each marked on the chart.
    const std::vector<TrendPause>& pauses() const { return m_painter.pauses(); }
    // The system tick count at program start, which places the grid's whole seconds.
    void setStartTick(uint32_t tick) { m_startTick = tick; }

    // ---- Navigation and cursors (the mouse drives them; pages and replays call them) ----
    TrendNavigator& navigator() { return m_navigator; }
    // The window shown at the last render: its right end and its length.
    TrendPin shownWindow() const { return TrendPin { m_displayEnd, m_spanMs }; }
    // The horizontal mapping of the last render, in chart pixels.
    TrendTimeAxis timeAxis() const;
    // Moves the window by `windows` of its length (negative: back); forward past the
    // newest data the chart follows again.
    void page(double windows);
    // Follows the newest data again: no fixed window, the scroll bar at its end, UpdateEnd on.
    void followLatest();
    // Shows the history up to `end` (program clock) with the window's present length, and
    // stays there until followLatest() or the user moves it (a replay's seek point).
    void followUntil(quint32 end);
    // The value of curve `index` at time (none in a pause or before its history).
    std::optional<float> valueAt(int index, uint32_t time) const;

signals:
    // A render placed the window anew (it moves while following).
    void rendered();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void fontChanged() override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool hasAxisCurve() const;
    uint32_t now() const;
    void recomputeGeometry();
    void followSize();
    void paintLegend(QPainter& painter, int height);
    void paintTimeLabels(QPainter& painter, int height);
    // The chart, its legend and its time labels: all but the scroll bar under them.
    QRect plotArea() const;
    void paintMarkers(QPainter& painter, int height);
    std::vector<std::pair<quint32, QColor>> m_markers;
    void paintCursors(QPainter& painter, int height);
    void followBackColor();
    std::optional<TrendExtent> axisExtent() const;
    void scrolledByUser();
    // The shortest time between two paints that new values cause: ten a second. The chart
    // redraws all its history at every paint, values come hundreds of times a second, and a
    // curve scrolling a few pixels per frame needs no more.
    static constexpr int DataFrameMs = 100;

    QPointer<TFordData> m_store;
    // New readings repaint the chart above the scroll bar: the bar changes once a second at
    // most, and repainting it with the chart ten times a second costs as much as a gauge.
    FramePacer m_dataPacer { this, DataFrameMs, [this] { update(plotArea()); } };
    quint32 m_displayStart = 0;
    quint32 m_displayEnd = 0x7FFFFFFF;
    bool m_updateEnd = false;
    TTrendViewOptions* m_options;
    TFordTrendItems* m_trends;
    int m_axisIndex = -1;
    bool m_combinedView = true;
    QScrollBar* m_scroll;
    uint32_t m_startTick;
    TrendGeometry m_geometry;
    QSize m_geometrySize;
    TrendPainter m_painter;
    QImage m_bitmap;
    std::vector<float> m_newest;
    QColor m_scrollBack;
    QFont m_legendFont;
    QFontMetrics m_legendMetrics { QFont() };
    int m_timeLabelWidth = 0; // of "00:00:00" in the legend's font
    StaticTextCache m_texts; // the legend's and the time axis's labels
    TProblemLatch m_problems;
    TrendNavigator m_navigator;
    uint32_t m_spanMs = 20'000;
    // A press of the left button: where, and the window then; a move beyond a few pixels
    // makes it a drag.
    std::optional<QPointF> m_pressAt;
    TrendPin m_pressWindow;
    bool m_dragging = false;
    // Cursor A before the last click, given back when that click was half a double click.
    std::optional<uint32_t> m_cursorBeforeClick;
};
