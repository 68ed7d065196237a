// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text label.
#include "widgets/TLabel.h"

#include "common/Texts.h"
#include "store/PidTable.h"
#include "widgets/TextGlow.h"
#include "widgets/WidgetProblems.h"

#include <QPainter>

TLabel::TLabel(QWidget* parent)
    : TControl(parent)
{
    m_color = clNone;
    setAttribute(Qt::WA_NoSystemBackground);
    refreshFont();
    adjustBounds();
}

void TLabel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    layoutChanged();
}

void TLabel::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    layoutChanged();
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    layoutChanged();
}

void TLabel::setPidName(const QString& key)
{
    m_pidName = key;
    const QString name = PidTable::current().nameOf(key);
    if (name.isEmpty())
        reportWidgetProblem(this, Texts::text(Texts::LabelBadPidName).arg(key));
    else
        setCaption(name);
}

void TLabel::setCaptionGlow(TGlowDirection glow)
{
    m_glow = glow;
    layoutChanged();
}

void TLabel::setCaptionGlowColor(TColor color)
{
    m_glowColor = color;
    m_glowImage = QImage();
    update();
}

void TLabel::setWrapping(TTextWrapping wrapping)
{
    m_wrapping = wrapping;
    layoutChanged();
}

// A new colour only needs a repaint; a new shape may change the size.
void TLabel::fontChanged()
{
    if (refreshFont())
        layoutChanged();
    else
        update();
}

bool TLabel::refreshFont()
{
    const TFont& font = *Font();
    if (font.Name() == m_fontName && font.Size() == m_fontSize && font.Style() == m_fontStyle
        && !m_fontName.isNull())
        return false;
    m_fontName = font.Name();
    m_fontSize = font.Size();
    m_fontStyle = font.Style();
    m_drawFont = font.toQFont();
    m_metrics = QFontMetrics(m_drawFont);
    return true;
}

void TLabel::layoutChanged()
{
    m_glowImage = QImage();
    adjustBounds();
    update();
}

void TLabel::resizeEvent(QResizeEvent* e)
{
    m_glowImage = QImage();
    TControl::resizeEvent(e);
}

void TLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange)
        m_glowImage = QImage();
    TControl::changeEvent(e);
}

int TLabel::textFlags() const
{
    int flags = Qt::AlignTop;
    flags |= m_alignment == taRightJustify ? Qt::AlignRight
        : m_alignment == taCenter          ? Qt::AlignHCenter
                                           : Qt::AlignLeft;
    if (m_wrapping == twWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QString TLabel::shownText(const QFontMetrics& metrics, int width) const
{
    if (m_autoSize || width <= 0)
        return m_caption;
    if (m_wrapping == twEndEllipsis)
        return metrics.elidedText(m_caption, Qt::ElideRight, width);
    if (m_wrapping == twPathEllipsis)
        return metrics.elidedText(m_caption, Qt::ElideMiddle, width);
    return m_caption;
}

// An auto-sized label takes the size of its caption; a right-justified one keeps its right edge.
void TLabel::adjustBounds()
{
    if (!m_autoSize)
        return;
    const QFontMetrics& metrics = m_metrics;
    const int m = margin();
    QSize size;
    if (m_wrapping == twWrap) {
        const int textWidth = qMax(1, width() - 2 * m);
        const QRect bounds
            = metrics.boundingRect(QRect(0, 0, textWidth, 1 << 20), textFlags(), m_caption);
        size = QSize(width(), qMax(bounds.height(), metrics.height()) + 2 * m);
    } else {
        size = QSize(metrics.horizontalAdvance(m_caption) + 2 * m, metrics.height() + 2 * m);
    }
    if (size == this->size())
        return;
    const int left = m_alignment == taRightJustify ? x() + width() - size.width() : x();
    setGeometry(left, y(), size.width(), size.height());
}

QPoint TLabel::glowOffset() const
{
    const int shift = GlowRadius / 2;
    if (m_glow == gldTopLeft)
        return QPoint(-shift, -shift);
    if (m_glow == gldBottomRight)
        return QPoint(shift, shift);
    return QPoint(0, 0);
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_color.isSpecial())
        painter.fillRect(rect(), m_color.toQColor());
    const QFont& font = m_drawFont;
    const QFontMetrics& metrics = m_metrics;
    const int m = margin();
    const QRect textRect = rect().adjusted(m, m, -m, -m);
    const QString text = shownText(metrics, textRect.width());
    if (m_glow != gldNone && !m_glowColor.isSpecial()) {
        if (m_glowImage.isNull())
            m_glowImage = renderTextGlow(size(), textRect, textFlags(), text, font,
                m_glowColor.toQColor(), GlowRadius, devicePixelRatioF());
        painter.drawImage(glowOffset(), m_glowImage);
    }
    painter.setFont(font);
    painter.setPen(Font()->Color().toQColor(palette().color(QPalette::WindowText)));
    painter.drawText(textRect, textFlags(), text);
}
