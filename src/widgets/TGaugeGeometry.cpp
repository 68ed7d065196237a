// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's geometry.
#include "widgets/TGaugeGeometry.h"

#include "widgets/SmoothBlit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double degToRad(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

void TGaugeGeometry::compute(const TGaugeSettings& settings, QSize control, double pixelRatio)
{
    m_settings = settings;
    m_control = control;
    m_k = settings.SmoothFactor;
    m_pixelRatio = pixelRatio > 0 && std::isfinite(pixelRatio) ? pixelRatio : 1.0;
    m_scale = m_k * m_pixelRatio;
    const int extra = int(m_scale / 2);
    const double w = std::round(std::max(0, control.width()) * m_scale) + extra;
    const double h = std::round(std::max(0, control.height()) * m_scale) + extra;
    m_tooLarge = !smoothImageFits(w, h);
    m_image = m_tooLarge ? QSize() : QSize(int(w), int(h));
    const double m = std::max(w, h);
    m_cx = m / 2 + settings.GaugeOffsetX * m_scale;
    m_cy = m / 2 + settings.GaugeOffsetY * m_scale;
    const double al = settings.AngleLeft, ar = settings.AngleRight;
    m_dp = settings.GaugePosition == Gauge::fgpTop ? 1 : -1;
    m_dir = settings.GaugeDirection == Gauge::fgdClockwise ? -1 : 1;
    m_sweep = settings.GaugePosition == Gauge::fgpTop ? 360 - al - ar : al + ar;
}

double TGaugeGeometry::scaleAngle(double value) const
{
    return (value - m_settings.Min) * m_dp * m_sweep / (double(m_settings.Max) - m_settings.Min)
        + m_settings.AngleLeft;
}

double TGaugeGeometry::needleValue(double value) const
{
    const double lo = std::min(m_settings.Min, m_settings.Max);
    const double hi = std::max(m_settings.Min, m_settings.Max);
    // A needle left where it was, or thrown into the gap past the scale, hides the reading
    // that matters most; on the end stop it says "at least this much".
    return value < lo ? lo : value > hi ? hi : value;
}

void TGaugeGeometry::place(TNeedle& needle) const
{
    needle.angle = scaleAngle(needleValue(needle.Value));
    const double phi = degToRad(m_dir * needle.angle);
    const double length = needle.ArrowRadius * m_scale;
    needle.tipX = length * std::sin(phi);
    needle.tipY = length * std::cos(phi);
}

bool TGaugeGeometry::updateValue(TNeedle& needle, float value) const
{
    if (std::fabs(double(value) - double(needle.Value)) <= 1e-8)
        return false;
    needle.Value = value;
    needle.labelValid = false;
    place(needle);
    return true;
}

QPointF TGaugeGeometry::at(double phi, double radius) const
{
    const double r = degToRad(phi);
    return QPointF(m_cx + radius * std::sin(r), m_cy + radius * std::cos(r));
}

namespace {

// φ − ψ in (−180, 180].
double angleBetween(double phi, double psi)
{
    double d = std::fmod(phi - psi, 360.0);
    if (d <= -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

} // namespace

QPointF TGaugeGeometry::captionCentre(QSizeF text) const
{
    // The gap lies opposite the middle of the scale; needles stay within the scale.
    const double middle = m_dir * (m_settings.AngleLeft + m_dp * m_sweep / 2);
    const double gapDirection = middle + 180;
    const double halfGap = std::clamp((360 - std::fabs(m_sweep)) / 2, 0.0, 180.0);
    // A margin for the needle's width, and the cap and needle tails to keep clear of.
    const double margin = 3 * m_scale;
    const double allowed = halfGap - 4;
    const double w = text.width() / 2 + margin, h = text.height() / 2 + margin / 2;
    const double clear
        = std::max(double(m_settings.ArrowCenterRadius), 0.1 * m_settings.GaugeRadius) * m_scale
        + margin;
    const double radius = std::max(1, m_settings.GaugeRadius) * m_scale;
    const double r = degToRad(gapDirection);
    const double ux = std::sin(r), uy = std::cos(r);
    const auto fits = [&](double d) {
        const double x = ux * d, y = uy * d;
        // The box's nearest point to the centre.
        if (std::hypot(std::max(std::fabs(x) - w, 0.0), std::max(std::fabs(y) - h, 0.0)) < clear)
            return false;
        for (const double cxs : { -1.0, 1.0 })
            for (const double cys : { -1.0, 1.0 }) {
                const double px = x + cxs * w, py = y + cys * h;
                if (std::fabs(
                        angleBetween(std::atan2(px, py) * 180 / std::numbers::pi, gapDirection))
                    >= allowed)
                    return false;
            }
        return true;
    };
    double d = 0;
    // At most a few hundred trials, whatever the radius.
    const double step = std::max({ 1.0, m_scale / 2, radius / 512 });
    while (d <= radius && !fits(d))
        d += step;
    // A gap too narrow for the caption: keep it at mid-radius in the gap, the best there is.
    if (d > radius)
        d = radius / 2;
    return QPointF(m_cx + ux * d, m_cy + uy * d);
}
