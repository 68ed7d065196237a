// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the firmware update's progress bar shows, driven by the evFirmware steps: shown at
// the start with its maximum, advanced per block, captioned per stage, hidden at the end.
#pragma once

#include "LinkTypes.h"

#include <QString>
#include <cstdint>

class FirmwareProgress {
public:
    // Applies one evFirmware lParam. False for a step without a reaction.
    bool apply(int32_t lParam);

    bool visible() const { return m_visible; }
    int position() const { return m_position; }
    int maximum() const { return m_maximum; }
    QString caption() const;
    // True once the update has ended, or a block was refused and nothing more will be
    // written: the update button may be used again.
    bool finished() const { return m_finished; }
    // Once the update has ended: fsNone when it succeeded, otherwise the stage that failed.
    Link::FirmwareStage failure() const { return m_failure; }

private:
    void advance();

    bool m_visible = false;
    bool m_finished = false;
    int m_position = 0;
    int m_maximum = 0;
    Link::FirmwareStage m_failure = Link::fsNone;
    const char* m_caption = nullptr;
};
