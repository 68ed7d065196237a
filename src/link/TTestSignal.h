// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The built-in test signal: a GUI-thread timer that stores a repeating wave for PID 255
// and tells the dashboard panel about each new value.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>

class TFordData;

class TTestSignal : public QObject {
    Q_OBJECT

public:
    // intervalMs is the timer's real interval (100 ms, shorter for scaled tests).
    TTestSignal(TFordData& store, int intervalMs, QObject* parent = nullptr);

    // The panel that receives WM_PID_CHANGED (255, 0); none by default.
    void setPanel(QObject* panel) { m_panel = panel; }
    bool isActive() const { return m_timer.isActive(); }

    // The value of step n with the random part r (0 to 39).
    static uint16_t value(int step, int r);

    // Asks, from any thread, for the timer to be switched on when off and off when on.
    void postToggle();

public slots:
    // Switches the timer; runs on the GUI thread.
    void toggle();
    void TestSignalTick();

protected:
    void customEvent(QEvent* event) override;

private:
    TFordData& m_store;
    QTimer m_timer;
    QPointer<QObject> m_panel;
    int m_testStep = 0;
};
