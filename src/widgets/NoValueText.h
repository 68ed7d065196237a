// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The text a value label shows before its first value: the format with "---" where the
// number goes ("--- °C", "0Fh ---"), so that the label tells what it will show without
// showing a reading that never came.
#pragma once

#include <QString>

QString noValueText(const QString& format);
