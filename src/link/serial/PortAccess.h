// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A port that fails, told so that the user can act on it: an adapter to plug in or a
// port to choose, the group whose membership gives access and a new login for it to
// count, a cable to check.
#pragma once

#include <QString>
#include <exception>

// The group owning the device file at path when its members may read and write it; empty
// when there is none (no such file, the root group, or a group without that right).
QString deviceAccessGroup(const QString& path);

// The message for an open of path that failed with errno error: one sentence naming the
// fix when access was denied (group as from deviceAccessGroup), empty for any other error.
QString openDeniedText(const QString& path, int error, const QString& group);

// What to do about a port operation (what: "open", "read", ...) on path that failed with
// errno error; group as from deviceAccessGroup, asked for only when access was denied.
QString portFailureText(const QString& path, const char* what, int error);

// The log line of an error that ended a port's use: what to do, then the system's words;
// an error that knows nothing to advise fills the placeholder of fallback (%s).
QString portErrorLine(const std::exception& error, const char* fallback);
// The system's words of the error, for front ends that say what failed in their own
// words: the detail of a port's error, else its message.
QString portErrorDetail(const std::exception& error);
