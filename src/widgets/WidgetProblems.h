// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The one place where dashboard widgets report a property value they cannot work with;
// the profile loader or the main window may direct it, the default writes a warning.
#pragma once

#include <QString>
#include <QStringList>

class QObject;

using WidgetProblemHandler = void (*)(const QObject* widget, const QString& problem);

// Directs every later report to handler; nullptr restores the warning on the log.
// Returns the handler in force before, so that a caller can put it back.
WidgetProblemHandler setWidgetProblemHandler(WidgetProblemHandler handler);
void reportWidgetProblem(const QObject* widget, const QString& problem);

// Lets a widget report each distinct problem once, so that a bad format does not bring
// one report per arriving value.
class TProblemLatch {
public:
    void report(const QObject* widget, const QString& problem);

private:
    static constexpr int MaxRemembered = 64;
    QStringList m_reported;
};
