// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/CommandLine.h"

#include "common/Version.h"

#include <QCommandLineParser>
#include <cstdio>

QStringList splitOptionValues(const QStringList& arguments, const QStringList& valueOptions)
{
    QStringList split;
    split.reserve(arguments.size());
    for (const QString& argument : arguments) {
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(QLatin1String("--")) && equals > 2
            && valueOptions.contains(argument.left(equals))) {
            split << argument.left(equals) << argument.mid(equals + 1);
        } else {
            split << argument;
        }
    }
    return split;
}

std::optional<int> parseStandardOptions(
    QCommandLineParser& parser, const QStringList& arguments, const char* program)
{
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n", program, qUtf8Printable(parser.errorText()));
        return BadArgumentsExit;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s\n", qUtf8Printable(versionLine(QString::fromUtf8(program))));
        return 0;
    }
    return std::nullopt;
}
