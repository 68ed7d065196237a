// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Two versions of autos.ini and reader.ini for the crash tests: the save loop writes them in
// turn, and the tests compare what a kill left with both. Their sizes differ a lot, so that
// a file made of parts of both passes for neither.
#pragma once

#include "ui/model/ReaderSettings.h"
#include "vehicles/VehicleRegister.h"

VehicleRegister savedRegister(int version);
ReaderSettings savedSettings(int version);
