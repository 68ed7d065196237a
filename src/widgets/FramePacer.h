// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Limits the repaints that new readings cause to one per frame. Readings come many times a
// second per PID and each used to repaint its widget at once; the eye gains nothing from
// more than a few dozen frames a second, the processor loses a paint for each. The first
// request after a quiet spell repaints at once, so a single reading is not held back.
#pragma once

#include <QElapsedTimer>
#include <functional>

class QWidget;

class FramePacer {
public:
    // `repaint` marks what a reading changes; the whole widget when none is given.
    FramePacer(QWidget* widget, int frameMs, std::function<void()> repaint = {})
        : m_widget(widget)
        , m_frameMs(frameMs)
        , m_repaint(std::move(repaint))
    {
    }

    // Asks for a repaint: now if the last paint is a frame or more ago, else at the end of
    // the frame. Requests in between are one repaint.
    void request();
    // Called when the widget paints, for whatever reason.
    void painted() { m_lastPaint.start(); }

    int frameMs() const { return m_frameMs; }

private:
    void repaint();

    QWidget* m_widget;
    int m_frameMs;
    std::function<void()> m_repaint;
    QElapsedTimer m_lastPaint;
    bool m_queued = false;
};
