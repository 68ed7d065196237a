// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The engine self-test's guide without widgets: what the car needs before KOEO or KOER,
// what the mechanic does while it runs, and the verdict in words once it has ended.
#pragma once

#include "link/LinkTypes.h"

#include <QString>
#include <QStringList>

enum class SelfTestKind { Koeo, Koer };

// How a self-test ended, as the page colours it.
enum class VerdictKind { Pass, Found, NoAnswer, NoList, Cancelled, PortLost };

struct SelfTestVerdict {
    VerdictKind Kind = VerdictKind::NoAnswer;
    QString Text;
};

namespace SelfTestGuide {

// "KOEO" or "KOER".
QString name(SelfTestKind kind);
// The choice's caption in the guide.
QString caption(SelfTestKind kind);
// What must be so before the test starts.
QStringList preparation(SelfTestKind kind);
// What the mechanic does, or leaves alone, while the test runs.
QStringList duringTest(SelfTestKind kind);

// A titled bullet list in the rich text of a label; the texts are escaped.
QString htmlList(const QString& title, const QStringList& items);

// The codes that say the system passed: 111, and 11 of the ECUs with two-digit codes.
bool isPassCode(const QString& entry);
// "Найден 1 код", "Найдено 3 кода", "Найдено 5 кодов", "Найден 21 код"; "Found 21 codes".
QString foundText(int codes);
// entries: the codes the exchange left (without the list's header). A pass code alone, or
// no code, passes; a result without a status word is no answer.
SelfTestVerdict verdict(Link::FaultTestOutcome outcome, const QStringList& entries);

} // namespace SelfTestGuide
