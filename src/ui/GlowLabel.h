// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A status bar value: a text with a soft coloured glow behind it. The glow image is cached
// and rebuilt only when the text, the colour or the size changes.
#pragma once

#include "ui/model/LinkStatus.h"

#include <QImage>
#include <QWidget>

class GlowLabel : public QWidget {
    Q_OBJECT

public:
    explicit GlowLabel(QWidget* parent = nullptr);

    void setStatus(const StatusText& status);
    QString text() const { return m_status.Text; }
    Glow glow() const { return m_status.Colour; }
    // Colours of its own for the green and the red glow, in place of the status bar's.
    void setGlowColours(const QColor& green, const QColor& red);
    // The colour the current glow is drawn in; invalid without a glow.
    QColor glowColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int Radius = 4;
    StatusText m_status;
    QColor m_green;
    QColor m_red;
    QImage m_glow; // empty: to be rebuilt
};
