// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A dashboard in the units the user chose. A profile gives its numbers (Min, Max, RedLine,
// the warning and alarm limits) in the unit pids.txt gives the PID, as the shipped ones do
// in metric; a widget bound to a PID whose unit converts gets them converted, its dial a
// range that reads well, and its captions the chosen unit's sign.
#pragma once

class QObject;

// The range of a dial: Min, Max and the number of big intervals between them.
struct DialRange {
    double Min = 0;
    double Max = 1;
    int Intervals = 1;
    bool operator==(const DialRange&) const = default;
};

// A converted range on round numbers: a step of 1, 2, 2.5 or 5 times a power of ten, ends
// on whole steps that cover the range (or cut at most a twentieth of it), and about as
// many intervals as before. A range that has none keeps the one it has.
DialRange roundDialRange(double min, double max, int intervals);

// Converts the widget's numbers and unit signs, once, after its profile's definitions.
void showInChosenUnits(QObject* widget);
