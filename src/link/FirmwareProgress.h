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
    // True from the end of an update (step 4) or a refused block (step 6): the update
    // button may be used again.
    bool finished() const { return m_finished; }
    // After step 4: fsNone when the update succeeded, otherwise the stage that failed.
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
