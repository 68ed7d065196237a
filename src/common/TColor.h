// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program's colour type: $00BBGGRR for RGB, $FF000000 + index for a system colour,
// clNone and clDefault; its identifiers, its text forms and its resolution to a QColor.
#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>

// A distinct type (not int) so that the published-property machinery can tell a colour
// property from an integer one.
struct TColor {
    int32_t value = 0;

    constexpr TColor() = default;
    constexpr explicit TColor(int32_t v)
        : value(v)
    {
    }
    static constexpr TColor fromRgb(int r, int g, int b)
    {
        return TColor(
            int32_t(uint32_t(r & 0xFF) | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF) << 16));
    }

    constexpr bool operator==(const TColor&) const = default;

    constexpr bool isSystem() const { return value < 0; }
    // clNone and clDefault stand for no colour of their own.
    constexpr bool isSpecial() const;

    // The colour as RGB: system colours through the application palette. clNone gives a
    // transparent colour and clDefault an invalid one, so a caller can choose its fallback.
    QColor toQColor() const;
    // Like toQColor, but clNone and clDefault give the fallback.
    QColor toQColor(const QColor& fallback) const;

    // Identifier when the value has one, otherwise "$" and eight upper-case hex digits.
    QString toText() const;
    // An identifier (any case) or a whole number, decimal or hexadecimal after "$" or "0x".
    static std::optional<TColor> fromText(const QString& text);
};

inline constexpr TColor clBlack { 0x000000 };
inline constexpr TColor clMaroon { 0x000080 };
inline constexpr TColor clGreen { 0x008000 };
inline constexpr TColor clOlive { 0x008080 };
inline constexpr TColor clNavy { 0x800000 };
inline constexpr TColor clPurple { 0x800080 };
inline constexpr TColor clTeal { 0x808000 };
inline constexpr TColor clGray { 0x808080 };
inline constexpr TColor clSilver { 0xC0C0C0 };
inline constexpr TColor clRed { 0x0000FF };
inline constexpr TColor clLime { 0x00FF00 };
inline constexpr TColor clYellow { 0x00FFFF };
inline constexpr TColor clBlue { 0xFF0000 };
inline constexpr TColor clFuchsia { 0xFF00FF };
inline constexpr TColor clAqua { 0xFFFF00 };
inline constexpr TColor clWhite { 0xFFFFFF };
inline constexpr TColor clMoneyGreen { 0xC0DCC0 };
inline constexpr TColor clSkyBlue { 0xF0CAA6 };
inline constexpr TColor clCream { 0xF0FBFF };
inline constexpr TColor clMedGray { 0xA4A0A0 };
inline constexpr TColor clNone { 0x1FFFFFFF };
inline constexpr TColor clDefault { 0x20000000 };

// System colours: $FF000000 plus the operating system's colour index.
inline constexpr TColor systemColor(int index)
{
    return TColor(int32_t(0xFF000000u | uint32_t(index)));
}
inline constexpr TColor clWindow = systemColor(5);
inline constexpr TColor clWindowText = systemColor(8);
inline constexpr TColor clBtnFace = systemColor(15);

constexpr bool TColor::isSpecial() const
{
    return *this == clNone || *this == clDefault;
}

Q_DECLARE_METATYPE(TColor)
