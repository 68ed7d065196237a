// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Helpers for the profile tests: catching definition reports and applying definitions.
#pragma once

#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileReport.h"
#include "profiles/PropertyDefinitions.h"

#include <QObject>
#include <QStringList>

// Collects the definition reports (message and detail) made while it lives.
class DefinitionRecorder {
public:
    DefinitionRecorder()
    {
        m_previous
            = setDefinitionErrorReporter([this](const QString& message, const QString& detail) {
                  messages.append(message);
                  details.append(detail);
              });
    }
    ~DefinitionRecorder() { setDefinitionErrorReporter(m_previous); }
    DefinitionRecorder(const DefinitionRecorder&) = delete;
    DefinitionRecorder& operator=(const DefinitionRecorder&) = delete;

    QStringList messages;
    QStringList details;

private:
    DefinitionErrorReporter m_previous;
};

// One definition as a profile line gives it: the path as text, the value as UTF-8 bytes.
inline bool define(
    QObject* target, const char* path, const QByteArray& value, QObject* owner = nullptr)
{
    return ApplyDefinition(owner, target, QString::fromUtf8(path), value);
}

// Collects the reports of profile loads handed out while it lives.
class ReportRecorder {
public:
    ReportRecorder()
    {
        m_previous = setProfileReportHandler(
            [this](const TProfileReport& report) { reports.append(report); });
    }
    ~ReportRecorder() { setProfileReportHandler(m_previous); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    // All problems of all reports, one "file:line: property: reason" line each.
    QStringList lines() const
    {
        QStringList all;
        for (const TProfileReport& report : reports)
            all += report.lines();
        return all;
    }

    QList<TProfileReport> reports;

private:
    ProfileReportHandler m_previous;
};
