// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "widgets/StaticTextCache.h"

#include <QFontMetrics>

QStaticText StaticTextCache::text(const QString& text, const QFont& font, int width)
{
    if (font != m_font) {
        m_texts.clear();
        m_font = font;
    }
    const QString key = width > 0 ? text + QChar(0) + QString::number(width) : text;
    if (const auto found = m_texts.constFind(key); found != m_texts.constEnd())
        return *found;
    if (m_texts.size() >= MaxTexts)
        m_texts.clear();
    QStaticText laidOut(
        width > 0 ? QFontMetrics(font).elidedText(text, Qt::ElideRight, width) : text);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), font);
    return *m_texts.insert(key, laidOut);
}
