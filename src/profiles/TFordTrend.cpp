// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The trend chart.
#include "profiles/TFordTrend.h"

#include "common/FloatFormat.h"
#include "common/ProgramClock.h"
#include "common/Texts.h"
#include "profiles/TrendScale.h"
#include "profiles/TrendTimeTicks.h"
#include "widgets/SmoothBlit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// A scale end as short as it can be told: whole numbers from 100 on, else three digits.
QString scaleNumber(double v)
{
    return std::fabs(v) >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'g', 3);
}

// A laid-out text drawn from `x`, centred in the height of `row`.
void drawInRow(QPainter& painter, int x, const QRect& row, const QStaticText& text)
{
    painter.drawStaticText(QPointF(x, row.top() + (row.height() - text.size().height()) / 2), text);
}

// A reading as the legend and the cursors show it; "---" for none.
QString readingText(std::optional<float> v)
{
    if (!v || std::isnan(*v))
        return QStringLiteral("---");
    return formatFloat(QLatin1String(std::fabs(*v) < 100 ? "%.1f" : "%.0f"), *v);
}

// One notch of the wheel lengthens or shortens the window by a quarter.
constexpr double ZoomPerNotch = 1.25;
// A press that moves no further than this is a click, not a drag.
constexpr int DragThreshold = 4;

} // namespace

TFordTrend::TFordTrend(QWidget* parent)
    : TControl(parent)
    , m_options(new TTrendViewOptions(this))
    , m_trends(new TFordTrendItems(this))
    , m_startTick(ProgramClock::startTick())
{
    // The chart covers its whole area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(objectName() + QStringLiteral("_Scroll"));
    m_scroll->setRange(0, 0);
    // Only the user's moves repaint: the paint itself sets range and position.
    connect(m_scroll, &QScrollBar::actionTriggered, this, [this] { scrolledByUser(); });
    connect(m_scroll, &QScrollBar::sliderMoved, this, [this] { scrolledByUser(); });
    setFocusPolicy(Qt::ClickFocus);
    connect(m_options, &TTrendViewOptions::changed, this, [this] {
        recomputeGeometry();
        followBackColor();
        update();
    });
    resize(200, 100);
    recomputeGeometry();
    followBackColor();
    fontChanged();
}

// A light scroll bar glares under a black plot: on a dark background it is drawn dark.
void TFordTrend::followBackColor()
{
    const QColor back = m_options->BackColor().toQColor(Qt::black);
    if (back == m_scrollBack)
        return;
    m_scrollBack = back;
    if (back.lightness() >= 128) {
        m_scroll->setPalette(QPalette());
        return;
    }
    const auto mix = [&](int grey, double share) {
        return QColor::fromRgbF(float(back.redF() * (1 - share) + grey / 255.0 * share),
            float(back.greenF() * (1 - share) + grey / 255.0 * share),
            float(back.blueF() * (1 - share) + grey / 255.0 * share));
    };
    QPalette palette = m_scroll->palette();
    for (const QPalette::ColorGroup group :
        { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        palette.setColor(group, QPalette::Window, mix(128, 0.15));
        palette.setColor(group, QPalette::Base, mix(128, 0.1));
        palette.setColor(group, QPalette::Button, mix(160, 0.35));
        palette.setColor(group, QPalette::Light, mix(200, 0.45));
        palette.setColor(group, QPalette::Midlight, mix(180, 0.4));
        palette.setColor(group, QPalette::Mid, mix(128, 0.3));
        palette.setColor(group, QPalette::Dark, mix(96, 0.25));
        palette.setColor(group, QPalette::Shadow, back);
        palette.setColor(group, QPalette::ButtonText, mix(220, 0.7));
        palette.setColor(group, QPalette::WindowText, mix(220, 0.7));
    }
    m_scroll->setPalette(palette);
}

void TFordTrend::fontChanged()
{
    m_legendFont = Font()->toQFont();
    m_legendMetrics = QFontMetrics(m_legendFont);
    m_timeLabelWidth = m_legendMetrics.horizontalAdvance(QStringLiteral("00:00:00"));
    update();
}

// A new store (a replay's, or the live one back) has a history of its own: the window follows
// it from its newest data, the cursors go, and the shown curves record in it as they did in
// the old one.
void TFordTrend::setDataManager(TFordData* store)
{
    const bool swapped = m_store && store && store != m_store;
    m_store = store;
    if (swapped)
        m_markers.clear();
    if (swapped) {
        m_navigator.follow();
        m_navigator.clearCursors();
        m_scroll->setValue(m_scroll->maximum());
        for (int i = 0; i < m_trends->count(); ++i)
            if (m_trends->at(i)->Visible())
                store->PidLimits(m_trends->at(i)->PID()).RecordHistory = true;
    }
    update();
}

void TFordTrend::setDisplayStart(quint32 time)
{
    m_displayStart = time;
    update();
}

void TFordTrend::setDisplayEnd(quint32 time)
{
    m_displayEnd = time;
    update();
}

void TFordTrend::setUpdateEnd(bool follow)
{
    m_updateEnd = follow;
    update();
}

void TFordTrend::assignTrends(TFordTrendItems* trends)
{
    if (!trends) {
        m_problems.report(this, Texts::text(Texts::TrendTrendsNone));
        return;
    }
    m_trends->assign(*trends);
}

void TFordTrend::setYAxisIndex(int index)
{
    const int count = m_trends->count();
    m_axisIndex = index > 0 && index < count ? index : count - 1;
    update();
}

void TFordTrend::setCombinedView(bool combined)
{
    m_combinedView = combined;
    update();
}

void TFordTrend::message(TMessage& msg)
{
    if (msg.type() == Msg::WM_PID_CHANGED) {
        const quint8 pid = quint8(msg.WParam & 0xFF);
        for (int i = 0; i < m_trends->count(); ++i) {
            if (m_trends->at(i)->PID() == pid) {
                m_dataPacer.request();
                return;
            }
        }
    } else if (msg.type() == Msg::WM_SLOTS_CLEARED && m_store) {
        // Recording goes on again for every PID that a shown curve draws.
        for (int i = 0; i < m_trends->count(); ++i) {
            const TFordTrendItem* curve = m_trends->at(i);
            if (curve->Visible())
                m_store->PidLimits(curve->PID()).RecordHistory = true;
        }
    }
}

qint64 TFordTrend::imageBytes() const
{
    const QSize bitmap
        = TrendGeometry::compute(*m_options, size(), m_scroll->sizeHint().height()).bitmap;
    return qint64(bitmap.width()) * bitmap.height() * 4;
}

bool TFordTrend::hasAxisCurve() const
{
    return m_axisIndex >= 0 && m_axisIndex < m_trends->count();
}

uint32_t TFordTrend::now() const
{
    return m_store ? m_store->now() : ProgramClock::now();
}

void TFordTrend::recomputeGeometry()
{
    m_geometry = TrendGeometry::compute(*m_options, size(), m_scroll->sizeHint().height());
    m_geometrySize = size();
}

// A hidden widget gets its resize event only when shown: a render before that catches up here.
void TFordTrend::followSize()
{
    const int barHeight = m_scroll->sizeHint().height();
    m_scroll->setGeometry(0, height() - barHeight, width(), barHeight);
    m_options->setWidth(width());
    m_options->setHeight(height());
    recomputeGeometry();
}

void TFordTrend::resizeEvent(QResizeEvent* e)
{
    followSize();
    TControl::resizeEvent(e);
}

const QImage& TFordTrend::renderBitmap()
{
    if (m_geometrySize != size())
        followSize();
    if (!m_geometry.bitmapFits) {
        m_problems.report(this,
            Texts::text(Texts::TrendTooLarge)
                .arg(width())
                .arg(height())
                .arg(m_options->smoothFactor()));
        m_bitmap = QImage();
        return m_bitmap;
    }
    if (m_bitmap.size() != m_geometry.bitmap)
        m_bitmap = QImage(m_geometry.bitmap, QImage::Format_RGB32);

    TrendWindowInput input;
    input.updateEnd = m_updateEnd;
    input.atEnd = m_scroll->value() == m_scroll->maximum();
    input.xRatio = m_options->xRatio();
    input.now = now();
    if (hasAxisCurve() && m_store) {
        const quint8 pid = m_trends->at(m_axisIndex)->PID();
        input.axis = TrendAxisTimes { m_store->FirstSampleTime(pid), m_store->LastSampleTime(pid) };
    }
    input.position = m_scroll->value();
    input.pinned = m_navigator.pin();
    const TrendWindow window = computeTrendWindow(input);
    if (window.scrollMax)
        m_scroll->setRange(0, *window.scrollMax);
    m_displayStart = window.displayStart;
    m_displayEnd = window.displayEnd;
    m_spanMs = window.spanMs;
    if (window.moveToEnd)
        m_scroll->setValue(m_scroll->maximum());
    else if (window.scrollValue)
        m_scroll->setValue(*window.scrollValue);

    m_painter.paint(m_bitmap, m_geometry, *m_options,
        TrendFrame { m_displayStart, m_displayEnd, m_startTick, m_spanMs }, *m_trends, m_store,
        m_newest);
    return m_bitmap;
}

QRect TFordTrend::plotArea() const
{
    return QRect(0, 0, width(), height() - m_scroll->height());
}

void TFordTrend::paintEvent(QPaintEvent*)
{
    m_dataPacer.painted();
    QPainter painter(this);
    const int plotHeight = plotArea().height();
    const QRect target(LegendWidth, 0, width() - LegendWidth, plotHeight);
    const QImage& bitmap = renderBitmap();
    if (bitmap.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    if (m_geometry.k == 1)
        painter.drawImage(target, bitmap);
    else
        smoothBlit(painter, target, bitmap);
    paintMarkers(painter, plotHeight);
    paintTimeLabels(painter, plotHeight);
    paintLegend(painter, plotHeight);
    paintCursors(painter, plotHeight);
    emit rendered();
}

void TFordTrend::addMarker(quint32 time, const QColor& colour)
{
    if (m_markers.size() >= MaxMarkers)
        m_markers.erase(m_markers.begin());
    m_markers.emplace_back(time, colour);
    update();
}

void TFordTrend::paintMarkers(QPainter& painter, int height)
{
    const TrendTimeAxis axis = timeAxis();
    const quint32 start = axis.displayEnd > axis.spanMs ? axis.displayEnd - axis.spanMs : 0;
    // A pause: a veiled stretch from the last value before it, and a dashed line where
    // the stream came back, so that a gap is not read as a lost curve.
    const QColor pauseColour = m_options->GridColor().toQColor(Qt::gray).lighter(200);
    QColor veil = pauseColour;
    veil.setAlpha(48);
    const QString text = Texts::text(Texts::TrendPauseMark);
    painter.setPen(QPen(pauseColour, 1, Qt::DashLine));
    painter.setFont(m_legendFont);
    for (const TrendPause& pause : m_painter.pauses()) {
        const int after = int(std::lround(axis.xAt(pause.after)));
        painter.drawLine(after, 0, after, height);
        // Where the pause began is known only when a value before it is in the window.
        if (!pause.before)
            continue;
        const int before = std::max(LegendWidth, int(std::lround(axis.xAt(*pause.before))));
        const QRect gap(QPoint(before, 0), QPoint(after - 1, height - 1));
        painter.fillRect(gap, veil);
        if (gap.width() > m_legendMetrics.horizontalAdvance(text) + 4)
            painter.drawText(gap.adjusted(2, 2, -2, 0), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (const auto& [time, colour] : m_markers) {
        if (time < start || time > axis.displayEnd)
            continue;
        const int x = int(std::lround(axis.xAt(time)));
        painter.fillRect(QRect(x - 1, 0, 2, height), colour);
    }
}

// Times under the plot, on a dark box each so that curves behind stay apart from them: the
// clock's for the live stream, from the start for a recording.
void TFordTrend::paintTimeLabels(QPainter& painter, int height)
{
    if (!m_store)
        return;
    const QFontMetrics& metrics = m_legendMetrics;
    static const ClockOrigin programStart = clockOrigin(ProgramClock::startWallTime());
    const std::optional<ClockOrigin> origin
        = m_store->followsProgramClock() ? std::optional(programStart) : std::nullopt;
    const QRect plot(LegendWidth, 0, width() - LegendWidth, height);
    painter.setFont(m_legendFont);
    const QColor text = m_options->GridColor().toQColor(Qt::gray).lighter(250);
    for (const TrendTimeTick& tick : trendTimeTicks(timeAxis(), 2 * m_timeLabelWidth, origin)) {
        const QStaticText label = m_texts.text(tick.Text, m_legendFont);
        QRect box(0, 0, int(std::ceil(label.size().width())) + 4, metrics.height());
        box.moveCenter(QPoint(int(tick.X), height - metrics.height() / 2 - 1));
        if (!plot.contains(box))
            continue;
        painter.fillRect(box, QColor(0, 0, 0, 160));
        painter.setPen(text);
        drawInRow(painter, box.left() + 2, box, label);
        painter.drawLine(int(tick.X), box.top() - 3, int(tick.X), box.top() - 1);
    }
}

// The strip at the left names each shown curve in its colour, with its newest value.
void TFordTrend::paintLegend(QPainter& painter, int height)
{
    const QRect strip(0, 0, LegendWidth, height);
    painter.fillRect(strip, m_options->BackColor().toQColor(Qt::black));
    painter.setFont(m_legendFont);
    const QFontMetrics& metrics = m_legendMetrics;
    const int lineHeight = metrics.height();
    int y = 4;
    for (int i = 0; i < m_trends->count() && y + 2 * lineHeight <= height; ++i) {
        const TFordTrendItem* curve = m_trends->at(i);
        if (!curve->Visible())
            continue;
        painter.setPen(curve->Color().toQColor(Qt::white));
        const QRect line(4, y, LegendWidth - 8, lineHeight);
        drawInRow(painter, line.left(), line,
            m_texts.text(curve->displayName(), m_legendFont, line.width()));
        const QStaticText value = m_texts.text(
            readingText(
                size_t(i) < m_newest.size() ? std::optional(m_newest[size_t(i)]) : std::nullopt),
            m_legendFont);
        const int valueWidth = int(std::ceil(value.size().width()));
        const QRect second = line.translated(0, lineHeight);
        drawInRow(painter, second.right() + 1 - valueWidth, second, value);
        // The curve's scale beside its value, so that a line can be read off the plot.
        if (m_store) {
            const TrendScale scale = curveScale(*m_store, *curve);
            const QString range = scaleNumber(scale.lo) + QChar(0x2026) + scaleNumber(scale.hi);
            const int room = second.width() - valueWidth - 4;
            if (room > 0)
                drawInRow(painter, second.left(), second, m_texts.text(range, m_legendFont, room));
        }
        y += 2 * lineHeight + 4;
    }
}

// ---- Navigation and cursors -----------------------------------------------------------------

TrendTimeAxis TFordTrend::timeAxis() const
{
    // The bitmap is drawn into the chart right of the legend, squeezed to that width.
    const double scale = m_bitmap.isNull() || m_bitmap.width() == 0
        ? 1.0 / m_geometry.k
        : double(width() - LegendWidth) / m_bitmap.width();
    TrendTimeAxis axis;
    axis.left = LegendWidth + m_geometry.xLeft * scale;
    axis.right = LegendWidth + m_geometry.xr * scale;
    axis.displayEnd = m_displayEnd;
    axis.spanMs = m_spanMs;
    return axis;
}

std::optional<TrendExtent> TFordTrend::axisExtent() const
{
    if (!hasAxisCurve() || !m_store)
        return std::nullopt;
    const quint8 pid = m_trends->at(m_axisIndex)->PID();
    return TrendExtent { m_store->FirstSampleTime(pid), m_store->LastSampleTime(pid) };
}

void TFordTrend::page(double windows)
{
    m_navigator.page(shownWindow(), windows, axisExtent());
    if (m_navigator.following())
        followLatest();
    update();
}

void TFordTrend::followLatest()
{
    m_navigator.follow();
    m_updateEnd = true;
    m_scroll->setValue(m_scroll->maximum());
    update();
}

void TFordTrend::followUntil(quint32 end)
{
    m_navigator.pinAt(end, m_spanMs);
    update();
}

std::optional<float> TFordTrend::valueAt(int index, uint32_t time) const
{
    if (!m_store || index < 0 || index >= m_trends->count())
        return std::nullopt;
    const TFordTrendItem* curve = m_trends->at(index);
    const std::optional<float> value = trendValueAt(*m_store, curve->PID(), time);
    return value ? std::optional(float(curve->shown(*value))) : std::nullopt;
}

// A move of the scroll bar by the user: a fixed window goes where the bar says.
void TFordTrend::scrolledByUser()
{
    if (const std::optional<TrendExtent> extent = axisExtent(); extent && m_navigator.pin()) {
        const int64_t start = int64_t(extent->first) + int64_t(m_scroll->sliderPosition()) * 1000;
        m_navigator.pinAt(uint32_t(start + m_spanMs), m_spanMs);
    }
    update();
}

void TFordTrend::wheelEvent(QWheelEvent* e)
{
    const int notches = e->angleDelta().y();
    if (notches == 0) {
        e->ignore();
        return;
    }
    const TrendTimeAxis axis = timeAxis();
    const double x = std::clamp(e->position().x(), axis.left, axis.right);
    // Away from the user (positive) zooms in.
    m_navigator.zoom(shownWindow(), axis.timeAt(x), std::pow(ZoomPerNotch, -notches / 120.0));
    e->accept();
    update();
}

void TFordTrend::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        m_pressAt = e->position();
        m_pressWindow = shownWindow();
        m_dragging = false;
    }
    e->accept();
}

void TFordTrend::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_pressAt || !(e->buttons() & Qt::LeftButton))
        return;
    const double dx = e->position().x() - m_pressAt->x();
    if (!m_dragging && std::abs(dx) < DragThreshold)
        return;
    m_dragging = true;
    // The data moves with the pointer: a drag to the right shows older data.
    const TrendTimeAxis axis = timeAxis();
    m_navigator.pan(m_pressWindow, -std::llround(dx * axis.msPerPixel()));
    update();
}

void TFordTrend::mouseReleaseEvent(QMouseEvent* e)
{
    const double x = e->position().x();
    const TrendTimeAxis axis = timeAxis();
    const bool onPlot = x >= axis.left && x <= axis.right;
    if (e->button() == Qt::LeftButton && m_pressAt && !m_dragging && onPlot) {
        m_cursorBeforeClick = m_navigator.cursorA;
        m_navigator.cursorA = axis.timeAt(x);
        update();
    } else if (e->button() == Qt::RightButton && onPlot) {
        m_navigator.cursorB = axis.timeAt(x);
        update();
    }
    if (e->button() == Qt::LeftButton) {
        m_pressAt.reset();
        m_dragging = false;
    }
    e->accept();
}

void TFordTrend::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    // The first click of the pair placed cursor A: that was not meant.
    m_navigator.cursorA = m_cursorBeforeClick;
    followLatest();
    e->accept();
}

void TFordTrend::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && (m_navigator.cursorA || m_navigator.cursorB)) {
        m_navigator.clearCursors();
        update();
        e->accept();
        return;
    }
    TControl::keyPressEvent(e);
}

// The cursor lines over the plot, and a box with each shown curve's value at A and B and
// the difference B - A.
void TFordTrend::paintCursors(QPainter& painter, int height)
{
    const std::optional<uint32_t> a = m_navigator.cursorA, b = m_navigator.cursorB;
    if (!a && !b)
        return;
    const TrendTimeAxis axis = timeAxis();
    painter.setFont(m_legendFont);
    const QFontMetrics& metrics = m_legendMetrics;
    const auto line = [&](std::optional<uint32_t> t, const QColor& color, const QString& name) {
        if (!t)
            return;
        const double x = axis.xAt(*t);
        if (x < axis.left || x > axis.right)
            return;
        painter.setPen(QPen(color, 1, Qt::DashLine));
        painter.drawLine(QPointF(x, 0), QPointF(x, height));
        // Named at the bottom: the box of readings takes the top.
        painter.drawText(QPointF(x + 3, height - metrics.descent() - 2), name);
    };
    const QColor colorA(255, 255, 255), colorB(255, 160, 64);
    line(a, colorA, QStringLiteral("A"));
    line(b, colorB, QStringLiteral("B"));

    // Rows: a header with the times, then one row per shown curve.
    const QString dash = QStringLiteral("—");
    QStringList names { QString() }, atA { QStringLiteral("A") }, atB { QStringLiteral("B") },
        diff { QStringLiteral("B−A") };
    QList<QColor> colors { QColor(200, 200, 200) };
    for (int i = 0; i < m_trends->count(); ++i) {
        const TFordTrendItem* curve = m_trends->at(i);
        if (!curve->Visible())
            continue;
        const std::optional<float> va = a ? valueAt(i, *a) : std::nullopt;
        const std::optional<float> vb = b ? valueAt(i, *b) : std::nullopt;
        names.append(curve->displayName());
        atA.append(readingText(va));
        atB.append(readingText(vb));
        diff.append(va && vb ? readingText(*vb - *va) : dash);
        colors.append(curve->Color().toQColor(Qt::white));
    }
    if (a && b) {
        names.append(Texts::text(Texts::TrendCursorTime));
        atA.append(QString());
        atB.append(QString());
        diff.append(QString::number((double(*b) - double(*a)) / 1000.0, 'f', 2));
        colors.append(QColor(200, 200, 200));
    }
    const auto columnWidth = [&](const QStringList& texts) {
        int w = 0;
        for (const QString& t : texts)
            w = std::max(w, metrics.horizontalAdvance(t));
        return w + 10;
    };
    const int nameWidth = std::min(columnWidth(names), 140);
    const int wa = columnWidth(atA), wb = columnWidth(atB), wd = columnWidth(diff);
    const int rowHeight = metrics.height();
    const QRect box(
        int(axis.left) + 4, 4, nameWidth + wa + wb + wd + 8, int(names.size()) * rowHeight + 6);
    painter.fillRect(box, QColor(0, 0, 0, 190));
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    for (int r = 0; r < names.size(); ++r) {
        const int y = box.top() + 3 + r * rowHeight;
        int x = box.left() + 4;
        painter.setPen(colors[r]);
        painter.drawText(QRect(x, y, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(names[r], Qt::ElideRight, nameWidth - 4));
        x += nameWidth;
        for (const auto& [texts, w] :
            { std::pair(&atA, wa), std::pair(&atB, wb), std::pair(&diff, wd) }) {
            painter.drawText(
                QRect(x, y, w, rowHeight), Qt::AlignRight | Qt::AlignVCenter, (*texts)[r]);
            x += w;
        }
    }
}
