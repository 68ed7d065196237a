// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the fault page says of a fault exchange that has ended: whether its codes become the
// result on show, and the line for the page and the log. An exchange that brought no
// status word never reads as "no codes stored".
#pragma once

#include "link/LinkTypes.h"

#include <QDateTime>
#include <QString>

struct FaultOutcomeView {
    // The codes replace the result on show and the vehicle's diagnosis date is stamped.
    bool NewResult = false;
    bool Failure = false;
    QString Line;
};

namespace FaultOutcome {

// letter: 'B' read, 'C' clear, 'D' self-test; codes: the codes read (without the header);
// maxTestTime: the self-test's limit in seconds.
FaultOutcomeView describe(Link::FaultTestOutcome outcome, char letter, int codes, int maxTestTime);

// "14:07:33 text": a line of the page and the log.
QString stamped(const QDateTime& time, const QString& text);

// The self-test's overlay: elapsed and remaining whole seconds of the limit.
QString progressText(qint64 elapsedMs, int maxTestTime);

} // namespace FaultOutcome
