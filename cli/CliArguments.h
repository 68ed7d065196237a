// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A command's own arguments: options with a value (--table P), flags (--full) and words
// (read), checked against what the command accepts.
#pragma once

#include "recording/PidCsv.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

class CliArguments {
public:
    // valueOptions take the next argument ("--table P", "-o F") or their own after "="
    // ("--table=P"); flags stand alone. Raises
    // CliUsageError for an unknown option or a missing value.
    CliArguments(const QStringList& arguments, const QStringList& valueOptions,
        const QStringList& flags = {});

    bool isSet(const QString& option) const { return m_values.contains(option); }
    std::optional<QString> value(const QString& option) const;
    // The arguments that are no option, in order.
    const QStringList& words() const { return m_words; }

    // A whole number from min to max, decimal or with 0x; raises CliUsageError otherwise.
    static int number(const QString& option, const QString& text, int min, int max);

    // The stream commands' --table: P (the default) or T; raises CliUsageError otherwise.
    static char table(const CliArguments& args);
    // Their --seconds: 1 to 86400, none without the option.
    static std::optional<std::chrono::milliseconds> seconds(const CliArguments& args);

    // The CSV commands' --csv-locale: "ru" for a Russian spreadsheet, or "en" (the
    // default); raises CliUsageError otherwise.
    static PidCsv::Dialect csvDialect(const CliArguments& args);

    // The absolute path of a file the command will write, checked before any long read:
    // its folder exists and takes files, and no folder or read-only file stands in its
    // place. Raises CliUsageError otherwise.
    static QString outputFile(const QString& option, const QString& path);

private:
    QMap<QString, QString> m_values;
    QStringList m_words;
};
