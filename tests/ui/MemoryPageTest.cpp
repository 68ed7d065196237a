// The memory page against the simulator inside the process: a full dump into the vehicle's
// dump folder that then shows the simulated ECU's adaptive tables, and a read stopped midway.
#include "ui/pages/MemoryPage.h"

#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "sim/SimMemory.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"
#include "ui/dock/LogPanel.h"
#include "ui/pages/LiveDataPage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class MemoryPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n[Autos]\nCurrent=0\n");
        // A name that is no safe folder name; its register record names the sample profile.
        h.writeFile("autos.ini", registerText({ { "Escort/1.6:*", "4BAA" } }));
        h.open();
        page = h.find<MemoryPage>("tabDump");
        ASSERT_NE(page, nullptr);
        page->setSaveFileChooser([this](const QString& folder, const QString& name) {
            chosenFolder = folder;
            return QDir(folder).filePath(name);
        });
        ASSERT_TRUE(waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        }));
    }
    QString cell(const char* grid, int row, int column)
    {
        const QTableWidgetItem* item = h.find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    TCommThread& link() { return h.window().findChild<LinkController*>()->link(); }
    QString log()
    {
        QStringList lines;
        const QListWidget* list = h.window().findChild<LogPanel*>()->list();
        for (int i = 0; i < list->count(); ++i)
            lines.append(list->item(i)->text());
        return lines.join('\n');
    }

    WindowHarness h;
    MemoryPage* page = nullptr;
    QString chosenFolder;
};

QString factor(int address)
{
    return MemoryView::factorText(uint8_t(SimMemory::image().at(address)));
}

} // namespace

TEST_F(MemoryPageTest, FullDumpWritesTheFileAndShowsTheAdaptiveTables)
{
    EXPECT_EQ(h.find<GlowLabel>("lbAdaptChecksum")->text(), "????");
    h.find<QAction>("acDumpFull")->trigger();
    const QString expectedFolder = QDir(h.path("Dumps")).filePath("Escort_1.6__");
    EXPECT_EQ(chosenFolder, expectedFolder);
    EXPECT_TRUE(QDir(expectedFolder).exists());
    auto* progress = h.find<QProgressBar>("pbDump");
    EXPECT_EQ(progress->maximum(), 4095 * 16);

    const QString file = QDir(expectedFolder).filePath("DumpRAMROM.bin");
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(file); }, 60000)) << qPrintable(log());
    EXPECT_EQ(link().DumpFile(), file);
    QFile dump(file);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.readAll(), SimMemory::image());
    EXPECT_EQ(progress->value(), progress->maximum());

    // The sample profile's addresses: the simulated ECU's tables, checksum matching.
    const int a = SimMemory::AdaptiveAddress;
    EXPECT_EQ(cell("sgAdapt", 0, 1), "700");
    EXPECT_EQ(cell("sgAdapt", 8, 0), "100.0");
    EXPECT_EQ(cell("sgAdapt", 1, 1), factor(a));
    EXPECT_EQ(cell("sgAdapt", 3, 5), factor(a + 2 * 10 + 4));
    EXPECT_EQ(cell("sgAdapt", 8, 10), factor(a + 79));
    EXPECT_EQ(cell("sgAdaptIdle", 0, 0), factor(a + 80));
    EXPECT_EQ(cell("sgAdaptIdle", 5, 0), factor(a + 85));
    auto* checksum = h.find<GlowLabel>("lbAdaptChecksum");
    EXPECT_EQ(checksum->text(),
        QString::number(SimMemory::adaptiveChecksum(SimMemory::image()), 16)
            .rightJustified(4, '0')
            .toUpper());
    EXPECT_EQ(checksum->glow(), Glow::Green);
    // The injection map shows the bytes at its address, and follows the field.
    EXPECT_EQ(cell("sgInjection", 1, 1),
        QString("%1").arg(uint8_t(SimMemory::image().at(0xC112)), 2, 16, QChar('0')).toUpper());
    h.find<QLineEdit>("edAddr")->setText("C200");
    EXPECT_EQ(cell("sgInjection", 1, 2),
        QString("%1").arg(uint8_t(SimMemory::image().at(0xC201)), 2, 16, QChar('0')).toUpper());
}

TEST_F(MemoryPageTest, ReadFromTheEcuShowsTheSameTablesAsADump)
{
    h.find<QPushButton>("btnReadAdapt")->click();
    auto* progress = h.find<QProgressBar>("pbDump");
    EXPECT_EQ(progress->minimum(), SimMemory::AdaptiveAddress);
    EXPECT_EQ(progress->maximum(), SimMemory::AdaptiveAddress + 192);
    auto* checksum = h.find<GlowLabel>("lbAdaptChecksum");
    ASSERT_TRUE(waitUntil([&] { return checksum->text() != "????"; }, 30000)) << qPrintable(log());
    EXPECT_EQ(checksum->glow(), Glow::Green);
    const int a = SimMemory::AdaptiveAddress;
    EXPECT_EQ(cell("sgAdapt", 1, 1), factor(a));
    EXPECT_EQ(cell("sgAdapt", 8, 10), factor(a + 79));
    EXPECT_EQ(cell("sgAdaptIdle", 3, 0), factor(a + 83));
    // Only the adaptive area was read: no dump file was asked for.
    EXPECT_TRUE(chosenFolder.isEmpty());
}

TEST_F(MemoryPageTest, StopEndsTheReadWithoutAFile)
{
    h.find<QAction>("acDumpFull")->trigger();
    ASSERT_TRUE(waitUntil([&] { return link().LinkMode() == Link::lmMemoryRead; }, 20000));
    h.find<QAction>("acDumpStop")->trigger();
    EXPECT_TRUE(link().CancelConnect());
    // cmdDisconnect clears the flag once the read has given up.
    ASSERT_TRUE(waitUntil([&] { return !link().CancelConnect(); }, 20000));
    const QListWidget* log = h.window().findChild<LogPanel*>()->list();
    ASSERT_TRUE(waitUntil([&] {
        return !log->findItems(Texts::text(Texts::LogMemoryReadCancelled), Qt::MatchExactly)
                    .isEmpty();
    }));
    const QString file = QDir(chosenFolder).filePath("DumpRAMROM.bin");
    EXPECT_FALSE(waitUntil([&] { return QFile::exists(file); }, 1500));
    EXPECT_EQ(h.find<GlowLabel>("lbAdaptChecksum")->text(), "????");
}

// At full HD the dashboard is drawn about 1.9 times its size, whole, and 1:1 on request;
// the readouts follow the stream. VESKOR_SCREENSHOTS names a folder for pictures of both pages.
TEST_F(MemoryPageTest, FullHdDashboardFitsAndReadoutsFollowTheStream)
{
    h.window().resize(1920, 1080);
    auto* live = h.find<LiveDataPage>("tabLiveData");
    h.window().pages()->setCurrentWidget(live);
    auto* profiles = h.find<QComboBox>("cbProfile");
    ASSERT_GT(profiles->count(), 0);
    profiles->setCurrentIndex(0);
    emit profiles->activated(0);
    ASSERT_TRUE(waitUntil([&] { return live->dashboardScale() > 1.5; }));
    EXPECT_LT(live->dashboardScale(), 2.1);
    h.find<QAction>("acStartData")->trigger();
    ASSERT_TRUE(
        waitUntil([&] { return h.find<QLabel>("laUpdateFreq")->text() != "000 мс"; }, 20000));
    EXPECT_TRUE(h.find<QLabel>("laUpdateFreq")->text().endsWith(" мс"));
    EXPECT_NE(h.find<QLabel>("laCount")->text(), "000");

    const QString shots = qEnvironmentVariable("VESKOR_SCREENSHOTS");
    if (!shots.isEmpty()) {
        waitUntil([] { return false; }, 1000);
        h.window().grab().save(QDir(shots).filePath("live-fit.png"));
    }
    h.find<QAction>("acFitDashboard")->trigger();
    EXPECT_DOUBLE_EQ(live->dashboardScale(), 1.0);
    if (!shots.isEmpty()) {
        h.window().grab().save(QDir(shots).filePath("live-1to1.png"));
        h.find<QAction>("acStopData")->trigger();
        h.window().pages()->setCurrentWidget(page);
        h.find<QAction>("acDumpRAM")->trigger();
        waitUntil([&] { return h.find<GlowLabel>("lbAdaptChecksum")->text() != "????"; }, 30000);
        h.window().grab().save(QDir(shots).filePath("memory.png"));
        h.find<QTabWidget>("tabMem")->setCurrentIndex(1);
        h.window().grab().save(QDir(shots).filePath("memory-injection.png"));
    }
}
