// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/model/Reconnector.h"

#include "common/Texts.h"

#include <QList>
#include <gtest/gtest.h>

using Step = Reconnector::Step;
using State = Reconnector::State;

namespace {

// A stream from table 'A' of the car with code 4BAA, then lost.
Reconnector lostStream(double scale = 1.0)
{
    Reconnector r(scale);
    r.calibrationRead(QStringLiteral("4BAA"));
    r.streamStarted('A');
    return r;
}

} // namespace

TEST(Reconnector, WaitsLongerAfterEachFailedAttemptUpToThirtySeconds)
{
    Reconnector r = lostStream();
    Step step = r.streamLost();
    QList<int> delays;
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(step.Do, Step::Wait);
        delays << step.DelayMs;
        EXPECT_EQ(r.statusText().Text,
            Texts::text(Texts::ReconnectWaiting)
                .replace("%s", QString::number(step.DelayMs / 1000)));
        EXPECT_EQ(r.retryDue().Do, Step::Connect);
        EXPECT_EQ(r.state(), State::Connecting);
        EXPECT_EQ(r.attempts(), i + 1);
        step = r.connectDone();
    }
    EXPECT_EQ(delays, (QList<int> { 1000, 2000, 4000, 8000, 16000, 30000, 30000, 30000 }));

    // On the link's time scale, so that tests run fast.
    Reconnector fast(0.1);
    EXPECT_EQ(fast.delayMs(0), 100);
    EXPECT_EQ(fast.delayMs(3), 800);
    EXPECT_EQ(fast.delayMs(40), 3000);
}

TEST(Reconnector, ResumesTheSameTableWhenTheSameCarAnswers)
{
    Reconnector r = lostStream();
    EXPECT_TRUE(r.statusText().Text.isEmpty()) << "nothing to say while the stream runs";
    ASSERT_EQ(r.streamLost().Do, Step::Wait);
    EXPECT_EQ(r.statusText().Colour, Glow::Red);
    // Timer events that come late or twice change nothing.
    ASSERT_EQ(r.retryDue().Do, Step::Connect);
    EXPECT_EQ(r.retryDue().Do, Step::None);
    // The code read by the attempt's handshake decides, and comes before the command ends.
    EXPECT_EQ(r.calibrationRead(QStringLiteral("0000")).Do, Step::None);
    EXPECT_EQ(r.calibrationRead(QStringLiteral("4BAA")).Do, Step::StartData);
    EXPECT_EQ(r.table(), 'A');
    EXPECT_EQ(r.state(), State::Streaming);
    EXPECT_EQ(r.connectDone().Do, Step::None);
    EXPECT_EQ(r.statusText().Text, Texts::text(Texts::ReconnectResumed));
    EXPECT_EQ(r.statusText().Colour, Glow::Green);

    // Lost again: the pauses start from the first one.
    const Step again = r.streamLost();
    EXPECT_EQ(again.Do, Step::Wait);
    EXPECT_EQ(again.DelayMs, 1000);
}

TEST(Reconnector, AnotherCarAfterTheDropIsNotResumed)
{
    Reconnector r = lostStream();
    r.streamLost();
    r.retryDue();
    EXPECT_EQ(r.calibrationRead(QStringLiteral("1C2D")).Do, Step::Refuse);
    EXPECT_EQ(r.state(), State::Refused);
    EXPECT_EQ(r.expectedCode(), QStringLiteral("4BAA"));
    const QString text = r.statusText().Text;
    EXPECT_TRUE(text.contains("1C2D") && text.contains("4BAA")) << text.toStdString();
    EXPECT_LT(text.indexOf("1C2D"), text.indexOf("4BAA"));
    // No more attempts, and no stream.
    EXPECT_EQ(r.connectDone().Do, Step::None);
    EXPECT_EQ(r.retryDue().Do, Step::None);
    EXPECT_EQ(r.streamLost().Do, Step::None);

    // A stream the user starts on the new car is that car's stream.
    r.calibrationRead(QStringLiteral("1C2D"));
    r.streamStarted('B');
    r.streamLost();
    r.retryDue();
    EXPECT_EQ(r.calibrationRead(QStringLiteral("1C2D")).Do, Step::StartData);
    EXPECT_EQ(r.table(), 'B');

    // A stream started before any code was known takes the car that answers.
    Reconnector unknown;
    unknown.streamStarted('A');
    unknown.streamLost();
    unknown.retryDue();
    EXPECT_EQ(unknown.calibrationRead(QStringLiteral("4BAA")).Do, Step::StartData);
}

TEST(Reconnector, StopsOnDisconnectOtherCommandsOrWhenTurnedOff)
{
    // Disconnect (or any command of the user) while waiting or connecting ends the attempts.
    for (const bool connecting : { false, true }) {
        Reconnector r = lostStream();
        r.streamLost();
        if (connecting)
            r.retryDue();
        r.stop();
        EXPECT_EQ(r.state(), State::Idle);
        EXPECT_EQ(r.retryDue().Do, Step::None);
        EXPECT_EQ(r.connectDone().Do, Step::None);
        EXPECT_EQ(r.calibrationRead(QStringLiteral("4BAA")).Do, Step::None);
        EXPECT_TRUE(r.statusText().Text.isEmpty());
    }

    // Nothing to bring back without a stream.
    Reconnector idle;
    EXPECT_EQ(idle.streamLost().Do, Step::None);
    idle.streamStarted('A');
    idle.stop();
    EXPECT_EQ(idle.streamLost().Do, Step::None);

    // Off: the loss is reported, nothing is attempted.
    Reconnector off = lostStream();
    off.setEnabled(false);
    EXPECT_EQ(off.streamLost().Do, Step::None);
    EXPECT_EQ(off.state(), State::Lost);
    EXPECT_EQ(off.statusText().Text, Texts::text(Texts::ReconnectLost));
    EXPECT_EQ(off.retryDue().Do, Step::None);

    // Turned off while waiting: the timer that fires later does nothing.
    Reconnector turned = lostStream();
    turned.streamLost();
    turned.setEnabled(false);
    EXPECT_EQ(turned.retryDue().Do, Step::None);
    EXPECT_EQ(turned.state(), State::Lost);
}

TEST(Reconnector, CodeReadWhileWaitingDoesNotRenameTheCar)
{
    // A code read outside an attempt (the user's own reading) names the car only while
    // no drop is pending.
    Reconnector r = lostStream();
    r.streamLost();
    EXPECT_EQ(r.calibrationRead(QStringLiteral("1C2D")).Do, Step::None);
    r.retryDue();
    EXPECT_EQ(r.calibrationRead(QStringLiteral("1C2D")).Do, Step::Refuse);
}
