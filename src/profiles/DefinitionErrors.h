// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The one way errors of dashboard profiles reach the user: by default a modal warning box
// captioned "Fatal error"; tests and the preview renderer put their own reporter in.
#pragma once

#include <QString>
#include <functional>

// message: the box's text; detail: why, when known (the box doesn't show it).
using DefinitionErrorReporter = std::function<void(const QString& message, const QString& detail)>;

// Directs every later report to reporter; an empty one restores the box. Returns the
// reporter in force before.
DefinitionErrorReporter setDefinitionErrorReporter(DefinitionErrorReporter reporter);
void reportDefinitionError(const QString& message, const QString& detail = {});

// "Invalid item definition: <object>.<property> = <value>", two carriage returns and
// "Check definition file.".
QString invalidDefinitionText(const QString& object, const QString& property, const QString& value);
