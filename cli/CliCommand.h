// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The commands of veskor-cli: a name, a line of help and the procedure that runs it.
#pragma once

#include "CliSession.h"
#include "common/Errors.h"

#include <QStringList>
#include <memory>
#include <span>

// What a command gets: the global options, its own arguments (everything after its
// name), and the link session, started on first use so that commands that need no
// adapter (lookup) need no --port.
class CliContext {
public:
    CliContext(const CliOptions& options, QStringList arguments);
    ~CliContext();

    const CliOptions& options() const { return m_options; }
    const QStringList& arguments() const { return m_arguments; }
    // Throws VeskorError when --port is missing or the simulator cannot start.
    CliSession& session();

private:
    const CliOptions& m_options;
    QStringList m_arguments;
    std::unique_ptr<CliSession> m_session;
};

struct CliCommand {
    const char* Name;
    const char* Usage; // the command's arguments, as --help shows them
    const char* Help;
    // The exit code: 0 when the exchange succeeded, 1 when it failed, 2 for bad arguments
    // (a command raises CliUsageError for those).
    int (*Run)(CliContext& context);
};

// Raised by a command whose arguments are wrong; main prints it and exits with 2.
class CliUsageError : public VeskorError {
    using VeskorError::VeskorError;
};

// Every command, in the order --help lists them.
std::span<const CliCommand> cliCommands();
