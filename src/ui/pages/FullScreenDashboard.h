// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The active dashboard alone on a whole screen, for a mechanic who reads it from the
// driver's seat: a second view of the live page's scene, fitted as the page fits it, with
// the module's state and the stream's cycle in its top-right corner, on a strip above. The main
// window behind it is left as it is, so closing this view brings it back unchanged. Esc or F11
// closes it.
#pragma once

#include "ui/model/LinkStatus.h"

#include <QWidget>

class GlowLabel;
class QGraphicsView;
class QScreen;

class FullScreenDashboard : public QWidget {
    Q_OBJECT

public:
    // source: the live page's view; owner: the window it covers.
    FullScreenDashboard(QGraphicsView* source, QWidget* owner);

    // Shows the dashboard on the whole of screen (the owner's when null).
    void open(QScreen* screen);
    bool isOpen() const { return isVisible(); }
    void showModule(const StatusText& module);
    // The interval between complete cycles of the stream, as the matrix shows it.
    void showCycle(const QString& interval);
    // The scale the dashboard is drawn at.
    double scale() const;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showCorner();

    QGraphicsView* m_source;
    QGraphicsView* m_view;
    GlowLabel* m_corner;
    StatusText m_module;
    QString m_cycle;
};
