// The gauge's geometry: image size, dial centre, sweep, the scale angle of a value and
// the placing of needles, with the acceptance window for arriving values.
#pragma once

#include "widgets/GaugeModel.h"

#include <QPointF>
#include <QSize>

class TGaugeGeometry {
public:
    // control: the widget's size; pixelRatio: the screen's device pixel ratio.
    void compute(const TGaugeSettings& settings, QSize control, double pixelRatio = 1.0);

    QSize controlSize() const { return m_control; }
    int k() const { return m_k; }
    double pixelRatio() const { return m_pixelRatio; }
    // Image pixels per control pixel: SmoothFactor times the device pixel ratio.
    double scale() const { return m_scale; }
    QSize imageSize() const { return m_image; }
    bool imageTooLarge() const { return m_tooLarge; }
    double cx() const { return m_cx; }
    double cy() const { return m_cy; }
    double sweep() const { return m_sweep; }
    int dp() const { return m_dp; }
    int dir() const { return m_dir; }
    bool scaleValid() const { return m_settings.Max != m_settings.Min; }

    // a(v): degrees from the scale's start; not finite when Max = Min.
    double scaleAngle(double value) const;
    // Whether an arriving value moves the needle: within 5 % of the span beyond either end.
    bool accepts(double value) const;
    // Puts the needle at its value, without the acceptance window.
    void place(TNeedle& needle) const;
    // A value arriving for the needle; false when it is within 1e-8 of the present one
    // (nothing changes and nothing needs painting).
    bool updateValue(TNeedle& needle, float value) const;

    // The point at direction φ (degrees; 0 down, 90 right) and radius from the centre.
    QPointF at(double phi, double radius) const;

private:
    TGaugeSettings m_settings;
    QSize m_control;
    int m_k = 2;
    double m_pixelRatio = 1.0;
    double m_scale = 2.0;
    QSize m_image;
    bool m_tooLarge = false;
    double m_cx = 0;
    double m_cy = 0;
    double m_sweep = 240;
    int m_dp = 1;
    int m_dir = -1;
};

double degToRad(double degrees);
