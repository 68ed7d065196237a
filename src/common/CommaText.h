// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Splits a comma text: comma or blank separated fields, double-quoted fields may hold commas
// and blanks ("" stands for one quote). The calibration database and the dashboard profiles
// write their lists this way.
#pragma once

#include <QStringList>
#include <QStringView>

// Blanks (U+0001 to U+0020) around a comma belong to the separator; two commas in a row
// give an empty field and a comma that ends the line adds an empty last field. A NUL
// ends the line. An unclosed quote runs to the end of the line.
QStringList splitCommaText(QStringView line);
