// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// "Мин., макс., среднее": for each PID the dashboard shows, its least, greatest and mean
// value since the stream started, refreshed every second while the window stays open.
#pragma once

#include "ui/model/PidStatistics.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QTableWidget;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // pids: the PIDs to list, asked again at each refresh (the dashboard may change).
    StatisticsDialog(const PidStatistics& statistics, std::function<QList<uint8_t>()> pids,
        QWidget* parent = nullptr);

    void refresh();

private:
    const PidStatistics& m_statistics;
    std::function<QList<uint8_t>()> m_pids;
    QTableWidget* m_table;
    QTimer m_timer;
};
