// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The published font object.
#include "common/TFont.h"

#include <QGuiApplication>
#include <cmath>

namespace {

constexpr int MaxPixelSize = 2000; // larger glyphs only cost memory and time

// a·b/c rounded, kept within the int range whatever a is.
int mulDiv(int a, int b, int c)
{
    return int(qBound(-2147483647.0, std::round(double(a) * b / c), 2147483647.0));
}

} // namespace

TFont::TFont(QObject* parent)
    : QObject(parent)
{
    // Without a GUI application (a console tool) there is no toolkit font to ask.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_name = QStringLiteral("Sans Serif");
        return;
    }
    const QFont base = QGuiApplication::font();
    m_name = base.family();
    if (base.pointSize() > 0)
        m_size = base.pointSize();
}

void TFont::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit changed();
}

void TFont::setSize(int size)
{
    if (size == m_size)
        return;
    m_size = size;
    emit changed();
}

int TFont::Height() const
{
    return -mulDiv(m_size, PixelsPerInch, 72);
}

void TFont::setHeight(int height)
{
    setSize(-mulDiv(height, 72, PixelsPerInch));
}

void TFont::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit changed();
}

void TFont::setStyle(TFontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

void TFont::assign(const TFont& other)
{
    if (sameAs(other))
        return;
    m_name = other.m_name;
    m_size = other.m_size;
    m_color = other.m_color;
    m_style = other.m_style;
    emit changed();
}

bool TFont::sameAs(const TFont& other) const
{
    return m_name == other.m_name && m_size == other.m_size && m_color == other.m_color
        && m_style == other.m_style;
}

int TFont::pixelSize() const
{
    const int pixels = mulDiv(m_size, PixelsPerInch, 72);
    return pixels < 0 ? -pixels : pixels;
}

QFont TFont::toQFont(double scale) const
{
    QFont font(m_name);
    const double pixels = double(pixelSize()) * (std::isfinite(scale) ? scale : 1.0);
    font.setPixelSize(int(qBound(1.0, std::round(pixels), double(MaxPixelSize))));
    font.setBold(m_style.testFlag(fsBold));
    font.setItalic(m_style.testFlag(fsItalic));
    font.setUnderline(m_style.testFlag(fsUnderline));
    font.setStrikeOut(m_style.testFlag(fsStrikeOut));
    return font;
}
