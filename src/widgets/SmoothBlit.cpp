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
    // Qt's smooth scaling averages the source pixels under each target pixel when shrinking.
    QImage scaled = source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), scaled);
}
