// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Every file the program writes goes through here: a temporary file, then a rename,
// so a crash or a power cut never leaves a half-written file.
#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Replaces the file at path with data. Throws VeskorError (old file untouched) on failure.
void writeFileAtomically(const QString& path, const QByteArray& data);

// Saves the image in the format (PNG unless named) the same way. Throws VeskorError.
void writeImageAtomically(const QString& path, const QImage& image, const char* format = "PNG");
