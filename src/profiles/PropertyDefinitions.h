// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Item definitions of dashboard profiles: "path = value" lines that set a published
// property of a widget, or of an object it holds (its font, a gauge arrow, a trend curve,
// the trend's view options), from text.
#pragma once

#include <QByteArrayView>
#include <QStringView>

class QObject;

// Follows the path from target step by step ("Font.Color", "Arrows[1].PID"; blanks around
// the points don't matter), appending a collection item when a step names the next free
// index, then assigns the value bytes, decoded as UTF-8, to the last step's property.
// owner is where component references are looked up (the main window). An empty value,
// and a step that names no object property, do nothing. Returns false when the definition
// was reported as wrong.
bool ApplyDefinition(QObject* owner, QObject* target, QStringView path, QByteArrayView value);
// The object whose property the last step of path names ("Trends[1].Caption" → the
// chart's second curve), as ApplyDefinition finds it but adding no collection item;
// nullptr when the path leads to none.
QObject* DefinitionObject(QObject* target, QStringView path);
