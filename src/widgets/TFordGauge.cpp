// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The needle gauge: properties, value updates, messages, cached images and painting.
#include "widgets/TFordGauge.h"

#include "common/FloatFormat.h"
#include "common/Texts.h"
#include "widgets/DialPainter.h"
#include "widgets/NeedlePainter.h"
#include "widgets/NoValueText.h"
#include "widgets/SmoothBlit.h"
#include "widgets/TFordGaugeItem.h"

#include <QFontMetrics>
#include <QPainter>

TFordGauge::TFordGauge(QWidget* parent)
    : TControl(parent)
    , m_valueFont(new TFont(this))
    , m_items(new TFordGaugeItems(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(160, 160);
    rebuild();
    connect(m_valueFont, &TFont::changed, this, [this] { m_own.labelValid = false; });
}

void TFordGauge::setSmoothFactor(int k)
{
    if (k < 1 || k > 7)
        return;
    m_settings.SmoothFactor = k;
    rebuild();
}

void TFordGauge::assignArrows(TFordGaugeItems* items)
{
    if (!items) {
        m_problems.report(this, Texts::text(Texts::GaugeArrowsNone));
        return;
    }
    m_items->assign(*items);
    rebuild();
}

void TFordGauge::updateNeedle(TNeedle& needle, float value, bool reading)
{
    if (reading && !needle.received) {
        needle.received = true;
        needle.labelValid = false;
        update();
    }
    if (m_geometry.updateValue(needle, value)) {
        m_valuePacer.request();
        if (m_limits.any())
            refreshAlarm();
    }
}

void TFordGauge::limitsChanged()
{
    refreshAlarm();
    update();
}

ValueLimits::Level TFordGauge::limitLevel() const
{
    ValueLimits::Level worst = ValueLimits::Normal;
    const auto take = [&](const TNeedle& needle) {
        if (needle.received)
            worst = std::max(worst, m_limits.level(needle.Value));
    };
    if (m_items->count() > 0)
        for (int i = 0; i < m_items->count(); ++i)
            take(m_items->at(i)->needle());
    else
        take(m_own);
    return worst;
}

void TFordGauge::refreshAlarm()
{
    const ValueLimits::Level level = limitLevel();
    AlarmBlink::instance().setInAlarm(this, level == ValueLimits::Alarm);
    if (level == m_level)
        return;
    m_level = level;
    // The needle at that level names the moment.
    quint8 pid = m_pid;
    float value = m_own.Value;
    for (int i = 0; i < m_items->count(); ++i) {
        const TFordGaugeItem* item = m_items->at(i);
        if (item->needle().received && m_limits.level(item->needle().Value) == level) {
            pid = item->PID();
            value = item->needle().Value;
        }
    }
    emit limitLevelChanged(pid, value, level);
}

void TFordGauge::message(TMessage& msg)
{
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    if (m_items->count() > 0) {
        // The refresh request (PID 0) sends every arrow to the start of the scale.
        for (int i = 0; i < m_items->count(); ++i) {
            TFordGaugeItem* item = m_items->at(i);
            if (item->PID() == msg.WParam)
                updateNeedle(item->needle(), Msg::lParamToFloat(msg.LParam));
            if (msg.WParam == 0)
                updateNeedle(item->needle(), m_settings.Min, false);
        }
    } else if (msg.WParam == m_pid) {
        updateNeedle(m_own, Msg::lParamToFloat(msg.LParam));
    }
}

void TFordGauge::rebuild()
{
    m_geometry.compute(m_settings, size(), devicePixelRatioF());
    if (m_geometry.imageTooLarge())
        m_problems.report(this, Texts::text(Texts::GaugeImageTooLarge).arg(width()).arg(height()));
    // The images are made when the dial is first drawn, so that a gauge configured but
    // never shown, or refused by its dashboard's budget, takes no memory.
    if (m_dial.size() != m_geometry.imageSize())
        m_dial = m_frame = QImage();
    if (m_items->count() > 0) {
        for (int i = m_items->count() - 1; i >= 0; --i)
            m_geometry.place(m_items->at(i)->needle());
    } else {
        m_geometry.place(m_own);
    }
    m_own.labelValid = false;
    for (int i = 0; i < m_items->count(); ++i)
        m_items->at(i)->needle().labelValid = false;
    m_dialDue = true;
}

void TFordGauge::resizeEvent(QResizeEvent* e)
{
    rebuild();
    TControl::resizeEvent(e);
}

void TFordGauge::fontChanged()
{
    rebuild();
    update();
}

QColor TFordGauge::background() const
{
    return paintColor(clBtnFace.toQColor());
}

void TFordGauge::report(const QStringList& problems)
{
    for (const QString& problem : problems)
        m_problems.report(this, problem);
}

// A size set while hidden, or a move to a screen of another pixel ratio, needs new images.
void TFordGauge::rebuildIfResized()
{
    if (m_geometry.controlSize() != size()
        || !qFuzzyCompare(m_geometry.pixelRatio(), devicePixelRatioF()))
        rebuild();
}

const TGaugeGeometry& TFordGauge::geometry()
{
    rebuildIfResized();
    return m_geometry;
}

qint64 TFordGauge::imageBytes() const
{
    TGaugeGeometry geometry;
    geometry.compute(m_settings, size(), 1.0);
    const QSize image = geometry.imageSize();
    return 2 * qint64(image.width()) * image.height() * 4;
}

void TFordGauge::makeImages()
{
    if (!m_dial.isNull() || m_geometry.imageSize().isEmpty())
        return;
    m_dial = QImage(m_geometry.imageSize(), QImage::Format_RGB32);
    m_frame = QImage(m_geometry.imageSize(), QImage::Format_RGB32);
    m_dialDue = true;
    m_drawn = m_frame.rect();
}

void TFordGauge::checkFormat(const QString& format)
{
    try {
        formatFloat(format, 0.0L);
    } catch (const FormatError& e) {
        m_problems.report(this, e.message());
    }
}

void TFordGauge::drawDialIfDue()
{
    rebuildIfResized();
    makeImages();
    if (!m_dialDue || m_dial.isNull())
        return;
    m_dialDue = false;
    const TDialStyle style { background(), Font()->toQFont(m_geometry.scale()),
        Font()->Color().toQColor(palette().color(QPalette::Text)) };
    QStringList problems;
    TDialPainter::draw(m_dial, m_settings, m_geometry, style, problems);
    m_drawn = m_frame.rect();
    if (!m_geometry.scaleValid())
        problems << Texts::text(Texts::GaugeMaxEqualsMin).arg(double(m_settings.Min));
    report(problems);
}

const QImage& TFordGauge::dialImage()
{
    drawDialIfDue();
    return m_dial;
}

const QImage& TFordGauge::frameImage()
{
    composeFrame();
    return m_frame;
}

// Formats and measures a needle's label only when its value, format, font or scale changed.
void TFordGauge::prepareLabel(TNeedle& needle, const TFont& font)
{
    if (needle.labelValid)
        return;
    needle.labelValid = true;
    try {
        needle.labelText = needle.received ? formatFloat(needle.ValueLabelFormat, needle.Value)
                                           : noValueText(needle.ValueLabelFormat);
    } catch (const FormatError& e) {
        m_problems.report(this, e.message());
        needle.labelText.clear();
        return;
    }
    const QFontMetrics metrics(font.toQFont(m_geometry.scale()));
    needle.labelSize = QSize(metrics.horizontalAdvance(needle.labelText), metrics.height());
    needle.labelAscent = metrics.ascent();
}

void TFordGauge::composeFrame()
{
    drawDialIfDue();
    if (m_frame.isNull())
        return;
    QPainter p(&m_frame);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // What the last frame drew over the dial is put back; the rest of the frame is the
    // dial already. Most of a needle's sweep leaves most of the frame untouched.
    const QRect restore = m_drawn & m_frame.rect();
    p.drawImage(restore.topLeft(), m_dial, restore);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_drawn = QRect();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor fill = background();
    double penWidth = m_geometry.scale();
    const auto drawOne = [&](TNeedle& needle, const TFont& font) {
        m_drawn |= TNeedlePainter::drawNeedle(p, m_geometry, needle);
        penWidth = m_geometry.scale();
        if (!needle.ValueShow)
            return;
        prepareLabel(needle, font);
        const ValueLimits::Level level
            = needle.received ? m_limits.level(needle.Value) : ValueLimits::Normal;
        const QColor colour = level == ValueLimits::Normal
            ? font.Color().toQColor(palette().color(QPalette::Text))
            : limitColour(level, AlarmBlink::instance().on());
        m_drawn |= TNeedlePainter::drawLabel(
            p, m_geometry, needle, font.toQFont(m_geometry.scale()), colour, fill);
        penWidth = m_geometry.pixelRatio();
    };
    if (m_items->count() > 0) {
        for (int i = m_items->count() - 1; i >= 0; --i) {
            TFordGaugeItem* item = m_items->at(i);
            drawOne(item->needle(), *item->ValueFont());
        }
    } else {
        drawOne(m_own, *m_valueFont);
    }
    m_drawn |= TNeedlePainter::drawCap(p, m_geometry, m_settings.ArrowCenterRadius,
        m_settings.ArrowCenterColor.toQColor(Qt::black),
        m_settings.ArrowCenterBack.toQColor(Qt::black), penWidth);
}

void TFordGauge::paintEvent(QPaintEvent*)
{
    m_valuePacer.painted();
    composeFrame();
    QPainter painter(this);
    if (m_frame.isNull()) {
        painter.fillRect(rect(), background());
        return;
    }
    smoothBlit(painter, rect(), m_frame, &m_shown);
}
