// The gauge's geometry.
#include "widgets/TGaugeGeometry.h"

#include "widgets/SmoothBlit.h"

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

bool TGaugeGeometry::accepts(double value) const
{
    const double span = double(m_settings.Max) - m_settings.Min;
    return m_settings.Min - 0.05 * span <= value && value <= m_settings.Max + 0.05 * span;
}

void TGaugeGeometry::place(TNeedle& needle) const
{
    needle.angle = scaleAngle(needle.Value);
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
    if (accepts(value))
        place(needle);
    return true;
}

QPointF TGaugeGeometry::at(double phi, double radius) const
{
    const double r = degToRad(phi);
    return QPointF(m_cx + radius * std::sin(r), m_cy + radius * std::cos(r));
}
