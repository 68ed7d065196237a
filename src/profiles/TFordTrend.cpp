// The trend chart.
#include "profiles/TFordTrend.h"

#include "common/FloatFormat.h"
#include "common/ProgramClock.h"
#include "common/Texts.h"
#include "profiles/TrendScale.h"
#include "widgets/SmoothBlit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace {

// A scale end as short as it can be told: whole numbers from 100 on, else three digits.
QString scaleNumber(double v)
{
    return std::fabs(v) >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'g', 3);
}

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
    connect(m_scroll, &QScrollBar::actionTriggered, this, [this] { update(); });
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
    update();
}

void TFordTrend::setDataManager(TFordData* store)
{
    m_store = store;
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
                update();
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
    const TrendWindow window = computeTrendWindow(input);
    if (window.scrollMax)
        m_scroll->setRange(0, *window.scrollMax);
    m_displayStart = window.displayStart;
    m_displayEnd = window.displayEnd;
    if (window.moveToEnd)
        m_scroll->setValue(m_scroll->maximum());

    m_painter.paint(m_bitmap, m_geometry, *m_options,
        TrendFrame { m_displayStart, m_displayEnd, m_startTick }, *m_trends, m_store, m_newest);
    return m_bitmap;
}

void TFordTrend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int plotHeight = height() - m_scroll->height();
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
    paintLegend(painter, plotHeight);
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
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(curve->displayName(), Qt::ElideRight, line.width()));
        const float value = size_t(i) < m_newest.size() ? m_newest[size_t(i)] : NAN;
        const QString text = std::isnan(value)
            ? QStringLiteral("---")
            : formatFloat(QLatin1String(std::fabs(value) < 100 ? "%.1f" : "%.0f"), value);
        const QRect second = line.translated(0, lineHeight);
        painter.drawText(second, Qt::AlignRight | Qt::AlignVCenter, text);
        // The curve's scale beside its value, so that a line can be read off the plot.
        if (m_store) {
            const TrendScale scale = trendScale(*m_store, curve->PID());
            const QString range = scaleNumber(scale.lo) + QChar(0x2026) + scaleNumber(scale.hi);
            const int room = second.width() - metrics.horizontalAdvance(text) - 4;
            if (room > 0)
                painter.drawText(QRect(second.topLeft(), QSize(room, lineHeight)),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(range, Qt::ElideRight, room));
        }
        y += 2 * lineHeight + 4;
    }
}
