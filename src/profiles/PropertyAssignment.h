// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Assigns a value given as text to one published property of an object, converting it by
// the property's kind; wrong values are reported through reportDefinitionError.
#pragma once

#include <QString>

class QObject;

// owner: the object among whose descendants a component reference is looked up by name
// (the main window). label: how the warning names the object (its component name, or the
// path that led to a sub-object). Returns false when the value was reported as wrong; a
// name that the object's class doesn't publish is skipped silently and counts as done.
bool AssignProperty(QObject* owner, QObject* object, const QString& name, const QString& value,
    const QString& label);
bool AssignProperty(QObject* owner, QObject* object, const QString& name, const QString& value);
