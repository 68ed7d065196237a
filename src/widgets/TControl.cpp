// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The base dashboard control.
#include "widgets/TControl.h"

#include "common/Texts.h"
#include "widgets/WidgetProblems.h"

TControl::TControl(QWidget* parent)
    : QWidget(parent)
    , m_font(new TFont(this))
{
    connect(m_font, &TFont::changed, this, [this] {
        if (!m_takingParentFont)
            m_parentFont = false;
        fontChanged();
    });
    if (parent) {
        applyParentFont();
        applyVisibility();
    }
}

void TControl::setLeft(int left)
{
    if (acceptPosition("Left", left))
        move(left, y());
}

void TControl::setTop(int top)
{
    if (acceptPosition("Top", top))
        move(x(), top);
}

void TControl::setWidth(int width)
{
    if (acceptExtent("Width", width))
        resize(width, height());
}

void TControl::setHeight(int height)
{
    if (acceptExtent("Height", height))
        resize(width(), height);
}

bool TControl::acceptPosition(const char* name, int value)
{
    if (value >= -MaxPosition && value <= MaxPosition)
        return true;
    reportWidgetProblem(this,
        Texts::text(Texts::ControlOutOfRange)
            .arg(QLatin1String(name))
            .arg(value)
            .arg(-MaxPosition)
            .arg(MaxPosition));
    return false;
}

bool TControl::acceptExtent(const char* name, int value)
{
    if (value >= 0 && value <= MaxExtent)
        return true;
    reportWidgetProblem(this,
        Texts::text(Texts::ControlOutOfRange)
            .arg(QLatin1String(name))
            .arg(value)
            .arg(0)
            .arg(MaxExtent));
    return false;
}

void TControl::setVisibleState(bool visible)
{
    m_visible = visible;
    if (parentWidget())
        QWidget::setVisible(visible);
}

void TControl::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    colorChanged();
}

void TControl::setParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    if (parentFont)
        applyParentFont();
}

void TControl::message(TMessage&)
{
}

bool TControl::event(QEvent* e)
{
    if (e->type() == Msg::WM_PID_CHANGED || e->type() == Msg::WM_SLOTS_CLEARED) {
        if (auto* msg = dynamic_cast<TMessage*>(e)) {
            message(*msg);
            return true;
        }
    }
    // The new parent is applied once setParent has finished: Qt hides a reparented widget
    // after this event, which would undo a show made here.
    if (e->type() == QEvent::ParentChange) {
        applyParentFont();
        QMetaObject::invokeMethod(this, &TControl::applyVisibility, Qt::QueuedConnection);
    }
    return QWidget::event(e);
}

void TControl::colorChanged()
{
    update();
}

void TControl::fontChanged()
{
    update();
}

void TControl::applyParentFont()
{
    auto* parent = qobject_cast<TControl*>(parentWidget());
    if (!m_parentFont || !parent)
        return;
    m_takingParentFont = true;
    m_font->assign(*parent->Font());
    m_takingParentFont = false;
}

// A new parent hides a widget; show it again if it is meant to be seen.
void TControl::applyVisibility()
{
    if (parentWidget())
        QWidget::setVisible(m_visible);
}
