// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Every live data session of the window is recorded into the current vehicle's folder; the
// option turns it off, and old recordings are deleted from the options page.
#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "recording/RecordingFile.h"
#include "store/TFordData.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"
#include "ui/model/SessionRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Streams table P until the window has seen this many live words, then stops the stream.
void streamWords(WindowHarness& h, int& liveWords, int count)
{
    LinkController& link = h.window().link();
    const int before = liveWords;
    link.send(LinkCommands::StartData { 'P' });
    ASSERT_TRUE(waitUntil([&] { return liveWords - before >= count; }, 15000));
    link.send(LinkCommands::StopData {});
    ASSERT_TRUE(waitUntil([&] { return !h.window().recorder().recording(); }));
}

} // namespace

TEST(SessionRecording, EachStreamGoesToTheVehiclesFolderAndOldOnesCanBeDeleted)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n[Autos]\nCurrent=0\n");
    h.writeFile("autos.ini", registerText({ { "Escort", "4BAA" } }));
    h.open();
    ASSERT_TRUE(waitUntil([&] {
        return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
    }));
    const QString vehicle = h.find<QComboBox>("cbCurrentAuto")->currentText();
    ASSERT_FALSE(vehicle.isEmpty());
    int liveWords = 0;
    LinkController& link = h.window().link();
    QObject::connect(
        &link.session(), &LinkSession::words, &link, [&liveWords](const Link::WordBatch& batch) {
            for (const Link::StreamWord& w : batch)
                liveWords += w.live() ? 1 : 0;
        });

    ASSERT_NO_FATAL_FAILURE(streamWords(h, liveWords, 300));
    const QString home = QFileInfo(h.path("reader.ini")).path();
    const QString folder = SessionRecorder::folder(home, vehicle);
    auto entries = RecordingFile::list(folder);
    ASSERT_EQ(entries.size(), 1u);
    const Recording read = RecordingFile::read(entries[0].Path);
    EXPECT_TRUE(read.Note.isEmpty());
    // Every live word the window saw, none of the handshake's.
    EXPECT_EQ(int(read.Words.size()), liveWords);
    const RecordingHeader& header = read.Header;
    EXPECT_EQ(header.Calibration, "4BAA");
    EXPECT_EQ(header.ModuleVersion, "1.23 (SIM01)");
    EXPECT_EQ(header.Vehicle, vehicle);
    EXPECT_EQ(header.Table, 'P');
    TFordData& store = link.session().store();
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(header.PidMap[size_t(i)], store.PidMap(i)) << i;

    // Off: the next stream leaves no file.
    QCheckBox* option = h.find<QCheckBox>("cbRecordSessions");
    ASSERT_TRUE(option);
    option->setChecked(false);
    ASSERT_NO_FATAL_FAILURE(streamWords(h, liveWords, 50));
    EXPECT_EQ(RecordingFile::list(folder).size(), 1u);

    // The list of the vehicle's recordings deletes the one selected, after asking.
    h.Prompts.AnswerDialog = [](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("lbRecordings");
        auto* remove = dialog.findChild<QPushButton*>("btnDeleteRecordings");
        if (!list || !remove || list->count() != 1)
            return false;
        EXPECT_FALSE(remove->isEnabled()) << "nothing selected yet";
        list->item(0)->setSelected(true);
        remove->click();
        return list->count() == 0;
    };
    h.find<QPushButton>("btnRecordings")->click();
    EXPECT_EQ(h.Prompts.Dialogs, 1);
    EXPECT_EQ(h.Prompts.Questions.size(), 1);
    EXPECT_TRUE(RecordingFile::list(folder).empty());

    h.close();
    EXPECT_TRUE(h.readFile("reader.ini").contains("RecordSessions=0"));
}
