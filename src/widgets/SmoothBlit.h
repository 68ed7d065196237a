// The smooth downscale blit: draws an image drawn at a multiple of a window's size into
// the window with area-averaging, so thin lines and text come out anti-aliased.
#pragma once

#include <QRect>

class QImage;
class QPainter;

// Fills target (in the painter's logical pixels) with the whole source image. An image
// that already has the target's device size is copied as it is.
void smoothBlit(QPainter& painter, const QRect& target, const QImage& source);
