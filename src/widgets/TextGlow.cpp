// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text glow: a box blur of the text's alpha, run three times (close to a Gaussian).
#include "widgets/TextGlow.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

// One horizontal or vertical box-blur pass over the alpha channel of a premultiplied image.
void boxBlur(QImage& image, int radius, bool horizontal)
{
    const int w = image.width(), h = image.height();
    const int lines = horizontal ? h : w, length = horizontal ? w : h;
    std::vector<int> alpha(length);
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        const auto pixel = [&](int i) -> QRgb& {
            return horizontal ? reinterpret_cast<QRgb*>(image.scanLine(line))[i]
                              : reinterpret_cast<QRgb*>(image.scanLine(i))[line];
        };
        for (int i = 0; i < length; ++i)
            alpha[i] = qAlpha(pixel(i));
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += (i >= 0 && i < length) ? alpha[i] : 0;
        for (int i = 0; i < length; ++i) {
            const int a = sum / window;
            // Only the alpha matters here; the colour is put in at the end.
            pixel(i) = qRgba(0, 0, 0, a);
            const int out = i - radius, in = i + radius + 1;
            sum += (in < length ? alpha[in] : 0) - (out >= 0 ? alpha[out] : 0);
        }
    }
}

} // namespace

QImage renderTextGlow(const QSize& canvas, const QRect& textRect, int flags, const QString& text,
    const QFont& font, const QColor& color, int radius, qreal devicePixelRatio)
{
    const QSize pixels = canvas * devicePixelRatio;
    if (pixels.isEmpty() || pixels.width() > 8192 || pixels.height() > 8192)
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(color.red(), color.green(), color.blue()));
        painter.drawText(textRect, flags, text);
    }
    // Spread the shape first, so the glow reaches `radius` beyond the strokes.
    const int r = std::max(1, int(radius * devicePixelRatio));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(image, r, true);
        boxBlur(image, r, false);
    }
    // The blur thins the alpha out; strengthen it so the glow reads as a halo.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = std::min(255, qAlpha(line[x]) * 3);
            line[x] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), a));
        }
    }
    return image;
}
