// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A soft glow around a text: the text's shape in the glow colour, blurred.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Draws the text as painting it with (font, flags) into textRect would, widened by
// `radius` on every side, blurred, on a transparent image of size canvas.
QImage renderTextGlow(const QSize& canvas, const QRect& textRect, int flags, const QString& text,
    const QFont& font, const QColor& color, int radius, qreal devicePixelRatio);
