// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text of one entry of the fault list with its dictionary texts, in the form the
// fault codes page copies to the clipboard (and veskor-cli prints).
#pragma once

#include "FaultCodes.h"

#include <QString>

// The code number of a list entry: the entry read as a decimal number, 1 when it is not one.
int faultCodeNumber(const QString& entry);

// entry is the list's text of the code ("112", "0A3", "999"); the dictionary is looked
// up by the entry read as a decimal number (1 when it is not one). The texts are those
// faultCodeShown gives: english chooses DescEn over DescRu in the Russian window.
QString faultCodeText(const QString& entry, const FaultCodeDictionary& codes, bool english);
