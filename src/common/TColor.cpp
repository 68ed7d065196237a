// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Colour identifiers, text forms and resolution of system colours through the palette.
#include "common/TColor.h"

#include "common/IntegerText.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct ColorName {
    TColor color;
    const char* name;
};

constexpr std::array<ColorName, 52> colorNames { {
    { clBlack, "clBlack" },
    { clMaroon, "clMaroon" },
    { clGreen, "clGreen" },
    { clOlive, "clOlive" },
    { clNavy, "clNavy" },
    { clPurple, "clPurple" },
    { clTeal, "clTeal" },
    { clGray, "clGray" },
    { clSilver, "clSilver" },
    { clRed, "clRed" },
    { clLime, "clLime" },
    { clYellow, "clYellow" },
    { clBlue, "clBlue" },
    { clFuchsia, "clFuchsia" },
    { clAqua, "clAqua" },
    { clWhite, "clWhite" },
    { clMoneyGreen, "clMoneyGreen" },
    { clSkyBlue, "clSkyBlue" },
    { clCream, "clCream" },
    { clMedGray, "clMedGray" },
    { clNone, "clNone" },
    { clDefault, "clDefault" },
    { systemColor(0), "clScrollBar" },
    { systemColor(1), "clBackground" },
    { systemColor(2), "clActiveCaption" },
    { systemColor(3), "clInactiveCaption" },
    { systemColor(4), "clMenu" },
    { systemColor(5), "clWindow" },
    { systemColor(6), "clWindowFrame" },
    { systemColor(7), "clMenuText" },
    { systemColor(8), "clWindowText" },
    { systemColor(9), "clCaptionText" },
    { systemColor(10), "clActiveBorder" },
    { systemColor(11), "clInactiveBorder" },
    { systemColor(12), "clAppWorkSpace" },
    { systemColor(13), "clHighlight" },
    { systemColor(14), "clHighlightText" },
    { systemColor(15), "clBtnFace" },
    { systemColor(16), "clBtnShadow" },
    { systemColor(17), "clGrayText" },
    { systemColor(18), "clBtnText" },
    { systemColor(19), "clInactiveCaptionText" },
    { systemColor(20), "clBtnHighlight" },
    { systemColor(21), "cl3DDkShadow" },
    { systemColor(22), "cl3DLight" },
    { systemColor(23), "clInfoText" },
    { systemColor(24), "clInfoBk" },
    { systemColor(26), "clHotLight" },
    { systemColor(27), "clGradientActiveCaption" },
    { systemColor(28), "clGradientInactiveCaption" },
    { systemColor(29), "clMenuHighlight" },
    { systemColor(30), "clMenuBar" },
} };

// The palette entry that plays the part of each system colour index.
QColor systemColorFromPalette(int index)
{
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const QPalette palette = gui ? QGuiApplication::palette() : QPalette();
    using R = QPalette::ColorRole;
    const auto active = [&](R role) { return palette.color(QPalette::Active, role); };
    const auto inactive = [&](R role) { return palette.color(QPalette::Inactive, role); };
    switch (index) {
    case 0:
        return active(R::Mid); // scroll bar
    case 1:
        return active(R::Window); // desktop
    case 2:
        return active(R::Highlight); // active caption
    case 3:
        return inactive(R::Highlight); // inactive caption
    case 4:
        return active(R::Window); // menu
    case 5:
        return active(R::Base); // window
    case 6:
        return active(R::Shadow); // window frame
    case 7:
        return active(R::WindowText); // menu text
    case 8:
        return active(R::Text); // window text
    case 9:
        return active(R::HighlightedText); // caption text
    case 10:
        return active(R::Window); // active border
    case 11:
        return active(R::Window); // inactive border
    case 12:
        return active(R::Dark); // application workspace
    case 13:
        return active(R::Highlight);
    case 14:
        return active(R::HighlightedText);
    case 15:
        return active(R::Button); // button face
    case 16:
        return active(R::Dark); // button shadow
    case 17:
        return palette.color(QPalette::Disabled, R::Text); // grey text
    case 18:
        return active(R::ButtonText);
    case 19:
        return inactive(R::HighlightedText); // inactive caption text
    case 20:
        return active(R::Light); // button highlight
    case 21:
        return active(R::Shadow); // 3D dark shadow
    case 22:
        return active(R::Midlight); // 3D light
    case 23:
        return active(R::ToolTipText);
    case 24:
        return active(R::ToolTipBase);
    case 26:
        return active(R::Link); // hot-tracked item
    case 27:
        return active(R::Highlight);
    case 28:
        return inactive(R::Highlight);
    case 29:
        return active(R::Highlight); // menu highlight
    case 30:
        return active(R::Window); // menu bar
    default:
        return QColor(0, 0, 0); // the system gives black for unknown indexes
    }
}

} // namespace

QColor TColor::toQColor() const
{
    if (*this == clNone)
        return QColor(Qt::transparent);
    if (*this == clDefault)
        return QColor();
    if (isSystem())
        return systemColorFromPalette(value & 0xFF);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor TColor::toQColor(const QColor& fallback) const
{
    return isSpecial() ? fallback : toQColor();
}

QString TColor::toText() const
{
    for (const ColorName& entry : colorNames)
        if (entry.color == *this)
            return QString::fromLatin1(entry.name);
    return QStringLiteral("$%1").arg(uint32_t(value), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> TColor::fromText(const QString& text)
{
    for (const ColorName& entry : colorNames)
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.color;
    if (const std::optional<int> number = parseInteger(text.toLatin1()))
        return TColor(*number);
    return std::nullopt;
}
