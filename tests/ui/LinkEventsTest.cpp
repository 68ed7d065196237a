// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window against the simulator inside the process: connect, the status bar, the version
// label, the calibration code matched to a vehicle, disconnect, and a module that is silent.
#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "ui/GlowLabel.h"
#include "ui/dock/MatrixPanel.h"
#include "ui/pages/FaultsPage.h"
#include "ui/pages/HelpPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString text(WindowHarness& h, const char* label)
{
    return h.find<GlowLabel>(label)->text();
}

} // namespace

TEST(LinkEvents, ConnectShowsTheModuleAndSelectsTheVehicleOfTheCalibration)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n[Autos]\nCurrent=0\n");
    h.writeFile("autos.ini", registerText({ { "A", "1A2B" }, { "B", "4BAA" }, { "C", "4BAA" } }));
    h.open();
    ASSERT_TRUE(waitUntil([&] {
        return text(h, "laWorkmode") == Texts::text(Texts::ModeExchange);
    })) << qPrintable(text(h, "laModule") + " / " + text(h, "laWorkmode"));
    EXPECT_EQ(text(h, "laModule"), Texts::text(Texts::ModuleConnected));
    EXPECT_EQ(h.find<GlowLabel>("laModule")->glow(), Glow::Green);
    EXPECT_EQ(text(h, "laVersion"), "1.23 (SIM01)");
    // Of the two vehicles with the ECU's code the first becomes current.
    ASSERT_TRUE(waitUntil([&] { return h.find<QComboBox>("cbCurrentAuto")->currentIndex() == 1; }));
    EXPECT_TRUE(h.find<QAction>("acConnect")->isEnabled());
    EXPECT_TRUE(h.find<QToolBar>("tbFaultCodes")->isEnabled());
    EXPECT_TRUE(h.find<QAction>("acReadOptions")->isEnabled());

    QAction* disconnect = h.find<QAction>("acDisconnect");
    disconnect->trigger();
    EXPECT_FALSE(disconnect->isEnabled());
    ASSERT_TRUE(
        waitUntil([&] { return text(h, "laModule") == Texts::text(Texts::ModuleDisconnected); }));
    EXPECT_EQ(text(h, "laWorkmode"), Texts::text(Texts::ModeNoLink));
    EXPECT_TRUE(disconnect->isEnabled());
    EXPECT_TRUE(h.find<QAction>("acConnect")->isEnabled());
}

TEST(LinkEvents, SilentModuleSearchesThenIsUnavailable)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\nAutoConnect=0\n");
    h.writeFile("autos.ini", registerText({ { "A", "" } }));
    h.open([](SimConfig& c) { c.Faults.set(SimFault::Silent); });
    EXPECT_EQ(text(h, "laModule"), Texts::text(Texts::ModuleDisconnected));
    QAction* connect = h.find<QAction>("acConnect");
    connect->trigger();
    EXPECT_FALSE(connect->isEnabled());
    EXPECT_EQ(logLines(h).value(0), Texts::text(Texts::LogConnecting));
    ASSERT_TRUE(waitUntil([&] { return text(h, "laModule").startsWith("поиск.."); }));
    EXPECT_EQ(h.find<GlowLabel>("laModule")->glow(), Glow::Yellow);
    ASSERT_TRUE(waitUntil(
        [&] { return text(h, "laModule") == Texts::text(Texts::ModuleUnavailable); }, 30000));
    EXPECT_EQ(text(h, "laWorkmode"), Texts::text(Texts::ModeNoEec));
    EXPECT_TRUE(connect->isEnabled());
    EXPECT_FALSE(h.find<QToolBar>("tbFaultCodes")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acReadOptions")->isEnabled());
}

namespace {

class PostedEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nUpdateMatrix=1\n[Autos]\nCurrent=0\n");
        h.writeFile("autos.ini", registerText({ { "A", "" }, { "B", "4BAA" } }));
        h.open();
    }
    WindowHarness h;
};

} // namespace

TEST_F(PostedEvents, SlotWordsReachTheMatrixAndTheCalibrationCodeIsTheirs)
{
    MatrixGrid* grid = h.find<MatrixGrid>("dgMap");
    deliver(h, Link::WM_LINK_SLOT, 0x22, Link::slotLParam(0x1234));
    EXPECT_EQ(grid->word(0x22), 0x1234);
    // The code is made of the words the slot messages carried, whatever the link's table holds.
    deliver(h, Link::WM_LINK_SLOT, Link::SlotCalibrationHigh, Link::slotLParam(0x504B));
    deliver(h, Link::WM_LINK_SLOT, Link::SlotCalibrationLow, Link::slotLParam(0xA0AA));
    deliver(h, Link::WM_LINK_EVENT, Link::evCalibration, 0);
    EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentIndex(), 1);
    // Cleared slots: the matrix is empty, and a code of zeros selects nothing.
    deliver(h, Link::WM_LINK_SLOT, 0, 0);
    EXPECT_EQ(grid->word(0x22), 0);
    h.find<QComboBox>("cbCurrentAuto")->setCurrentIndex(0);
    deliver(h, Link::WM_LINK_EVENT, Link::evCalibration, 0);
    EXPECT_FALSE(h.readFile("autos.ini").contains("CalID=0000"));
}

TEST_F(PostedEvents, OptionsFirmwareAndFaultOverlay)
{
    deliverOptions(h, '3', '1');
    EXPECT_EQ(h.find<QComboBox>("cbEECSpeed")->currentText(), "19200");
    EXPECT_EQ(h.find<QComboBox>("cbDataFormat")->currentText(), "HEX");
    EXPECT_TRUE(h.find<QAction>("acApplyOptions")->isEnabled());
    deliverOptions(h, 127, 127);
    EXPECT_EQ(h.find<QComboBox>("cbEECSpeed")->currentText(), "9600");
    EXPECT_EQ(h.find<QComboBox>("cbDataFormat")->currentText(), "BIN");
    h.Prompts.ConfirmAnswer = false;
    deliver(h, Link::WM_LINK_EVENT, Link::evOptions, 1);
    EXPECT_EQ(
        h.Prompts.Questions, QStringList { "Перезапустить модуль после сохранения настроек?" });

    QProgressBar* bar = h.find<QProgressBar>("pbFw");
    deliver(h, Link::WM_LINK_EVENT, Link::evFirmware, Link::firmwareEvent(Link::fwLoaded, 4));
    EXPECT_TRUE(bar->isVisibleTo(h.window().pages()->widget(5)));
    EXPECT_EQ(bar->maximum(), 4);
    deliver(h, Link::WM_LINK_EVENT, Link::evFirmware, Link::firmwareEvent(Link::fwWriting));
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(bar->format(), "Прошивка...");
    deliver(h, Link::WM_LINK_EVENT, Link::evFirmware, Link::firmwareEvent(Link::fwEnded));
    EXPECT_FALSE(bar->isVisibleTo(h.window().pages()->widget(5)));

    h.window().pages()->setCurrentIndex(1);
    deliver(h, Link::WM_LINK_EVENT, Link::evFaultTest, 0);
    EXPECT_TRUE(h.find<QLabel>("pnReadingFaults")->isVisible());
    deliver(h, Link::WM_LINK_EVENT, Link::evFaultTest, 1);
    EXPECT_FALSE(h.find<QLabel>("pnReadingFaults")->isVisible());
    // No exchange brought a status word: no result, and the page says so.
    EXPECT_EQ(h.find<QListWidget>("lbFaults")->count(), 0);
    EXPECT_TRUE(h.window().faultsPage()->outcomeLine().contains("ЭБУ не ответил"));
}

TEST_F(PostedEvents, PageActionsSkinsAndTheGuide)
{
    QAction* faults = h.find<QAction>("acPageFaults");
    EXPECT_EQ(faults->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(h.find<QAction>("acPageLiveData")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(h.find<QAction>("acPageTrends")->shortcut(), QKeySequence(Qt::Key_F4));
    faults->trigger();
    EXPECT_EQ(h.window().pages()->currentWidget()->objectName(), "tabFaults");
    h.find<QAction>("acPageOptions")->trigger();
    EXPECT_EQ(h.window().pages()->currentWidget()->objectName(), "tabOptions");
    EXPECT_TRUE(TfrmVeskorReader::skins().contains("Dark"));
    h.window().applySkin("Dark");
    h.window().findChild<HelpPage*>()->openGuide();
    ASSERT_EQ(h.Prompts.Opened.size(), 1);
    EXPECT_TRUE(h.Prompts.Opened.first().endsWith("/user-guide.html"));
    h.close();
    EXPECT_TRUE(h.readFile("reader.ini").contains("CurrentSkin=Dark"));
    QApplication::setStyle(QStringLiteral("Fusion"));
}
