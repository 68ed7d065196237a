// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// While the engine self-test runs: which test, the seconds gone and left of the link's
// limit, what the mechanic does meanwhile, and the button that ends the exchange.
#pragma once

#include "ui/model/SelfTestGuide.h"

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

class SelfTestPanel : public QFrame {
    Q_OBJECT

public:
    explicit SelfTestPanel(QWidget* parent = nullptr);
    // A test starts: its steps, and the countdown from maxTestTime seconds.
    void start(SelfTestKind kind, int maxTestTime);
    // elapsedMs on the link's clock.
    void showElapsed(qint64 elapsedMs);

signals:
    void cancelRequested();

private:
    QLabel* laTestTitle;
    QLabel* laTestCountdown;
    QProgressBar* pbTestTime;
    QLabel* laTestMoments;
    QPushButton* btCancelTest;
    int m_maxTestTime = 0;
};
