// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Creation, first show and close of the real window: reader.ini's keys, the register, the
// profiles, the log, and SIGTERM closing a running program in order.
#include "WindowTestSupport.h"
#include "common/IniFile.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "profiles/TProfileList.h"
#include "sim/Simulator.h"
#include "ui/pages/FaultsPage.h"
#include "ui/pages/LiveDataPage.h"
#include "vehicles/TfrmAddEditAuto.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct Ini : IniFile {
    explicit Ini(const QString& path) { load(path); }
};

const QStringList ClosingKeys { "ComPortName", "ComPortSpeed", "MainWindowLeft", "MainWindowTop",
    "MainWindowWidth", "MainWindowHeight", "CarInfoPane", "UpdateMatrix", "AutoConnect",
    "BluetoothDelay", "CurrentSkin", "TableContrast" };

} // namespace

TEST(Startup, FirstStartWithoutSettingsOrVehicles)
{
    WindowHarness h;
    bool noticeShown = false;
    h.Prompts.AnswerDialog = [&](QDialog& dialog) {
        noticeShown = dialog.findChild<QLabel*>("stMsg")->isVisibleTo(&dialog);
        dialog.findChild<QLineEdit*>("edName")->setText("Мой Ford");
        return true;
    };
    TfrmVeskorReader& w = h.open();
    EXPECT_EQ(h.find<QComboBox>("cbPort")->currentText(), "");
    EXPECT_EQ(h.find<QComboBox>("cbSpeed")->currentText(), "38400");
    EXPECT_TRUE(h.find<QCheckBox>("cbAutoConnect")->isChecked());
    EXPECT_EQ(w.size(), QSize(TfrmVeskorReader::InitialWidth, TfrmVeskorReader::InitialHeight));
    // WM_CHECK_REGISTER opens the dialog with its notice once the window is shown.
    ASSERT_TRUE(waitUntil([&] { return h.Prompts.Dialogs == 1; }));
    EXPECT_TRUE(noticeShown);
    QTreeView* list = h.find<QTreeView>("lvAutos");
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 5).data().toString(), "---");
    // The register reaches autos.ini at once, and the new vehicle is the current one.
    EXPECT_TRUE(h.readFile("autos.ini").contains("Name=Мой Ford"));
    EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentIndex(), 0);
    // Connecting at start was asked for: the link reports on its port.
    EXPECT_TRUE(waitUntil([&] { return h.find<QListWidget>("lbLog")->count() > 0; }));
    h.close();

    const Ini ini(h.path("reader.ini"));
    for (const QString& key : ClosingKeys)
        EXPECT_TRUE(ini.hasKey("Main", key)) << qPrintable(key);
    // The main dashboard was shown, so it is the saved one.
    EXPECT_EQ(ini.readUtf8("Main", "CurrentProfile"), "main.ini");
    EXPECT_FALSE(ini.hasKey("Main", "MaxTestTime"));
    EXPECT_EQ(ini.readInteger("Main", "ComPortSpeed", 0), 2);
    EXPECT_EQ(ini.readInteger("Autos", "Current", -2), 0);
    EXPECT_TRUE(ini.hasKey("Toolbars", "State"));
}

TEST(Startup, AutosWithoutMainRestoresTheVehicleButNotTheBounds)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Autos]\nCurrent=1\n");
    h.writeFile("autos.ini", registerText({ { "First", "1A2B" }, { "Second", "" } }));
    TfrmVeskorReader& w = h.open();
    EXPECT_EQ(w.size(), QSize(TfrmVeskorReader::InitialWidth, TfrmVeskorReader::InitialHeight));
    EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentIndex(), 1);
    EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentText(), "Second");
    QCoreApplication::processEvents();
    EXPECT_EQ(h.Prompts.Dialogs, 0); // the register is not empty
    EXPECT_TRUE(h.Prompts.Warnings.isEmpty()) << qPrintable(h.Prompts.Warnings.join("\n"));
}

TEST(Startup, SavedBoundsSettingsAndAProfileThatIsGone)
{
    WindowHarness h;
    h.writeFile("reader.ini",
        "[Main]\nAutoConnect=0\nBluetoothDelay=1\nMainWindowLeft=20\nMainWindowTop=30\n"
        "MainWindowWidth=1000\nMainWindowHeight=700\nCurrentProfile=gone.ini\nMaxTestTime=42\n"
        "TableContrast=750\nUpdateMatrix=1\n");
    TfrmVeskorReader& w = h.open();
    EXPECT_EQ(w.size(), QSize(1000, 700));
    EXPECT_FALSE(h.find<QCheckBox>("cbAutoConnect")->isChecked());
    EXPECT_TRUE(h.find<QCheckBox>("cbBluetoothDelay")->isChecked());
    EXPECT_EQ(w.link().session().maxTestTime(), 42);
    // The saved dashboard is gone: the main one is shown rather than an empty page.
    EXPECT_EQ(w.liveDataPage()->profiles().selectedFileName(), "main.ini");
    // Not connecting at start: the status bar keeps its start texts.
    QCoreApplication::processEvents();
    h.close();
    const Ini ini(h.path("reader.ini"));
    EXPECT_EQ(ini.readUtf8("Main", "CurrentProfile"), "main.ini");
    EXPECT_EQ(ini.readInteger("Main", "MaxTestTime", 0), 42);
    EXPECT_EQ(ini.readInteger("Main", "MainWindowWidth", 0), 1000);
    EXPECT_EQ(ini.readInteger("Main", "TableContrast", 0), 750);
    EXPECT_EQ(ini.readBytes("Main", "UpdateMatrix"), "1");
    EXPECT_EQ(ini.readBytes("Main", "AutoConnect"), "0");
}

TEST(Startup, SavedProfileIsShownAndAnotherChoiceIsSaved)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nCurrentProfile=main.ini\n");
    h.open();
    QComboBox* profiles = h.find<QComboBox>("cbProfile");
    ASSERT_GE(profiles->currentIndex(), 0);
    const int other = profiles->currentIndex() == 0 ? 1 : 0;
    profiles->setCurrentIndex(other);
    emit profiles->activated(other);
    h.close();
    const QString saved = Ini(h.path("reader.ini")).readUtf8("Main", "CurrentProfile");
    EXPECT_NE(saved, "main.ini");
    EXPECT_TRUE(saved.endsWith(".ini"));
}

TEST(Startup, WithoutProfilesTheUserIsTold)
{
    WindowHarness h;
    QDir(h.path("Profiles")).removeRecursively();
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.writeFile("autos.ini", registerText({ { "First", "" } }));
    h.open();
    ASSERT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_TRUE(h.Prompts.Warnings.first().contains("Не найдено профилей"))
        << qPrintable(h.Prompts.Warnings.first());
    EXPECT_TRUE(h.Prompts.Warnings.first().contains("Profiles/"));
}

TEST(Startup, UnreadableRegisterIsReportedOnceAndNeverOverwritten)
{
    WindowHarness h;
    QDir().mkpath(h.path("autos.ini")); // exists, but cannot be read as a file
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.Prompts.AnswerDialog = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("edName")->setText("New");
        return true;
    };
    h.open();
    waitUntil([&] { return h.Prompts.Dialogs > 0; }, 500);
    h.close();
    EXPECT_EQ(h.Prompts.Warnings.filter("autos.ini").size(), 1)
        << qPrintable(h.Prompts.Warnings.join("\n"));
    EXPECT_TRUE(QFileInfo(h.path("autos.ini")).isDir());
}

TEST(Startup, LogKeepsEveryLineUntilCleared)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.writeFile("autos.ini", registerText({ { "First", "" } }));
    TfrmVeskorReader& w = h.open();
    QListWidget* log = h.find<QListWidget>("lbLog");
    const int before = log->count();
    for (int i = 0; i < 500; ++i)
        w.AddToLog(QString::number(i));
    EXPECT_EQ(log->count(), before + 500);
    EXPECT_EQ(logLines(h).last(), "499");
    h.find<QAction>("acCleanLog")->trigger();
    EXPECT_EQ(log->count(), 0);
}

namespace {

// Runs veskor-reader offscreen with the arguments for about ms (0: until it ends by itself),
// then SIGTERM; its exit code, or -1 when it did not end in order.
int runReader(const QStringList& arguments, int ms, QByteArray* errors = nullptr)
{
    QProcess reader;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    reader.setProcessEnvironment(env);
    reader.start(qEnvironmentVariable("VESKOR_BIN") + "/veskor-reader", arguments);
    if (!reader.waitForStarted())
        return -1;
    if (ms > 0) {
        QThread::msleep(ms);
        reader.terminate();
    }
    const bool ended = reader.waitForFinished(ms > 0 ? 10000 : 60000);
    if (errors)
        *errors = reader.readAllStandardError();
    if (!ended) {
        reader.kill();
        reader.waitForFinished();
        return -1;
    }
    return reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1;
}

} // namespace

TEST(Startup, SigtermClosesInOrder)
{
    WindowHarness h; // the program directory with its data files
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\n");
    h.writeFile("autos.ini", registerText({ { "First", "4BAA" } }));
    // Running: it has connected to its simulator, or at least had time to start.
    EXPECT_EQ(runReader({ "--home", h.path("") }, 1500), 0);
    const Ini ini(h.path("reader.ini"));
    for (const QString& key : ClosingKeys)
        EXPECT_TRUE(ini.hasKey("Main", key)) << qPrintable(key);
    EXPECT_EQ(ini.readUtf8("Main", "ComPortName"), "sim");
    EXPECT_EQ(ini.readInteger("Autos", "Current", -2), 0);
    EXPECT_TRUE(h.readFile("autos.ini").contains("CalID=4BAA"));
}

TEST(Startup, DefinitionErrorsOfALoadComeAsOneList)
{
    WindowHarness h;
    h.writeFile("Profiles/broken.ini",
        "[Main]\nName=Broken\n[Gauges]\nG=TFordGauge\n[G]\nMax=abc\nPID=xyz\nVisible=True\n");
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\nCurrentProfile=broken.ini\n");
    h.writeFile("autos.ini", registerText({ { "First", "" } }));
    h.open();
    ASSERT_EQ(h.Prompts.Warnings.size(), 1) << qPrintable(h.Prompts.Warnings.join("\n"));
    EXPECT_TRUE(h.Prompts.Warnings.first().contains("Max"))
        << qPrintable(h.Prompts.Warnings.first());
    EXPECT_TRUE(h.Prompts.Warnings.first().contains("PID"))
        << qPrintable(h.Prompts.Warnings.first());
}

TEST(Startup, ADemoRunOnTheSimulatorLeavesTheUsersFilesAsTheyWere)
{
    WindowHarness h;
    const QByteArray settings = "[Main]\nComPortName=/dev/ttyUSB7\nComPortSpeed=4\n";
    h.writeFile("reader.ini", settings);
    // A car without a code: the simulated ECU's must not become its own.
    h.writeFile("autos.ini", registerText({ { "Real car", "" } }));
    const QByteArray vehicles = h.readFile("autos.ini");
    EXPECT_EQ(runReader({ "--home", h.path(""), "--simulator" }, 3000), 0);
    EXPECT_EQ(h.readFile("reader.ini"), settings);
    EXPECT_EQ(h.readFile("autos.ini"), vehicles);
}

TEST(Startup, AnEmptyHomeReceivesTheShippedData)
{
    TempDir root;
    const QString home = root.file("new-home");
    QByteArray errors;
    EXPECT_EQ(runReader({ "--home", home, "--screenshots", root.file("shots") }, 0, &errors), 0)
        << errors.constData();
    for (const char* name : { "codes.txt", "report.htm", "CarProfiles.ini", "Profiles/main.ini" })
        EXPECT_TRUE(QFileInfo::exists(QDir(home).filePath(name))) << name;
    // No box complained of a missing file, and no program was copied.
    EXPECT_FALSE(errors.contains("codes.txt")) << errors.constData();
    EXPECT_FALSE(QFileInfo::exists(QDir(home).filePath("veskor-reader")));
}

TEST(Startup, AFirstRunWaitsForTheSelfTestAndShowsTheMainDashboard)
{
    WindowHarness h;
    h.writeFile("autos.ini", registerText({ { "First", "4BAA" } }));
    TfrmVeskorReader& w = h.open([](TfrmVeskorReader::Options& o) {
        o.Simulator = true;
        // The ECU's answer comes after 5 s (half a second at the tests' scale).
        o.Link.Simulator.SelfTestMs = 5000;
        o.Link.Simulator.TestCodes = { 211 };
    });
    EXPECT_EQ(h.find<QComboBox>("cbSpeed")->currentText(), "38400");
    EXPECT_EQ(w.link().session().maxTestTime(), 60);
    EXPECT_EQ(w.liveDataPage()->profiles().selectedFileName(), "main.ini");
    // A run on the simulator says so.
    EXPECT_TRUE(w.windowTitle().contains("симуляция"));
    EXPECT_TRUE(h.find<QWidget>("laSimulation")->isVisible());
    // The title and task bars get the icon at the sizes they draw.
    const QList<QSize> iconSizes = w.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(256, 256)))
        << iconSizes.size();
    ASSERT_TRUE(waitUntil([&] { return h.find<QAction>("acInvokeTest")->isEnabled(); }));
    h.Prompts.AnswerDialog = selfTestAnswer("rbKoer");
    QElapsedTimer clock;
    clock.start();
    h.find<QAction>("acInvokeTest")->trigger();
    ASSERT_TRUE(waitUntil([&] { return !w.faultsPage()->outcomeLine().isEmpty(); }, 20000));
    EXPECT_GE(clock.elapsed(), 500);
    EXPECT_EQ(w.faultsPage()->entries(), QStringList({ "0", "211" }));
    EXPECT_TRUE(w.faultsPage()->outcomeLine().contains("найдено кодов: 1"));
}

// The built-in module paces its bytes at the saved speed, not at the options page's first.
TEST(Startup, TheSimulatorRunsAtTheSavedSpeed)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=4\nAutoConnect=0\n");
    TfrmVeskorReader& w = h.open();
    ASSERT_TRUE(w.link().session().simulator());
    EXPECT_EQ(w.link().session().simulator()->baud(), 115200);
}

TEST(Startup, DamagedDataFilesAreLoggedAndListedInOneBox)
{
    const QByteArray codes = [] {
        QFile shipped(QDir(qEnvironmentVariable("VESKOR_DATA")).filePath("codes.txt"));
        return shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray();
    }();
    ASSERT_FALSE(codes.isEmpty());
    QByteArray junk;
    for (int i = 0; i < 2048; ++i)
        junk += char(0x80 + (i * 37) % 0x7F);
    // A NUL in the middle: the codes above it are read, the rest not.
    const qsizetype cut = codes.indexOf("\n112\r\n") + 1;
    ASSERT_GT(cut, 0);
    const QByteArray nulCut = codes.left(cut) + '\0' + codes.mid(cut);
    const QString nulLine = QString::number(codes.left(cut).count('\n') + 1) + ',';
    const auto before
        = [](const char* text) { return Texts::text(text).section(QLatin1Char('%'), 0, 0); };
    struct Case {
        const char* name;
        QByteArray codes;
        QByteArray cars; // empty: the shipped file
        QStringList told; // a piece of each problem
    };
    const QList<Case> cases {
        { "sound files", codes, {}, {} },
        { "empty codes.txt", "", {}, { Texts::text(Texts::FaultCodesEmpty) } },
        { "junk codes.txt", junk, {}, { before(Texts::FaultCodesNoNumber) } },
        { "codes.txt cut by a NUL", nulCut, {}, { before(Texts::FaultCodesStopped) + nulLine } },
        { "CarProfiles.ini in UTF-16", codes, QByteArray("\xFF\xFE[\0a\0]\0", 8),
            { Texts::text(Texts::IniUtf16) } },
        { "both", "", "Name=no section\n",
            { Texts::text(Texts::FaultCodesEmpty), Texts::text(Texts::IniNoSection) } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowHarness h;
        h.writeFile("codes.txt", c.codes);
        if (!c.cars.isEmpty())
            h.writeFile("CarProfiles.ini", c.cars);
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
        h.writeFile("autos.ini", registerText({ { "First", "" } }));
        h.open();
        const QStringList boxes
            = h.Prompts.Warnings.filter(Texts::text(Texts::DataFileProblemsTitle));
        ASSERT_EQ(boxes.size(), c.told.isEmpty() ? 0 : 1)
            << qPrintable(h.Prompts.Warnings.join("\n"));
        QStringList log;
        QListWidget* lbLog = h.find<QListWidget>("lbLog");
        for (int i = 0; i < lbLog->count(); ++i)
            log.append(lbLog->item(i)->text());
        for (const QString& piece : c.told) {
            EXPECT_TRUE(boxes[0].contains(piece)) << qPrintable(boxes[0] + " / " + piece);
            EXPECT_EQ(log.filter(piece).size(), 1) << qPrintable(log.join("\n"));
        }
    }
}

// The window never opens larger than its screen, also when reader.ini saved a larger one.
// On a screen narrower than 1280 pixels the matrix and the log start hidden and the
// dashboard takes their width, until "Панели" shows them.
TEST(Startup, WindowFitsItsScreenAndANarrowOneStartsWithoutThePanels)
{
    const QByteArray large
        = "MainWindowLeft=300\nMainWindowTop=200\nMainWindowWidth=1600\nMainWindowHeight=1000\n";
    const struct {
        const char* what;
        QRect screen;
        QByteArray saved;
        bool fills; // else the first start's size
        bool panels;
    } cases[] = {
        { "netbook, first start", { 0, 0, 800, 480 }, "", true, false },
        { "netbook, saved on a monitor", { 0, 0, 800, 480 }, large, true, false },
        { "laptop, saved on a monitor", { 0, 0, 1366, 768 }, large, true, true },
        { "desktop, first start", { 0, 0, 1920, 1080 }, "", false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowHarness h;
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n" + c.saved);
        TfrmVeskorReader& w
            = h.open([&](TfrmVeskorReader::Options& o) { o.Screens = { c.screen }; });
        w.pages()->setCurrentWidget(w.liveDataPage());
        // The frame included.
        EXPECT_TRUE(c.screen.contains(w.frameGeometry()));
        if (c.fills)
            EXPECT_EQ(w.frameGeometry().size(), c.screen.size());
        else
            EXPECT_EQ(
                w.size(), QSize(TfrmVeskorReader::InitialWidth, TfrmVeskorReader::InitialHeight));
        auto* matrix = h.find<QDockWidget>("dkMatrix");
        auto* log = h.find<QDockWidget>("dkLog");
        auto* panels = h.find<QAction>("acShowPanels");
        auto* dashboard = h.find<QGraphicsView>("gvDashboard");
        EXPECT_EQ(panels->isChecked(), c.panels);
        // The main dashboard's readouts and its engine speed stay readable from the driver's
        // seat: 24 pixels high at least.
        ASSERT_TRUE(waitUntil([&] { return (dashboard->width() > w.width() - 20) == !c.panels; }));
        QList<const TFont*> readouts;
        for (const TFordValue* readout : w.liveDataPage()->panel()->findChildren<TFordValue*>())
            readouts.append(readout->Font());
        for (const TFordGauge* dial : w.liveDataPage()->panel()->findChildren<TFordGauge*>())
            if (dial->PID() == 1)
                readouts.append(dial->ValueFont());
        ASSERT_EQ(readouts.size(), 3);
        for (const TFont* font : readouts)
            EXPECT_GE(font->pixelSize() * w.liveDataPage()->dashboardScale(), 24.0);
        for (bool shown : { c.panels, !c.panels }) {
            ASSERT_TRUE(waitUntil([&] { return matrix->isVisible() == shown; }));
            EXPECT_EQ(log->isVisible(), shown);
            // The panels take a third of the width; the pages' frame a few pixels.
            ASSERT_TRUE(waitUntil([&] { return (dashboard->width() > w.width() - 20) == !shown; }))
                << dashboard->width() << " of " << w.width();
            panels->trigger();
        }
    }
}

// The developer's items (the link's test signal and its history, the window's test signal)
// are in the debug menu and nowhere else, and the menu shows only with --debug or Debug=1.
// The memory page's unfinished maps stay hidden.
TEST(Startup, DeveloperItemsOnlyInTheDebugMenuShownOnRequest)
{
    const struct {
        const char* what;
        bool option;
        QByteArray saved;
        bool shown;
    } cases[] = {
        { "neither", false, "", false },
        { "--debug", true, "", true },
        { "Debug=1", false, "Debug=1\n", true },
        { "Debug=0", false, "Debug=0\n", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowHarness h;
        h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n" + c.saved);
        h.open([&](TfrmVeskorReader::Options& o) { o.Debug = c.option; });
        auto* debug = h.find<QToolButton>("tbDebug");
        EXPECT_EQ(waitUntil([&] { return debug->isVisible(); }, c.shown ? 10000 : 300), c.shown);
        auto* menu = h.find<QMenu>("mnDebug");
        for (const char* name : { "acTestSignal", "acDumpTestData", "SpTBXButton1" })
            EXPECT_EQ(h.find<QAction>(name)->associatedObjects(), QObjectList { menu }) << name;
        auto* maps = h.find<QTabWidget>("tabMem");
        const QStringList unfinished { Texts::text(Texts::MemTabIgnition),
            Texts::text(Texts::MemTabEnrichment) };
        for (int i = 0; i < maps->count(); ++i)
            EXPECT_EQ(maps->isTabVisible(i), !unfinished.contains(maps->tabText(i)))
                << qPrintable(maps->tabText(i));
    }
}
