// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Runs part of a test in one language of the window and gives the Russian back after it,
// whatever the test's outcome, so that no other test sees the English.
#pragma once

#include "common/UiLanguage.h"

class InLanguage {
public:
    explicit InLanguage(UiLanguage language) { Languages::install(language); }
    ~InLanguage() { Languages::install(UiLanguage::Russian); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};
