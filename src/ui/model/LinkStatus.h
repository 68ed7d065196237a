// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the status bar shows of the link: the module's state, the version and the ECU link
// state, each a text with a glow, following the link's reports.
#pragma once

#include "link/LinkReport.h"

#include <QString>

enum class Glow { None, Yellow, Green, Red };

struct StatusText {
    QString Text;
    Glow Colour = Glow::None;
    bool operator==(const StatusText&) const = default;
};

class LinkStatus {
public:
    LinkStatus();

    // Applies a report; true when a field changed.
    bool apply(const LinkReport& report);

    const StatusText& module() const { return m_module; }
    const StatusText& version() const { return m_version; }
    const StatusText& workmode() const { return m_workmode; }

private:
    StatusText m_module;
    StatusText m_version;
    StatusText m_workmode;
};
