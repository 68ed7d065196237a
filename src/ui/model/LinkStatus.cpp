// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkStatus.h"

#include "common/Texts.h"

namespace {

StatusText status(const char* text, Glow glow)
{
    return { Texts::text(text), glow };
}

} // namespace

LinkStatus::LinkStatus()
    : m_module(status(Texts::ModuleDisconnected, Glow::Red))
    , m_version(status(Texts::VersionNone, Glow::None))
    , m_workmode(status(Texts::ModeNoLink, Glow::Red))
{
}

bool LinkStatus::apply(const LinkReport& r)
{
    const StatusText module = m_module, version = m_version, workmode = m_workmode;
    switch (r.Type) {
    case LinkReport::Searching:
        // Each further poll of the handshake adds a dot to "поиск.".
        if (m_module.Text.endsWith(QLatin1Char('.')))
            m_module.Text += QLatin1Char('.');
        else
            m_module = status(Texts::ModuleSearching, Glow::Yellow);
        break;
    case LinkReport::Connected:
        m_module = status(Texts::ModuleConnected, Glow::Green);
        m_version = { r.Text, Glow::None };
        break;
    case LinkReport::NotConnected:
    case LinkReport::PortError:
        // No module, or the port failed: the version of a module found before is no
        // longer what is connected.
        m_workmode = status(Texts::ModeNoEec, Glow::Red);
        m_module = status(Texts::ModuleUnavailable, Glow::Red);
        m_version = status(Texts::VersionNone, Glow::None);
        break;
    case LinkReport::EcuLink:
        switch (r.Argument & 0xFF) {
        case 'c':
            m_workmode = status(Texts::ModeExchange, Glow::Green);
            break;
        case 'e':
        case 'w':
            m_workmode = status(Texts::ModeNoEecIv, Glow::Red);
            break;
        default:
            break;
        }
        break;
    case LinkReport::Disconnected:
        m_module = status(Texts::ModuleDisconnected, Glow::Red);
        m_workmode = status(Texts::ModeNoLink, Glow::Red);
        break;
    default:
        break;
    }
    return !(module == m_module && version == m_version && workmode == m_workmode);
}
