// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window's own test signal: the 100 ms timer TimerTest that stores the next value of
// the wave as PID 255 in a data store and tells the dashboard panel about it (with the
// value 0: the panel reads nothing from the message). Independent of the link's own signal.
#pragma once

#include "ui/model/TestSignalWave.h"

#include <QObject>
#include <QPointer>

class QTimer;
class TFordData;

class WindowTestSignal : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 100;
    static constexpr uint8_t Pid = 255;

    explicit WindowTestSignal(QObject* parent = nullptr);

    // The store that receives the values, and the panel that is told of them.
    void setStore(TFordData* store) { m_store = store; }
    void setPanel(QObject* panel) { m_panel = panel; }
    bool isActive() const;
    void toggle();
    // One step, as the timer runs it.
    void TimerTestTimer();
    const TestSignalWave& wave() const { return m_wave; }

signals:
    // A value was stored.
    void stepped(int16_t value);

private:
    QTimer* m_timer;
    QPointer<TFordData> m_store;
    QPointer<QObject> m_panel;
    TestSignalWave m_wave;
};
