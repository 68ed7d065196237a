// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The smooth downscale blit.
#include "widgets/SmoothBlit.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The rounded average of two pixels, channel by channel, as SSE2's byte average gives it.
quint32 averagePixels(quint32 a, quint32 b)
{
    return (a | b) - (((a ^ b) >> 1) & 0x7F7F7F7F);
}

// Averages each two by two block of `source` (32-bit pixels) into one pixel of `target`,
// which is made `pixels` in size; `source` is at least twice that size. The average of a
// block is the rounded average of its two rows' rounded averages: at most one step from the
// exact one, and four pixels at a time with SSE2.
void halveImage(const QImage& source, QImage& target, QSize pixels)
{
    if (target.size() != pixels || target.format() != source.format())
        target = QImage(pixels, source.format());
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* upper = reinterpret_cast<const quint32*>(source.constScanLine(2 * y));
        const auto* lower = reinterpret_cast<const quint32*>(source.constScanLine(2 * y + 1));
        auto* out = reinterpret_cast<quint32*>(target.scanLine(y));
        int x = 0;
#ifdef __SSE2__
        for (; x + 4 <= width; x += 4) {
            const auto load = [](const quint32* at) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            };
            const __m128 left
                = _mm_castsi128_ps(_mm_avg_epu8(load(upper + 2 * x), load(lower + 2 * x)));
            const __m128 right
                = _mm_castsi128_ps(_mm_avg_epu8(load(upper + 2 * x + 4), load(lower + 2 * x + 4)));
            const __m128i even = _mm_castps_si128(_mm_shuffle_ps(left, right, 0x88));
            const __m128i odd = _mm_castps_si128(_mm_shuffle_ps(left, right, 0xDD));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_avg_epu8(even, odd));
        }
#endif
        for (; x < width; ++x)
            out[x] = averagePixels(averagePixels(upper[2 * x], lower[2 * x]),
                averagePixels(upper[2 * x + 1], lower[2 * x + 1]));
    }
}

} // namespace

void smoothBlit(QPainter& painter, const QRect& target, const QImage& source, QImage* halved)
{
    if (source.isNull() || target.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (pixels == source.size()) {
        painter.drawImage(target, source);
        return;
    }
    const QSize twice = pixels * 2;
    const QSize margin = source.size() - twice;
    if (margin.width() >= 0 && margin.width() <= 1 && margin.height() >= 0
        && margin.height() <= 1) {
        // The frame is averaged here, four pixels at a time, and drawn at its size: one to
        // one, a plain copy; in a fitted dashboard, scaled by the painter from a quarter of
        // the pixels. The painter's scaled draw of the whole frame below costs about three
        // times as much, most of it in handing the rows to Qt's painting threads.
        if (halved
            && (source.format() == QImage::Format_RGB32
                || source.format() == QImage::Format_ARGB32_Premultiplied)) {
            halveImage(source, *halved, pixels);
            halved->setDevicePixelRatio(ratio);
            painter.drawImage(target.topLeft(), *halved);
            return;
        }
        // A frame of twice the size (a gauge adds one pixel of margin, left out here) is
        // shown by the painter's bilinear filter, which at exactly half the size samples each
        // target pixel at the centre of the two by two source pixels under it: their
        // average, as area-averaging gives, without a scaled copy of the image.
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
