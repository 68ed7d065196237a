// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Laid-out texts kept between paints: a chart draws the same few labels at every frame, and
// laying a text out costs more than drawing it.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

class StaticTextCache {
public:
    // `text` laid out in `font`, cut to `width` pixels with an ellipsis when it is wider
    // (no cut with a width below one).
    QStaticText text(const QString& text, const QFont& font, int width = 0);

private:
    // Labels of a moving time axis come and go: the cache starts again when it is full.
    static constexpr qsizetype MaxTexts = 128;
    QFont m_font;
    QHash<QString, QStaticText> m_texts;
};
