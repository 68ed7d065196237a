// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Reporting of widget problems.
#include "widgets/WidgetProblems.h"

#include <QObject>
#include <QtGlobal>
#include <atomic>

namespace {

void warnOnLog(const QObject* widget, const QString& problem)
{
    const QString who = widget ? QString::fromLatin1(widget->metaObject()->className())
            + QLatin1Char(' ') + widget->objectName()
                               : QString();
    qWarning("%s: %s", qUtf8Printable(who.trimmed()), qUtf8Printable(problem));
}

std::atomic<WidgetProblemHandler> handler { &warnOnLog };

} // namespace

WidgetProblemHandler setWidgetProblemHandler(WidgetProblemHandler newHandler)
{
    return handler.exchange(newHandler ? newHandler : &warnOnLog);
}

void reportWidgetProblem(const QObject* widget, const QString& problem)
{
    handler.load()(widget, problem);
}

void TProblemLatch::report(const QObject* widget, const QString& problem)
{
    if (m_reported.contains(problem) || m_reported.size() >= MaxRemembered)
        return;
    m_reported.append(problem);
    reportWidgetProblem(widget, problem);
}
