// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The base of every dashboard control: position, size, visibility, colour, font and hint
// as published properties, and the window-message entry the dashboard panel calls.
#pragma once

#include "common/Messages.h"
#include "common/TColor.h"
#include "common/TFont.h"

#include <QWidget>

class TControl : public QWidget {
    Q_OBJECT
    // The component name: profile warnings name the control by it.
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    // Shown only while the control also has a parent: a control configured before it is
    // attached to the panel must not open a window of its own.
    Q_PROPERTY(bool Visible READ Visible WRITE setVisibleState)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TFont* Font READ Font WRITE assignFont)
    // True until the font is changed: the control then takes its parent's font when attached.
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE setParentFont)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    // The edges the control keeps its distance to; stored for the profiles that set it, the
    // dashboard panel does not resize its widgets.
    Q_PROPERTY(TAnchors Anchors READ Anchors WRITE setAnchors)

public:
    enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)

    // Positions and sizes beyond these are refused and reported: a slip of the keyboard in
    // a profile must not make a control allocate gigabytes for its images.
    static constexpr int MaxPosition = 32767;
    static constexpr int MaxExtent = 8192;

    explicit TControl(QWidget* parent = nullptr);

    int Left() const { return x(); }
    void setLeft(int left);
    int Top() const { return y(); }
    void setTop(int top);
    int Width() const { return width(); }
    void setWidth(int width);
    int Height() const { return height(); }
    void setHeight(int height);
    bool Visible() const { return m_visible; }
    void setVisibleState(bool visible);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TFont* Font() const { return m_font; }
    // Copies the attributes of the given font; nullptr changes nothing.
    void assignFont(TFont* font) { m_font->assignFrom(font); }
    bool ParentFont() const { return m_parentFont; }
    void setParentFont(bool parentFont);
    QString Hint() const { return toolTip(); }
    void setHint(const QString& hint) { setToolTip(hint); }
    TAnchors Anchors() const { return m_anchors; }
    void setAnchors(TAnchors anchors) { m_anchors = anchors; }

    // A window message delivered directly (the panel's fan-out) or as an event.
    virtual void message(TMessage& msg);
    // The bytes of the off-screen images the control keeps at its present size and
    // settings (on a screen of pixel ratio 1), made or not yet: what a dashboard budgets.
    virtual qint64 imageBytes() const { return 0; }

protected:
    bool event(QEvent* e) override;
    // Called after Color or the font changed; the default repaints.
    virtual void colorChanged();
    virtual void fontChanged();
    // The colour for painting: Color resolved, the fallback for clNone and clDefault.
    QColor paintColor(const QColor& fallback) const { return m_color.toQColor(fallback); }

    TColor m_color = clBtnFace;

private:
    bool acceptPosition(const char* name, int value);
    bool acceptExtent(const char* name, int value);
    void applyParentFont();
    void applyVisibility();

    TFont* m_font;
    bool m_visible = true;
    bool m_parentFont = true;
    bool m_takingParentFont = false;
    TAnchors m_anchors = TAnchors(akLeft | akTop);
};
