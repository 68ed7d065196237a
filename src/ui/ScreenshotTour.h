// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The --screenshots run: waits until the window is connected to the module and has matched
// the calibration code, reads the fault codes, streams live data for a few seconds, saves a
// picture of every page and the report as PDF (9-report.pdf) into a folder and closes the
// window. It also reports how long start-up took.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class TfrmVeskorReader;

class ScreenshotTour : public QObject {
    Q_OBJECT

public:
    // started: running since the process began.
    ScreenshotTour(TfrmVeskorReader& window, QString folder, QElapsedTimer started);
    void start();

private:
    void step();
    void shoot();

    TfrmVeskorReader& m_window;
    QString m_folder;
    QElapsedTimer m_started;
    QElapsedTimer m_stage;
    int m_state = 0;
};
