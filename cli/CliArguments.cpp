// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliArguments.h"

#include "CliCommand.h"
#include "common/CommandLine.h"

#include <QFileInfo>

CliArguments::CliArguments(
    const QStringList& given, const QStringList& valueOptions, const QStringList& flags)
{
    const QStringList arguments = splitOptionValues(given, valueOptions);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (valueOptions.contains(argument)) {
            if (i + 1 >= arguments.size())
                throw CliUsageError(QStringLiteral("%1 needs a value").arg(argument));
            m_values.insert(argument, arguments[++i]);
        } else if (flags.contains(argument)) {
            m_values.insert(argument, QString());
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            throw CliUsageError(QStringLiteral("unknown option %1").arg(argument));
        } else {
            m_words << argument;
        }
    }
}

std::optional<QString> CliArguments::value(const QString& option) const
{
    const auto found = m_values.constFind(option);
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

int CliArguments::number(const QString& option, const QString& text, int min, int max)
{
    bool ok = false;
    const int value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
        ? text.mid(2).toInt(&ok, 16)
        : text.toInt(&ok, 10);
    if (!ok || value < min || value > max)
        throw CliUsageError(
            QStringLiteral("%1 needs a number from %2 to %3").arg(option).arg(min).arg(max));
    return value;
}

QString CliArguments::outputFile(const QString& option, const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (path.isEmpty())
        reason = QStringLiteral("is empty");
    else if (!folder.isDir())
        reason = QStringLiteral("lies in %1, which is no folder").arg(folder.filePath());
    else if (!folder.isWritable())
        reason = QStringLiteral("lies in %1, which takes no new files").arg(folder.filePath());
    else if (file.isDir())
        reason = QStringLiteral("is a folder");
    else if (file.exists() && !file.isWritable())
        reason = QStringLiteral("cannot be overwritten");
    if (!reason.isEmpty())
        throw CliUsageError(QStringLiteral("%1 %2 %3").arg(option, path, reason));
    return file.absoluteFilePath();
}

char CliArguments::table(const CliArguments& args)
{
    const auto table = args.value("--table");
    if (!table)
        return 'P';
    if (*table != "P" && *table != "T")
        throw CliUsageError(QStringLiteral("--table is P or T"));
    return table->front().toLatin1();
}

std::optional<std::chrono::milliseconds> CliArguments::seconds(const CliArguments& args)
{
    const auto seconds = args.value("--seconds");
    if (!seconds)
        return std::nullopt;
    return std::chrono::seconds(CliArguments::number("--seconds", *seconds, 1, 86400));
}

PidCsv::Dialect CliArguments::csvDialect(const CliArguments& args)
{
    const auto locale = args.value("--csv-locale");
    if (!locale)
        return {};
    const auto dialect = PidCsv::dialect(*locale);
    if (!dialect)
        throw CliUsageError(QStringLiteral("--csv-locale is ru or en"));
    return *dialect;
}
