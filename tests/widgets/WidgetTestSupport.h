// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Helpers for the widget tests: sending PID values and catching problem reports.
#pragma once

#include "common/Messages.h"
#include "widgets/TControl.h"
#include "widgets/WidgetProblems.h"

#include <QStringList>

// Delivers WM_PID_CHANGED to the control's handler, as the panel does.
inline int64_t sendPid(TControl& control, uint64_t pid, float value)
{
    TMessage msg(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value));
    control.message(msg);
    return msg.Result;
}

// Collects the problem reports made while it lives.
class ProblemRecorder {
public:
    ProblemRecorder()
    {
        reports().clear();
        setWidgetProblemHandler(
            [](const QObject*, const QString& problem) { reports().append(problem); });
    }
    ~ProblemRecorder() { setWidgetProblemHandler(nullptr); }
    const QStringList& list() const { return reports(); }

private:
    static QStringList& reports()
    {
        static QStringList all;
        return all;
    }
};
