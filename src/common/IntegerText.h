// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The standard whole-number conversion of the program's text files: decimal, "$hex" or
// "0xhex", optionally signed (INI values, codes.txt number lines, colours, profile values).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Returns nothing for text that is not such a number or does not fit 32 bits.
std::optional<int> parseInteger(const QByteArray& text);
std::optional<int> parseInteger(const QString& text);
