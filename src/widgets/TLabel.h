// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text label of the dashboards: a one-line caption with alignment, auto-size,
// shortening or wrapping, and an optional glow around the text.
#pragma once

#include "widgets/TControl.h"

#include <QFontMetrics>
#include <QImage>

class TLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(TGlowDirection CaptionGlow READ CaptionGlow WRITE setCaptionGlow)
    Q_PROPERTY(TColor CaptionGlowColor READ CaptionGlowColor WRITE setCaptionGlowColor)
    Q_PROPERTY(TTextWrapping Wrapping READ Wrapping WRITE setWrapping)
    // "0D" or "1A.7": the caption becomes what pids.txt calls that PID or bit.
    Q_PROPERTY(QString PidName READ PidName WRITE setPidName)

public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TGlowDirection { gldNone, gldAll, gldTopLeft, gldBottomRight };
    Q_ENUM(TGlowDirection)
    enum TTextWrapping { twNone, twEndEllipsis, twPathEllipsis, twWrap };
    Q_ENUM(TTextWrapping)

    // How far the glow reaches beyond the text, in pixels; an auto-sized label grows by it.
    static constexpr int GlowRadius = 4;

    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TGlowDirection CaptionGlow() const { return m_glow; }
    void setCaptionGlow(TGlowDirection glow);
    TColor CaptionGlowColor() const { return m_glowColor; }
    void setCaptionGlowColor(TColor color);
    TTextWrapping Wrapping() const { return m_wrapping; }
    void setWrapping(TTextWrapping wrapping);
    QString PidName() const { return m_pidName; }
    void setPidName(const QString& key);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void fontChanged() override;

private:
    QString m_pidName;
    void layoutChanged();
    void adjustBounds();
    int margin() const { return m_glow == gldNone ? 0 : GlowRadius; }
    int textFlags() const;
    QString shownText(const QFontMetrics& metrics, int width) const;
    QPoint glowOffset() const;
    // Takes the font's shape (not its colour) into the cached drawing font and metrics;
    // true when the shape changed.
    bool refreshFont();

    QString m_caption;
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    TGlowDirection m_glow = gldNone;
    TColor m_glowColor = clYellow;
    TTextWrapping m_wrapping = twNone;
    QImage m_glowImage; // cached; null when it must be drawn again
    QFont m_drawFont;
    QFontMetrics m_metrics { QFont() };
    QString m_fontName;
    int m_fontSize = 0;
    TFont::TFontStyles m_fontStyle;
};
