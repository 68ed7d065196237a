// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Brings a dropped live data stream back: after the adapter is lost mid-stream it asks for
// a connection at growing intervals, checks that the module answers from the same car (the
// calibration code before the drop) and then asks for the stream it had. Knows no widgets
// and no timers: the caller runs the steps it returns.
#pragma once

#include "LinkStatus.h"

#include <QString>

class Reconnector {
public:
    enum class State {
        Idle, // no stream to bring back
        Streaming, // the user's live data stream runs
        Waiting, // lost; the next attempt is due after Step::DelayMs
        Connecting, // cmdConnect with a handshake is under way
        Lost, // lost with reconnecting off: only reported
        Refused, // the module came back from another car: the stream stays stopped
    };

    struct Step {
        enum Kind {
            None,
            Wait, // start the timer for DelayMs, then call retryDue()
            Connect, // post cmdConnect with a handshake
            StartData, // post cmdStartData with table()
            Refuse, // another car: log statusText() and stay stopped
        };
        Kind Do = None;
        int DelayMs = 0;
    };

    static constexpr int FirstDelayMs = 1000;
    static constexpr int MaxDelayMs = 30000;

    // timeScale: the link's time scale (1.0 in the product, less in tests).
    explicit Reconnector(double timeScale = 1.0);

    // Off: a lost stream is only reported, and attempts under way stop.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }

    // The user asked for live data from the table: this is the stream to bring back.
    void streamStarted(char table);
    // The user ended the stream or took the link for something else (a command, Disconnect).
    void stop();
    // A calibration code the link read (evCalibration). Before a drop it names the car.
    Step calibrationRead(const QString& code);
    // The port failed or the stream fell silent.
    Step streamLost();
    // The delay of the last Wait step has passed.
    Step retryDue();
    // The link finished cmdConnect; without the same car's code by now the attempt failed.
    Step connectDone();

    State state() const { return m_state; }
    char table() const { return m_table; }
    QString expectedCode() const { return m_code; }
    // The attempts made since the drop.
    int attempts() const { return m_attempts; }
    // What the status bar shows of it; empty text while nothing was lost.
    StatusText statusText() const;

    // The pause before attempt number attempt (from 0): 1, 2, 4, 8, 16 then 30 s, scaled.
    int delayMs(int attempt) const;

private:
    static int nominalDelayMs(int attempt);
    Step waitNext();

    double m_timeScale;
    bool m_enabled = true;
    State m_state = State::Idle;
    char m_table = 0;
    QString m_code;
    QString m_foundCode;
    int m_attempts = 0;
    bool m_resumed = false;
};
