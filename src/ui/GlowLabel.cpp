// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "GlowLabel.h"

#include "widgets/TextGlow.h"

#include <QEvent>
#include <QPainter>

namespace {

QColor statusColour(Glow glow)
{
    switch (glow) {
    case Glow::Yellow:
        return QColor(255, 215, 0);
    case Glow::Green:
        return QColor(40, 220, 60);
    case Glow::Red:
        return QColor(255, 40, 40);
    case Glow::None:
        break;
    }
    return {};
}

} // namespace

GlowLabel::GlowLabel(QWidget* parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void GlowLabel::setStatus(const StatusText& status)
{
    if (status == m_status)
        return;
    const bool wider = fontMetrics().horizontalAdvance(status.Text)
        > fontMetrics().horizontalAdvance(m_status.Text);
    m_status = status;
    m_glow = QImage();
    if (wider)
        updateGeometry();
    update();
}

void GlowLabel::setGlowColours(const QColor& green, const QColor& red)
{
    m_green = green;
    m_red = red;
    m_glow = QImage();
    update();
}

QColor GlowLabel::glowColour() const
{
    if (m_status.Colour == Glow::Green && m_green.isValid())
        return m_green;
    if (m_status.Colour == Glow::Red && m_red.isValid())
        return m_red;
    return statusColour(m_status.Colour);
}

QSize GlowLabel::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    // Room for the longest texts the field takes, so that the bar does not jump.
    const int width = std::max(fm.horizontalAdvance(m_status.Text),
        fm.horizontalAdvance(QStringLiteral("Нет связи с EEC-IV")));
    return { width + 2 * Radius + 4, fm.height() + 2 * Radius };
}

void GlowLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect textRect = rect().adjusted(Radius, 0, -Radius, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    if (m_status.Colour != Glow::None) {
        if (m_glow.isNull())
            m_glow = renderTextGlow(size(), textRect, flags, m_status.Text, font(), glowColour(),
                Radius, devicePixelRatioF());
        p.drawImage(0, 0, m_glow);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect, flags, m_status.Text);
}

void GlowLabel::resizeEvent(QResizeEvent*)
{
    m_glow = QImage();
}

void GlowLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        m_glow = QImage();
    QWidget::changeEvent(event);
}
