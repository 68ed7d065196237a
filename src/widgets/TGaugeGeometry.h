// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The gauge's geometry: image size, dial centre, sweep, the scale angle of a value and
// the placing of needles, which stop at the ends of the scale.
#pragma once

#include "widgets/GaugeModel.h"

#include <QPointF>
#include <QSize>
#include <QSizeF>

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
    // The value a needle points at: the value itself within the scale, the nearer end of
    // the scale beyond it (the end stop), whichever of Min and Max is the larger.
    double needleValue(double value) const;
    // Puts the needle at its value, on the end stop when the value lies beyond the scale.
    void place(TNeedle& needle) const;
    // A value arriving for the needle; false when it is within 1e-8 of the present one
    // (nothing changes and nothing needs painting).
    bool updateValue(TNeedle& needle, float value) const;

    // Where the caption's centre goes, in image pixels, for a caption of that size (image
    // pixels): in the gap of the dial that no needle enters, clear of the centre cap and
    // of the needles' tails, so that no needle ever crosses it. The place is the same in
    // control pixels whatever SmoothFactor is.
    QPointF captionCentre(QSizeF text) const;

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
