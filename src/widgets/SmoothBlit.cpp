// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The smooth downscale blit.
#include "widgets/SmoothBlit.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

void smoothBlit(QPainter& painter, const QRect& target, const QImage& source)
{
    if (source.isNull() || target.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (pixels == source.size()) {
        painter.drawImage(target, source);
        return;
    }
    // A frame of twice the size (a gauge adds one pixel of margin, left out here) is shown
    // by the painter's bilinear filter, which at exactly half the size samples each target
    // pixel at the centre of the two by two source pixels under it: their average, as
    // area-averaging gives, without a scaled copy of the image for every paint.
    const QSize twice = pixels * 2;
    const QSize margin = source.size() - twice;
    if (margin.width() >= 0 && margin.width() <= 1 && margin.height() >= 0
        && margin.height() <= 1) {
        const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(target), source, QRectF(QPointF(0, 0), QSizeF(twice)));
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        return;
    }
    // Qt's smooth scaling averages the source pixels under each target pixel when shrinking.
    QImage scaled = source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), scaled);
}
