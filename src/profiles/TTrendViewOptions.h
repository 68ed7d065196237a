// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart's view options: margins, time span, grid and the smoothing factor.
#pragma once

#include "common/TColor.h"

#include <QObject>

class TTrendViewOptions : public QObject {
    Q_OBJECT
    // Scale of the drawing bitmap to the chart, and pen width of the curves on it;
    // values below 1 count as 1.
    Q_PROPERTY(int SmoothFactor READ SmoothFactor WRITE setSmoothFactor)
    // Margins of the plot inside the chart, in chart pixels.
    Q_PROPERTY(int XLeft READ XLeft WRITE setXLeft)
    Q_PROPERTY(int XRight READ XRight WRITE setXRight)
    Q_PROPERTY(int YTop READ YTop WRITE setYTop)
    Q_PROPERTY(int YBottom READ YBottom WRITE setYBottom)
    // Seconds across the plot's width; values below 1 count as 1.
    Q_PROPERTY(int XRatio READ XRatio WRITE setXRatio)
    // Number of horizontal grid lines.
    Q_PROPERTY(int YBigMarks READ YBigMarks WRITE setYBigMarks)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE setGridColor)
    // The chart's size, kept up to date by the chart; setting them changes no drawing.
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int IntWidth READ IntWidth)
    Q_PROPERTY(int IntHeight READ IntHeight)
    // Background of the plot and of the legend strip.
    Q_PROPERTY(TColor BackColor READ BackColor WRITE setBackColor)
    // False leaves the grid out.
    Q_PROPERTY(bool DrawGrid READ DrawGrid WRITE setDrawGrid)
    // Stored for profiles that set them; the chart draws no axes and no extra marks.
    Q_PROPERTY(TColor AxesColor READ AxesColor WRITE setAxesColor)
    Q_PROPERTY(int XBigMarks READ XBigMarks WRITE setXBigMarks)
    Q_PROPERTY(int XSmallMarks READ XSmallMarks WRITE setXSmallMarks)
    Q_PROPERTY(int YSmallMarks READ YSmallMarks WRITE setYSmallMarks)

public:
    // Beyond this the window's length no longer fits the 32-bit program clock arithmetic.
    static constexpr int MaxXRatio = 2'000'000;

    explicit TTrendViewOptions(QObject* parent = nullptr);

    int SmoothFactor() const { return m_smoothFactor; }
    void setSmoothFactor(int v) { changeTo(m_smoothFactor, v); }
    int XLeft() const { return m_xLeft; }
    void setXLeft(int v) { changeTo(m_xLeft, v); }
    int XRight() const { return m_xRight; }
    void setXRight(int v) { changeTo(m_xRight, v); }
    int YTop() const { return m_yTop; }
    void setYTop(int v) { changeTo(m_yTop, v); }
    int YBottom() const { return m_yBottom; }
    void setYBottom(int v) { changeTo(m_yBottom, v); }
    int XRatio() const { return m_xRatio; }
    void setXRatio(int v) { changeTo(m_xRatio, v); }
    int YBigMarks() const { return m_yBigMarks; }
    void setYBigMarks(int v) { changeTo(m_yBigMarks, v); }
    TColor GridColor() const { return m_gridColor; }
    void setGridColor(TColor v) { changeTo(m_gridColor, v); }
    int Width() const { return m_width; }
    void setWidth(int v) { m_width = v; }
    int Height() const { return m_height; }
    void setHeight(int v) { m_height = v; }
    int IntWidth() const { return m_width - m_xLeft - m_xRight; }
    int IntHeight() const { return m_height - m_yTop - m_yBottom; }
    TColor BackColor() const { return m_backColor; }
    void setBackColor(TColor v) { changeTo(m_backColor, v); }
    bool DrawGrid() const { return m_drawGrid; }
    void setDrawGrid(bool v) { changeTo(m_drawGrid, v); }
    TColor AxesColor() const { return m_axesColor; }
    void setAxesColor(TColor v) { changeTo(m_axesColor, v); }
    int XBigMarks() const { return m_xBigMarks; }
    void setXBigMarks(int v) { changeTo(m_xBigMarks, v); }
    int XSmallMarks() const { return m_xSmallMarks; }
    void setXSmallMarks(int v) { changeTo(m_xSmallMarks, v); }
    int YSmallMarks() const { return m_ySmallMarks; }
    void setYSmallMarks(int v) { changeTo(m_ySmallMarks, v); }

    // The factors the drawing uses: at least 1, the time span at most MaxXRatio.
    int smoothFactor() const { return m_smoothFactor < 1 ? 1 : m_smoothFactor; }
    int xRatio() const { return m_xRatio < 1 ? 1 : m_xRatio > MaxXRatio ? MaxXRatio : m_xRatio; }

signals:
    // A setting that the drawing depends on changed: the chart recomputes and repaints.
    void changed();

private:
    template <typename T> void changeTo(T& field, T value)
    {
        field = value;
        emit changed();
    }

    int m_smoothFactor = 2;
    int m_xLeft = 30;
    int m_xRight = 30;
    int m_yTop = 30;
    int m_yBottom = 30;
    int m_xRatio = 20;
    int m_yBigMarks = 16;
    TColor m_gridColor = clYellow;
    int m_width = 0;
    int m_height = 0;
    TColor m_backColor = clBlack;
    bool m_drawGrid = true;
    TColor m_axesColor = clWhite;
    int m_xBigMarks = 1;
    int m_xSmallMarks = 5;
    int m_ySmallMarks = 5;
};
