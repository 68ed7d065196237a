// The window against the simulator inside the process: connect, the status bar, the version
// label, the calibration code matched to a vehicle, disconnect, and a module that is silent.
#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
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
    EXPECT_EQ(h.find<QListWidget>("lbLog")->item(0)->text(), Texts::text(Texts::LogConnecting));
    ASSERT_TRUE(waitUntil([&] { return text(h, "laModule").startsWith("поиск.."); }));
    EXPECT_EQ(h.find<GlowLabel>("laModule")->glow(), Glow::Yellow);
    ASSERT_TRUE(waitUntil(
        [&] { return text(h, "laModule") == Texts::text(Texts::ModuleUnavailable); }, 30000));
    EXPECT_EQ(text(h, "laWorkmode"), Texts::text(Texts::ModeNoEec));
    EXPECT_TRUE(connect->isEnabled());
    EXPECT_FALSE(h.find<QToolBar>("tbFaultCodes")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acReadOptions")->isEnabled());
}
