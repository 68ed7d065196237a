// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Before the engine self-test: lists what KOEO or KOER needs of the car and asks which test
// the car is ready for. Shown through Prompts::runDialog, so tests answer it without a
// modal loop.
#pragma once

#include "ui/model/SelfTestGuide.h"

#include <QDialog>

class QLabel;
class QRadioButton;

class SelfTestDialog : public QDialog {
    Q_OBJECT

public:
    SelfTestDialog(SelfTestKind kind, QWidget* parent = nullptr);
    SelfTestKind kind() const;

private:
    static QString stepsHtml(SelfTestKind kind);
    void showSteps();

    QRadioButton* rbKoeo;
    QRadioButton* rbKoer;
    QLabel* laSelfTestSteps;
};
