// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A published font object: Name, Size (points), Height (pixels at 96 dpi), Color, Style.
#pragma once

#include "common/TColor.h"

#include <QFont>
#include <QObject>
#include <QString>

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    // Negative: character height without internal leading, as Size at 96 dpi gives it.
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TFontStyles Style READ Style WRITE setStyle)

public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    static constexpr int PixelsPerInch = 96;

    // Starts as the toolkit's default font in clWindowText.
    explicit TFont(QObject* parent = nullptr);

    QString Name() const { return m_name; }
    void setName(const QString& name);
    int Size() const { return m_size; }
    void setSize(int size);
    int Height() const;
    void setHeight(int height);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TFontStyles Style() const { return m_style; }
    void setStyle(TFontStyles style);

    // Copies every attribute of the other font (one changed() at most).
    void assign(const TFont& other);
    // The same for a font property's setter: nullptr and the font itself change nothing.
    void assignFrom(const TFont* other)
    {
        if (other && other != this)
            assign(*other);
    }
    bool sameAs(const TFont& other) const;

    // The font for drawing at `scale` times its size; the pixel size is kept within
    // what can sensibly be drawn, whatever Size says.
    QFont toQFont(double scale = 1.0) const;
    // The pixel height at 96 dpi, as Windows draws a font of this point size.
    int pixelSize() const;

signals:
    void changed();

private:
    QString m_name;
    int m_size = 9;
    TColor m_color = clWindowText;
    TFontStyles m_style;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)
