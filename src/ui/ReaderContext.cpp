// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReaderContext.h"

#include <QComboBox>

int ReaderContext::currentVehicle() const
{
    return CurrentAuto ? CurrentAuto->currentIndex() : -1;
}
