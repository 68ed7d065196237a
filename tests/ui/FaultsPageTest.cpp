// The fault codes page against the simulator: reading the codes, the list, the stamped
// diagnosis date, copy and the HTML report.
#include "ui/pages/FaultsPage.h"

#include "WindowTestSupport.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class FaultsPageTest : public ::testing::Test {
protected:
    void connect(const char* vehicleName)
    {
        h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n[Autos]\nCurrent=0\n");
        h.writeFile("autos.ini", registerText({ { vehicleName, "4BAA" }, { "Other", "" } }));
        h.open([](SimConfig& c) { c.StoredCodes = { 112, 23 }; });
        ASSERT_TRUE(waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        }));
    }
    void readCodes()
    {
        h.window().pages()->setCurrentIndex(0);
        h.find<QAction>("acReadFaults")->trigger();
        EXPECT_EQ(h.window().pages()->currentWidget(), h.window().faultsPage());
        ASSERT_TRUE(
            waitUntil([&] { return h.find<QListWidget>("lbFaults")->count() >= 3; }, 20000));
        EXPECT_FALSE(h.find<QLabel>("pnReadingFaults")->isVisible());
    }

    WindowHarness h;
};

} // namespace

TEST_F(FaultsPageTest, ReadCodesListsThemAndStampsTheDiagnosis)
{
    connect("Escort");
    readCodes();
    const QStringList entries = h.window().faultsPage()->entries();
    EXPECT_EQ(entries.first(), "0");
    EXPECT_TRUE(entries.contains("112"));
    EXPECT_TRUE(entries.contains("023"));
    EXPECT_EQ(entries.size(), 3);
    // The current vehicle's diagnosis is now, in the list and in autos.ini.
    EXPECT_FALSE(h.readFile("autos.ini")
                     .contains("LastRead=01.01.2020\nComment=\nCarProfile=0\nCalID=4BAA"));
    const QString copied = h.window().faultsPage()->copyText();
    EXPECT_TRUE(copied.startsWith("Название: Escort\r\n"));
    EXPECT_TRUE(copied.contains("Код: 023\r\n"));
    h.find<QAction>("acCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

TEST_F(FaultsPageTest, ReportGoesIntoTheVehiclesFolderEscapedAndIsOpened)
{
    connect("<b>x</b>\"><script>..");
    readCodes();
    h.find<QAction>("acSaveReport")->trigger();
    ASSERT_EQ(h.Prompts.Opened.size(), 1) << qPrintable(h.Prompts.Warnings.join("\n"));
    const QString file = h.Prompts.Opened.first();
    EXPECT_EQ(QFileInfo(file).dir().dirName(), "_b_x__b____script___");
    EXPECT_EQ(QFileInfo(file).dir().absolutePath(),
        QDir(h.path("Reports")).absoluteFilePath("_b_x__b____script___"));
    const QString html = readTextFile(file).join("\n");
    EXPECT_TRUE(html.contains("&lt;b&gt;x&lt;/b&gt;&quot;&gt;&lt;script&gt;.."))
        << qPrintable(html.left(400));
    EXPECT_FALSE(html.contains("<script>"));
    EXPECT_TRUE(html.contains("<td class=\"code\">23</td>"));
    EXPECT_TRUE(html.contains("<td class=\"code\">112</td>"));
}

TEST_F(FaultsPageTest, NoReportWithoutCodesOrVehicleAndNoCrashOnCopy)
{
    connect("Escort");
    FaultsPage* page = h.window().faultsPage();
    EXPECT_EQ(page->saveReport(), ""); // empty list
    h.find<QComboBox>("cbCurrentAuto")->setCurrentIndex(-1);
    readCodes();
    EXPECT_EQ(page->entries().first(), "-1");
    EXPECT_EQ(page->saveReport(), "");
    EXPECT_TRUE(page->copyText().startsWith("Код: "));
    EXPECT_FALSE(QDir(h.path("Reports")).exists() && !QDir(h.path("Reports")).isEmpty());
    h.find<QListWidget>("lbFaults")->grab(); // the header row draws its line alone
}
