// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The dashboard panel and its fan-out.
#include "widgets/TFordPanel.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

TFordPanel::TFordPanel(QWidget* parent)
    : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFordPanel::message(TMessage& msg)
{
    // WM_SLOTS_CLEARED and every other message stop here: no child is served.
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    // The same record goes to each direct child; a non-zero result stops the round.
    // Children are taken by index so that a handler which attaches or detaches
    // widgets cannot invalidate the walk.
    const QObjectList& kids = children();
    for (qsizetype i = 0; i < kids.size(); ++i) {
        if (auto* control = qobject_cast<TControl*>(kids.at(i))) {
            control->message(msg);
            if (msg.Result != 0)
                return;
        }
    }
}

void TFordPanel::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    painter.fillRect(e->rect(), paintColor(palette().color(QPalette::Window)));
}

void TFordPanel::childEvent(QChildEvent* e)
{
    if (e->child()->isWidgetType()) {
        if (e->added())
            e->child()->installEventFilter(this);
        else if (e->removed())
            e->child()->removeEventFilter(this);
        fitChildren();
    }
    TControl::childEvent(e);
}

bool TFordPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show
        || e->type() == QEvent::Hide)
        fitChildren();
    return TControl::eventFilter(watched, e);
}

void TFordPanel::fitChildren()
{
    updateGeometry();
}

QSize TFordPanel::minimumSizeHint() const
{
    QSize extent(0, 0);
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isHidden())
            extent = extent.expandedTo(
                QSize(widget->geometry().right() + 1, widget->geometry().bottom() + 1));
    }
    return extent;
}
