// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SimDispatcher.h"

void SimDispatcher::addExact(const QByteArray& command, Handler handler)
{
    m_entries.push_back({ command, true, std::move(handler) });
}

void SimDispatcher::addPrefix(const QByteArray& prefix, Handler handler)
{
    m_entries.push_back({ prefix, false, std::move(handler) });
}

const SimDispatcher::Handler* SimDispatcher::find(const QByteArray& line) const
{
    const Entry* best = nullptr;
    for (const Entry& entry : m_entries) {
        if (entry.exact) {
            if (entry.text == line)
                return &entry.handler;
        } else if (line.startsWith(entry.text)
            && (!best || entry.text.size() > best->text.size())) {
            best = &entry;
        }
    }
    return best ? &best->handler : nullptr;
}
