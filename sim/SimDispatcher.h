// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Finds the handler of a command line the module received: an exact command ("v") or
// the longest registered prefix ("l" of "lP").
#pragma once

#include <QByteArray>
#include <functional>
#include <vector>

class SimModule;

class SimDispatcher {
public:
    // line is the command without its CR.
    using Handler = std::function<void(SimModule& module, const QByteArray& line)>;

    void addExact(const QByteArray& command, Handler handler);
    void addPrefix(const QByteArray& prefix, Handler handler);

    // The handler for the line; nullptr when none (the module ignores the line).
    const Handler* find(const QByteArray& line) const;

private:
    struct Entry {
        QByteArray text;
        bool exact;
        Handler handler;
    };
    std::vector<Entry> m_entries;
};
