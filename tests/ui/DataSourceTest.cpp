// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The feed the dashboards read: the live session and a playing recording each bring their
// words, their ECU's identity and their start and stop through it, and a source that is
// not current reaches no reader.
#include "ui/model/DataSource.h"

#include "RecordingSynth.h"
#include "link/LinkSession.h"
#include "ui/model/RecordingPlayer.h"

#include <gtest/gtest.h>

TEST(DataFeed, EitherSourceBringsItsWordsIdentityAndStartStop)
{
    LinkSession session { LinkSession::Options {} };
    std::vector<quint8> sent;
    LiveSource live(session, [&](const LinkCommand& c) { sent.push_back(LinkCommands::code(c)); });
    qint64 now = 0;
    RecordingPlayer player(nullptr, [&] { return now; });
    Recording recording = synthRecording(2000, 100);
    recording.Header.ModuleVersion = QStringLiteral("1.10 (OLD01)");
    player.open(recording);
    ReplaySource replay(player);

    DataFeed feed(live);
    int identity = 0, words = 0;
    QObject::connect(&feed, &DataSource::identityChanged, [&] { ++identity; });
    QObject::connect(&feed, &DataSource::words, [&] { ++words; });
    const Link::StreamWord word { 0x12, Link::lmLiveData, 0x1234, 0 };
    const auto emitWord = [&] { emit session.words({ &word, 1, 0, 0 }); };

    // Live: the version of the connection, then the code the ECU sent.
    emit session.connected(ModuleInfo { 123, "SIM01" });
    emit session.calibration(QStringLiteral("A1B2"));
    EXPECT_EQ(identity, 2);
    EXPECT_EQ(feed.moduleVersion(), "1.23 (SIM01)");
    EXPECT_EQ(feed.calibration(), "A1B2");
    feed.start('T');
    feed.stop();
    EXPECT_EQ(sent, (std::vector<quint8> { Link::cmdStartData, Link::cmdStopData }));
    emitWord();
    EXPECT_EQ(words, 1);

    // Replay: the recording's identity; start and stop play and pause it, not the link;
    // the link's words and codes go on elsewhere, unseen by the feed's readers.
    feed.setSource(replay);
    EXPECT_EQ(identity, 3);
    EXPECT_EQ(feed.calibration(), "4BAA");
    EXPECT_EQ(feed.moduleVersion(), "1.10 (OLD01)");
    feed.start('P');
    EXPECT_TRUE(feed.running());
    feed.stop();
    EXPECT_FALSE(feed.running());
    EXPECT_EQ(sent.size(), 2u);
    const int played = words;
    emitWord();
    emit session.calibration(QStringLiteral("C3D4"));
    EXPECT_EQ(words, played);
    EXPECT_EQ(identity, 3);

    // Back to live: the code that came meanwhile; a new connection forgets it.
    feed.setSource(live);
    EXPECT_EQ(feed.calibration(), "C3D4");
    emit session.connected(ModuleInfo { 124, "SIM02" });
    EXPECT_EQ(feed.calibration(), "");
    EXPECT_EQ(feed.moduleVersion(), "1.24 (SIM02)");
}
