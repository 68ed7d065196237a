// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// veskor-reader's preview mode for profile authors: builds one dashboard profile on a panel
// without showing a window, feeds it PID values and saves the panel as a PNG.
#pragma once

#include "ui/model/ReaderArguments.h"

// Renders the request; the load's problems (file:line: property: reason) and widget problems
// go to stderr. Returns the exit code: 0 done, 1 done but problems were reported, 2 the
// profile (nothing could be built from it) or the image couldn't be used.
int renderProfilePreview(const ProfilePreviewRequest& request);
