// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The problems of one profile load, collected so that they reach the user once and whole:
// one dialog with the list (file, line, property, reason), each problem also in the log.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct TProfileProblem {
    QString file;
    int line = 0; // 0: the file as a whole
    QString property; // the definition's path as written; empty for the file as a whole
    QString reason;
};

class TProfileReport {
public:
    // Problems beyond this many are counted, not kept: a broken file must not make a list
    // that no one can read or the memory cannot hold.
    static constexpr int MaxKept = 500;

    explicit TProfileReport(const QString& file = {})
        : m_file(file)
    {
    }

    QString file() const { return m_file; }
    void add(int line, const QString& property, const QString& reason);
    // Adds to the reason of the last problem (a hint that belongs to it).
    void amendLast(const QString& hint);
    // The profile cannot be shown at all (nothing was built): the reason is a problem too.
    void markUnusable(int line, const QString& property, const QString& reason);

    bool isEmpty() const { return m_total == 0; }
    int count() const { return m_total; }
    bool unusable() const { return m_unusable; }
    const QList<TProfileProblem>& problems() const { return m_problems; }
    // One line per problem, "file:line: property: reason", and one for those not kept.
    QStringList lines() const;
    static QString line(const TProfileProblem& problem);

private:
    QString m_file;
    QList<TProfileProblem> m_problems;
    int m_total = 0;
    bool m_unusable = false;
};

using ProfileReportHandler = std::function<void(const TProfileReport& report)>;

// Directs the report of every later load to handler (the main window shows it in its own
// dialog, the preview prints it); an empty one restores the default: each line in the log,
// then one warning box with the whole list. Returns the handler in force before.
ProfileReportHandler setProfileReportHandler(ProfileReportHandler handler);
// Hands a non-empty report to the handler; an empty one goes nowhere.
void deliverProfileReport(const TProfileReport& report);
