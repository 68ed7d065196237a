// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The problems of one profile load.
#include "profiles/ProfileReport.h"

#include "common/Texts.h"

#include <QApplication>
#include <QMessageBox>

void TProfileReport::add(int line, const QString& property, const QString& reason)
{
    ++m_total;
    if (m_problems.size() < MaxKept)
        m_problems.append(TProfileProblem { m_file, line, property, reason });
}

void TProfileReport::amendLast(const QString& hint)
{
    if (!m_problems.isEmpty() && m_problems.size() == m_total)
        m_problems.last().reason += QStringLiteral("; ") + hint;
}

void TProfileReport::markUnusable(int line, const QString& property, const QString& reason)
{
    m_unusable = true;
    add(line, property, reason);
}

QString TProfileReport::line(const TProfileProblem& problem)
{
    QString text = problem.file;
    if (problem.line > 0)
        text += QLatin1Char(':') + QString::number(problem.line);
    text += QStringLiteral(": ");
    if (!problem.property.isEmpty())
        text += problem.property + QStringLiteral(": ");
    return text + problem.reason;
}

QStringList TProfileReport::lines() const
{
    QStringList all;
    for (const TProfileProblem& problem : m_problems)
        all.append(line(problem));
    if (m_total > m_problems.size())
        all.append(Texts::text(Texts::ProfileReportMore).arg(m_total - m_problems.size()));
    return all;
}

namespace {

void logAndShow(const TProfileReport& report)
{
    const QStringList lines = report.lines();
    for (const QString& line : lines)
        qWarning("%s", qUtf8Printable(line));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const QString summary = report.unusable()
        ? Texts::text(Texts::ProfileReportUnusable).arg(report.file())
        : Texts::text(Texts::ProfileReportSummary).arg(report.file()).arg(report.count());
    QMessageBox box(QMessageBox::Warning, Texts::text(Texts::CaptionError), summary,
        QMessageBox::Ok, QApplication::activeWindow());
    box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.exec();
}

ProfileReportHandler& handler()
{
    static ProfileReportHandler current = logAndShow;
    return current;
}

} // namespace

ProfileReportHandler setProfileReportHandler(ProfileReportHandler newHandler)
{
    ProfileReportHandler previous = handler();
    handler() = newHandler ? std::move(newHandler) : ProfileReportHandler(logAndShow);
    return previous;
}

void deliverProfileReport(const TProfileReport& report)
{
    if (report.isEmpty())
        return;
    const ProfileReportHandler current = handler();
    current(report);
}
