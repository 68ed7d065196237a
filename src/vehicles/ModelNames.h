// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The model names that the vehicle dialog offers, from models.txt: one name a line, in
// file order, empty lines included.
#pragma once

#include <QStringList>
#include <optional>

inline constexpr const char* ModelNamesFile = "models.txt";

// The names, or nothing when the file doesn't exist. Throws VeskorError when it exists
// but can't be read.
std::optional<QStringList> loadModelNames(const QString& path);
