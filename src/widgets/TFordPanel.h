// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The dashboard panel: carries the widgets of the active dashboard and hands every
// WM_PID_CHANGED to its direct children, in child order.
#pragma once

#include "widgets/TControl.h"

// Scrolling comes from the QScrollArea the window puts the panel in: the panel's minimum
// size follows its children, so the scroll area shows scroll bars when they reach beyond it.
class TFordPanel : public TControl {
    Q_OBJECT

public:
    explicit TFordPanel(QWidget* parent = nullptr);

    void message(TMessage& msg) override;
    // The extent of the visible children, so that a scroll area can show them all.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void childEvent(QChildEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void fitChildren();
};
