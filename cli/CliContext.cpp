// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliCommand.h"
#include "common/Errors.h"

CliContext::CliContext(const CliOptions& options, QStringList arguments)
    : m_options(options)
    , m_arguments(std::move(arguments))
{
}

CliContext::~CliContext() = default;

CliSession& CliContext::session()
{
    if (!m_session) {
        if (m_options.Port.isEmpty())
            throw CliUsageError(QStringLiteral("--port is required"));
        m_session = std::make_unique<CliSession>(m_options);
    }
    return *m_session;
}
