// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One calibration of the ECU calibration database.
#pragma once

#include <QString>

struct TEECProfile {
    QString Model;
    QString Hw;
    QString Disp;
    QString Years;
    QString ProductCode;
    QString FINIS;
    QString CatchCode;
    bool PATS = false;
    QString Strategy;
};
