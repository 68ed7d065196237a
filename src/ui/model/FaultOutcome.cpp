// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultOutcome.h"

#include "common/Texts.h"

#include <algorithm>

namespace FaultOutcome {

FaultOutcomeView describe(Link::FaultTestOutcome outcome, char letter, int codes, int maxTestTime)
{
    const auto failure = [](const QString& line) { return FaultOutcomeView { false, true, line }; };
    switch (outcome) {
    case Link::ftoAnswered:
        if (letter == 'C')
            return { true, false, Texts::text(Texts::FaultsCleared) };
        if (letter == 'D')
            return { true, false,
                codes == 0 ? Texts::text(Texts::FaultsTestClean)
                           : Texts::text(Texts::FaultsTestFound).arg(codes) };
        return { true, false,
            codes == 0 ? Texts::text(Texts::FaultsNoneStored)
                       : Texts::text(Texts::FaultsRead).arg(codes) };
    case Link::ftoSilent:
        if (letter == 'D')
            return failure(Texts::text(Texts::FaultsTestTimedOut).arg(maxTestTime));
        return failure(Texts::text(Texts::FaultsNoAnswer));
    case Link::ftoCancelled:
        return failure(
            Texts::text(letter == 'D' ? Texts::FaultsTestCancelled : Texts::FaultsReadCancelled));
    case Link::ftoPortLost:
        return failure(Texts::text(Texts::FaultsPortLost));
    case Link::ftoNotTaken:
    case Link::ftoNone:
        break;
    }
    return failure(Texts::text(Texts::FaultsNoAnswer));
}

QString stamped(const QDateTime& time, const QString& text)
{
    return time.toString(QStringLiteral("HH:mm:ss ")) + text;
}

QString progressText(qint64 elapsedMs, int maxTestTime)
{
    const int elapsed = int(std::clamp<qint64>(elapsedMs / 1000, 0, maxTestTime));
    return Texts::text(Texts::FaultsTestProgress).arg(elapsed).arg(maxTestTime - elapsed);
}

} // namespace FaultOutcome
