// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The dial drawing.
#include "widgets/DialPainter.h"

#include "common/FloatFormat.h"
#include "common/Texts.h"
#include "widgets/CanvasPrimitives.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Enough steps for any channel to come within 5 of the background, where it stops.
constexpr qint64 GlowSteps = 64;

QPen roundPen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

int towards(int c, int target)
{
    return c + (target - c) / 6;
}

// A counterclockwise dial is the mirror image of the clockwise one, so that its red zone
// covers RedLine to Max and its tick marks meet their numbers also when AngleLeft and
// AngleRight differ.
void dialArc(QPainter& p, const TGaugeGeometry& g, double radius, double fromPhi, double toPhi)
{
    if (g.dir() > 0)
        Canvas::arc(p, { g.cx(), g.cy() }, radius, -toPhi, -fromPhi);
    else
        Canvas::arc(p, { g.cx(), g.cy() }, radius, fromPhi, toPhi);
}

} // namespace

QRgb TDialPainter::glowColor(QRgb glow, QRgb background, qint64 ring)
{
    int r = qRed(glow), g = qGreen(glow), b = qBlue(glow);
    for (qint64 i = 0; i <= std::min(ring, GlowSteps); ++i) {
        r = towards(r, qRed(background));
        g = towards(g, qGreen(background));
        b = towards(b, qBlue(background));
    }
    return qRgb(r, g, b);
}

void TDialPainter::draw(QImage& image, const TGaugeSettings& s, const TGaugeGeometry& g,
    const TDialStyle& style, QStringList& problems)
{
    image.fill(style.background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double K = g.scale();
    const double sDeg = 0.1 * g.k();
    const double al = s.AngleLeft, ar = s.AngleRight;
    const bool top = s.GaugePosition == Gauge::fgpTop;

    drawGlow(p, s, g, style);

    p.setPen(roundPen(s.GaugeColor.toQColor(Qt::black), 5 * K));
    if (top)
        dialArc(p, g, s.GaugeRadius * K, ar + sDeg, -(al + sDeg));
    else
        dialArc(p, g, s.GaugeRadius * K, -(al - sDeg), ar - sDeg);

    if (s.RedLineShow) {
        const double r = g.dp() * (double(s.RedLine) - s.Min) / (double(s.Max) - s.Min) * g.sweep();
        if (std::isfinite(r)) {
            p.setPen(roundPen(QColor(255, 0, 0), 5 * K));
            const double radius = (s.GaugeRadius - 4.0) * K;
            if (top)
                dialArc(p, g, radius, ar + sDeg, -(al + r));
            else
                dialArc(p, g, radius, -(al + r), ar - sDeg);
        } else {
            problems << Texts::text(Texts::GaugeMaxEqualsMin).arg(double(s.Min));
        }
    }

    p.setFont(style.font);
    p.setPen(style.fontColor);
    drawTicks(p, s, g, problems);
    p.setPen(style.fontColor);
    drawCaption(p, s, g);
}

void TDialPainter::drawGlow(
    QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g, const TDialStyle& style)
{
    const double K = g.scale();
    const double sDeg = 0.1 * g.k();
    const qint64 gr = s.GaugeRadius;
    if (gr < 0)
        return;
    // Only rings that cross the image are drawn; the colour of the first one is computed.
    const double w = g.imageSize().width(), h = g.imageSize().height();
    const double nearX = std::clamp(g.cx(), 0.0, w), nearY = std::clamp(g.cy(), 0.0, h);
    const double nearest = std::hypot(g.cx() - nearX, g.cy() - nearY);
    const double farthest = std::hypot(std::max(std::fabs(g.cx()), std::fabs(w - g.cx())),
        std::max(std::fabs(g.cy()), std::fabs(h - g.cy())));
    if (!std::isfinite(nearest) || !std::isfinite(farthest))
        return;
    const double pen = 2.5 * K;
    const qint64 first = std::max<qint64>(0, qint64(std::ceil(double(gr) - (farthest + pen) / K)));
    const qint64 last = std::min<qint64>(gr, qint64(std::floor(double(gr) - (nearest - pen) / K)));
    const QRgb background = style.background.rgb();
    QRgb color = glowColor(s.GlowColor.toQColor(Qt::yellow).rgb(), background, first);
    for (qint64 i = first; i <= last; ++i) {
        if (i > first)
            color = qRgb(towards(qRed(color), qRed(background)),
                towards(qGreen(color), qGreen(background)),
                towards(qBlue(color), qBlue(background)));
        p.setPen(roundPen(QColor(color), 5 * K));
        const double radius = double(gr - i) * K;
        if (s.GaugePosition == Gauge::fgpTop)
            dialArc(p, g, radius, s.AngleRight + sDeg, -(s.AngleLeft + sDeg));
        else
            dialArc(p, g, radius, -(s.AngleLeft + sDeg), s.AngleRight + sDeg);
    }
}

void TDialPainter::drawTicks(
    QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g, QStringList& problems)
{
    const qint64 big = s.TickCountBig;
    if (big < 0)
        return;
    if (big == 0) {
        problems << Texts::text(Texts::GaugeNoTicks);
        return;
    }
    const qint64 small = s.TickCountSmall;
    if (big * std::max<qint64>(1, small) > MaxTicks) {
        problems << Texts::text(Texts::GaugeTooManyTicks).arg(big).arg(small);
        return;
    }
    const double K = g.scale();
    const QColor tickColor = s.GaugeColor.toQColor(Qt::black);
    const QColor textColor = p.pen().color();
    const QPen bigPen = roundPen(tickColor, 2 * K), smallPen = roundPen(tickColor, K);
    const double outer = s.GaugeRadius * K;
    const double sweep = g.sweep(), al = s.AngleLeft;
    const int dp = g.dp();
    const QFontMetrics metrics(p.font());
    const long double span = (long double)s.Max - s.Min;
    const bool numbersValid = s.TickLabelRatio != 0.0f;
    if (!numbersValid)
        problems << Texts::text(Texts::GaugeZeroTickRatio);
    bool formatFailed = false;
    for (qint64 j = 0; j <= big; ++j) {
        const double a = dp * double(j) * sweep / double(big) + al;
        p.setPen(bigPen);
        const double phiBig = g.dir() * a;
        Canvas::line(
            p, g.at(phiBig, (s.GaugeRadius - double(s.TickSizeBig)) * K), g.at(phiBig, outer));
        if (j < big) {
            p.setPen(smallPen);
            for (qint64 m = 0; m < small; ++m) {
                const double phi
                    = g.dir() * (a + dp * double(m) * sweep / (double(big) * double(small)));
                Canvas::line(
                    p, g.at(phi, (s.GaugeRadius - double(s.TickSizeSmall)) * K), g.at(phi, outer));
            }
        }
        if (!numbersValid || formatFailed)
            continue;
        const long double n = s.Min + (long double)j * span / ((long double)big * s.TickLabelRatio);
        QString text;
        try {
            text = formatFloat(s.TickLabelFormat, n);
        } catch (const FormatError& e) {
            problems << e.message();
            formatFailed = true;
            continue;
        }
        const double rho = (s.GaugeRadius - 1.8 * s.TickSizeBig) * K;
        const double tw = metrics.horizontalAdvance(text), th = metrics.height();
        const double rad = degToRad(g.dir() * a);
        p.setPen(textColor);
        Canvas::textOut(p,
            { g.cx() + std::sin(rad) * rho - tw / 2,
                g.cy() + std::cos(degToRad(a)) * rho - th / 2 },
            text, metrics.ascent());
    }
}

void TDialPainter::drawCaption(QPainter& p, const TGaugeSettings& s, const TGaugeGeometry& g)
{
    if (s.Caption.isEmpty())
        return;
    const QFontMetrics metrics(p.font());
    const double tw = metrics.horizontalAdvance(s.Caption), th = metrics.height();
    const QPointF centre = g.captionCentre(QSizeF(tw, th));
    Canvas::textOut(p, { centre.x() - tw / 2, centre.y() - th / 2 }, s.Caption, metrics.ascent());
}
