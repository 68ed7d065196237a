// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The smooth downscale blit: draws an image drawn at a multiple of a window's size into
// the window with area-averaging, so thin lines and text come out anti-aliased.
#pragma once

#include <QRect>

class QImage;
class QPainter;

// Off-screen images beyond these bounds are not drawn at all: a size typed wrong in a
// profile must not make a widget take gigabytes.
inline constexpr long long SmoothImageMaxPixels = 64LL * 1024 * 1024;
inline constexpr int SmoothImageMaxSide = 32767;
inline bool smoothImageFits(double width, double height)
{
    return width <= SmoothImageMaxSide && height <= SmoothImageMaxSide
        && width * height <= double(SmoothImageMaxPixels);
}

// Fills target (in the painter's logical pixels) with the whole source image. An image
// that already has the target's device size is copied as it is.
// `halved` is the caller's scratch image, into which a frame of twice the size is averaged
// two by two: kept between paints, it spares an allocation per paint.
void smoothBlit(
    QPainter& painter, const QRect& target, const QImage& source, QImage* halved = nullptr);
