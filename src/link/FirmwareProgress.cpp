// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FirmwareProgress.h"

#include "LinkTypes.h"
#include "common/Texts.h"

#include <algorithm>

bool FirmwareProgress::apply(int32_t lParam)
{
    const uint32_t bits = uint32_t(lParam);
    switch (bits & 0xFFFF) {
    case Link::fwLoaded:
        m_visible = true;
        m_finished = false;
        m_position = 0;
        m_maximum = int(bits >> 16);
        m_failure = Link::fsNone;
        m_caption = Texts::FirmwareProgressInit;
        return true;
    case Link::fwWriting:
        m_caption = Texts::FirmwareProgressFlashing;
        advance();
        return true;
    case Link::fwVerifying:
        m_caption = Texts::FirmwareProgressVerifying;
        advance();
        return true;
    case Link::fwRestarting:
        m_caption = Texts::FirmwareProgressRestart;
        return true;
    case Link::fwEnded:
        m_failure = Link::FirmwareStage(bits >> 16);
        [[fallthrough]];
    case Link::fwBlockRefused:
        m_visible = false;
        m_finished = true;
        return true;
    default:
        return false;
    }
}

void FirmwareProgress::advance()
{
    // The link announces every step it reports; like a progress bar, the position never
    // passes the maximum all the same.
    m_position = std::min(m_position + 1, m_maximum);
}

QString FirmwareProgress::caption() const
{
    return m_caption ? Texts::text(m_caption) : QString();
}
