// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the three programs' command lines have in common: "--name=value" as well as
// "--name value", and the standard --help, --version and exit code 2 for bad arguments.
#pragma once

#include <QStringList>
#include <optional>

class QCommandLineParser;

// The exit code of every program for arguments it cannot take.
inline constexpr int BadArgumentsExit = 2;

// "--name=value" becomes "--name", "value" for each option in valueOptions ("--home",
// "--seconds"); the value is everything after the first "=", so "--set=12=3" keeps "12=3".
// Other arguments are left as they stand, so that an unknown option is still refused.
QStringList splitOptionValues(const QStringList& arguments, const QStringList& valueOptions);

// Parses arguments with parser (its help and version options added) and answers what
// program needs no further work for: the help or the version printed on stdout (0), or
// the reason for bad arguments on stderr, "program: reason" (2). Nothing when the program
// goes on.
std::optional<int> parseStandardOptions(
    QCommandLineParser& parser, const QStringList& arguments, const char* program);
