// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The reason of a failed file operation in the program's language, from the system's
// error code (errno): the system's own text is English.
#pragma once

#include <QString>
#include <cerrno>

QString systemErrorText(int code);

class QFileDevice;
// Why a file could not be opened or read, in the program's language: by what its path is
// (missing, a folder, not readable), else by the system's error code (errno right after
// the failure, as the default argument takes it). Qt's own errorString() is English.
QString fileErrorText(const QFileDevice& file, int code = errno);
