// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The memory page against the simulator inside the process: a full dump into the vehicle's
// dump folder that then shows the simulated ECU's adaptive tables, and a read stopped midway.
#include "ui/pages/MemoryPage.h"

#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "sim/SimMemory.h"
#include "sim/Simulator.h"
#include "support/TempDir.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"
#include "ui/dock/LogPanel.h"
#include "ui/model/AdaptComparison.h"
#include "ui/model/Reconnector.h"
#include "ui/pages/LiveDataPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
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
        // The save dialog takes the proposed name in the proposed folder; the open dialog
        // the file the test names.
        h.Prompts.AnswerFile = [this](const FileRequest& request) {
            return request.Save ? QDir(request.Folder).filePath(request.Name) : fileToOpen;
        };
        ASSERT_TRUE(waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        }));
    }
    QString cell(const char* grid, int row, int column)
    {
        const QTableWidgetItem* item = h.find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    // The colour the grid paints a cell with, away from its text.
    QColor fill(const char* grid, int row, int column)
    {
        auto* table = h.find<QTableWidget>(grid);
        const QRect rect = table->visualRect(table->model()->index(row, column));
        const QImage image = table->viewport()->grab().toImage();
        return image.pixelColor(rect.left() + 3, rect.bottom() - 2);
    }
    LinkSession& link() { return h.window().link().session(); }
    QString log() { return logLines(h).join('\n'); }
    bool logged(const QString& line) { return log().split('\n').contains(line); }
    void load(const QString& file)
    {
        fileToOpen = file;
        h.find<QAction>("acReadDump")->trigger();
    }
    QString dumpFolder() const { return QDir(h.path("Dumps")).filePath("Escort_1.6__"); }
    // VESKOR_SCREENSHOTS names a folder for a picture of the page as it is.
    void screenshot(const char* name)
    {
        const QString folder = qEnvironmentVariable("VESKOR_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        h.window().pages()->setCurrentWidget(page);
        waitUntil([] { return false; }, 300);
        h.window().grab().save(QDir(folder).filePath(QLatin1String(name)));
    }

    WindowHarness h;
    MemoryPage* page = nullptr;
    QString fileToOpen;
};

QString factor(int address)
{
    return MemoryView::factorText(uint8_t(SimMemory::image().at(address)));
}

QString hexByte(int address)
{
    return QString("%1").arg(uint8_t(SimMemory::image().at(address)), 2, 16, QChar('0')).toUpper();
}

} // namespace

TEST_F(MemoryPageTest, RamDumpAndItsReloadShowTheTablesWithAGreenChecksum)
{
    auto* checksum = h.find<GlowLabel>("lbAdaptChecksum");
    EXPECT_EQ(checksum->text(), "????");
    h.find<QAction>("acDumpRAM")->trigger();
    ASSERT_EQ(h.Prompts.FileRequests.size(), 1);
    const FileRequest asked = h.Prompts.FileRequests.first();
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.Title, Texts::text(Texts::MemSaveTitle));
    EXPECT_EQ(asked.Folder, dumpFolder());
    EXPECT_TRUE(asked.Name.startsWith("FullRAM ") && asked.Name.endsWith(".bin"));
    EXPECT_EQ(asked.Suffix, "bin");
    EXPECT_TRUE(QDir(dumpFolder()).exists());
    auto* progress = h.find<QProgressBar>("pbDump");
    EXPECT_EQ(progress->maximum(), 511 * 16);

    // The progress events move the bar while the stream runs and end it at the top.
    int steps = 0;
    QObject scope; // ends the connection with the test
    QObject::connect(progress, &QProgressBar::valueChanged, &scope,
        [&](int value) { steps += value > 0 && value < progress->maximum(); });
    const QString file = QDir(dumpFolder()).filePath(asked.Name);
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(file); }, 60000)) << qPrintable(log());
    EXPECT_GT(steps, 0);
    QFile dump(file);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    const QByteArray bytes = dump.readAll();
    ASSERT_EQ(bytes.size(), 65536);
    EXPECT_EQ(bytes.left(8192), SimMemory::image().left(8192));
    EXPECT_TRUE(waitUntil([&] { return progress->value() == progress->maximum(); }));
    // The RAM holds the adaptive tables: the dump shows them as it ends.
    EXPECT_EQ(checksum->glow(), Glow::Green);
    EXPECT_EQ(cell("sgAdapt", 1, 1), factor(SimMemory::AdaptiveAddress));
    EXPECT_EQ(cell("sgAdaptIdle", 5, 0), factor(SimMemory::AdaptiveAddress + 85));

    // Loading it back shows the simulated ECU's tables with their checksum matching.
    TempDir files;
    load(files.write("blank.bin", QByteArray(65536, '\x80')));
    EXPECT_EQ(checksum->glow(), Glow::Red);
    load(file);
    EXPECT_FALSE(h.Prompts.FileRequests.last().Save);
    EXPECT_EQ(h.Prompts.FileRequests.last().Title, Texts::text(Texts::MemOpenTitle));
    EXPECT_EQ(h.Prompts.FileRequests.last().Folder, dumpFolder());
    const int a = SimMemory::AdaptiveAddress;
    EXPECT_EQ(cell("sgAdapt", 0, 1), "700");
    EXPECT_EQ(cell("sgAdapt", 0, 10), "6500");
    EXPECT_EQ(cell("sgAdapt", 1, 0), "12.5");
    EXPECT_EQ(cell("sgAdapt", 8, 0), "100.0");
    EXPECT_EQ(cell("sgAdapt", 1, 1), factor(a));
    EXPECT_EQ(cell("sgAdapt", 3, 5), factor(a + 2 * 10 + 4));
    EXPECT_EQ(cell("sgAdapt", 8, 10), factor(a + 79));
    EXPECT_EQ(cell("sgAdaptIdle", 0, 0), factor(a + 80));
    EXPECT_EQ(cell("sgAdaptIdle", 5, 0), factor(a + 85));
    EXPECT_EQ(checksum->text(),
        QString::number(SimMemory::adaptiveChecksum(SimMemory::image()), 16)
            .rightJustified(4, '0')
            .toUpper());
    EXPECT_EQ(checksum->glow(), Glow::Green);
    EXPECT_EQ(checksum->glowColour(), QColor(0, 128, 0));
    EXPECT_TRUE(logged(Texts::text(Texts::LogMemDumpLoaded).arg(file)));
    // The injection map follows its field at once.
    auto* address = h.find<QLineEdit>("edAddr");
    EXPECT_EQ(address->text(), "C112");
    EXPECT_EQ(cell("sgInjection", 1, 1), "00"); // above the RAM read: nothing there
    address->setText(QString::number(a, 16));
    EXPECT_EQ(cell("sgInjection", 1, 2), hexByte(a + 1));
    EXPECT_EQ(cell("sgInjection", 8, 10), hexByte(a + 79));
    address->setText("zz");
    EXPECT_EQ(cell("sgInjection", 1, 1), hexByte(0));
    screenshot("memory-dump.png");
}

TEST_F(MemoryPageTest, ReadFromTheEcuShowsTheSameTablesAsADump)
{
    h.find<QPushButton>("btnReadAdapt")->click();
    auto* progress = h.find<QProgressBar>("pbDump");
    EXPECT_EQ(progress->minimum(), SimMemory::AdaptiveAddress);
    EXPECT_EQ(progress->maximum(), SimMemory::AdaptiveAddress + 192);
    auto* checksum = h.find<GlowLabel>("lbAdaptChecksum");
    // evDumpDone with tag 1 decodes the tables.
    ASSERT_TRUE(waitUntil([&] { return checksum->text() != "????"; }, 30000)) << qPrintable(log());
    EXPECT_EQ(checksum->glow(), Glow::Green);
    const int a = SimMemory::AdaptiveAddress;
    EXPECT_EQ(cell("sgAdapt", 1, 1), factor(a));
    EXPECT_EQ(cell("sgAdapt", 8, 10), factor(a + 79));
    EXPECT_EQ(cell("sgAdaptIdle", 3, 0), factor(a + 83));
    EXPECT_EQ(progress->value(), progress->maximum());
    // Only the adaptive area was read: no dump file was asked for.
    EXPECT_TRUE(h.Prompts.FileRequests.isEmpty());
}

// "Прочитать из EEC-IV" while the live stream runs: the stream stops, the tables come, the
// stream comes back by itself; no watchdog takes the read for a lost stream.
TEST_F(MemoryPageTest, ReadDuringLiveDataPausesTheStreamWithoutAReconnect)
{
    LinkController& link = h.window().link();
    QList<quint8> done;
    QStringList statuses;
    QObject scope; // ends the connections with the test
    QObject::connect(&link.session(), &LinkSession::commandDone, &scope,
        [&](quint8 code) { done.append(code); });
    QObject::connect(&link, &LinkController::reconnectStatus, &scope, [&](const StatusText& s) {
        if (!s.Text.isEmpty())
            statuses.append(s.Text);
    });
    auto* profiles = h.find<QComboBox>("cbProfile");
    ASSERT_GT(profiles->count(), 0);
    profiles->setCurrentIndex(0);
    emit profiles->activated(0);
    h.find<QAction>("acStartData")->trigger();
    ASSERT_TRUE(waitUntil([&] { return link.session().liveWords() > 50; }, 20000))
        << qPrintable(log());
    done.clear();
    const qsizetype sent = link.session().simulator()->receivedLines().size();

    h.find<QPushButton>("btnReadAdapt")->click();
    auto* checksum = h.find<GlowLabel>("lbAdaptChecksum");
    ASSERT_TRUE(waitUntil([&] { return checksum->text() != "????"; }, 30000)) << qPrintable(log());
    EXPECT_EQ(checksum->glow(), Glow::Green);
    EXPECT_EQ(cell("sgAdapt", 8, 10), factor(SimMemory::AdaptiveAddress + 79));
    const uint64_t words = link.session().liveWords();
    ASSERT_TRUE(waitUntil([&] { return link.session().liveWords() > words + 50; }, 20000))
        << qPrintable(log());
    EXPECT_EQ(link.session().mode(), Link::lmLiveData);
    EXPECT_EQ(done,
        (QList<quint8> {
            quint8(Link::cmdStopData), quint8(Link::cmdDumpRange), quint8(Link::cmdStartData) }));
    // The module was told to stop streaming before it was asked for memory.
    const QList<QByteArray> lines = link.session().simulator()->receivedLines().mid(sent);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), "z");
    EXPECT_LT(lines.indexOf("lD"), lines.indexOf("cG"));
    EXPECT_FALSE(logged(Texts::text(Texts::LogStreamSilent)));
    EXPECT_TRUE(statuses.isEmpty()) << qPrintable(statuses.join('\n'));
    EXPECT_EQ(link.reconnector().state(), Reconnector::State::Streaming);
}

TEST_F(MemoryPageTest, StopEndsTheReadAndNamesWhatDidNotCome)
{
    TempDir files;
    const QString other = files.write("other.bin", QByteArray(65536, '\x11'));
    h.find<QAction>("acDumpFull")->trigger();
    ASSERT_TRUE(waitUntil([&] { return link().mode() == Link::lmMemoryRead; }, 20000));
    // No file goes into the image under a running read.
    load(other);
    EXPECT_TRUE(logged(Texts::text(Texts::LogMemLoadBusy)));
    EXPECT_NE(link().memImage(0xFFFF), 0x11);
    EXPECT_EQ(h.find<GlowLabel>("lbAdaptChecksum")->text(), "????");

    h.find<QAction>("acDumpStop")->trigger();
    ASSERT_TRUE(waitUntil([&] { return logged(Texts::text(Texts::LogDataErrors)); }, 20000))
        << qPrintable(log());
    const QStringList lines = log().split('\n');
    const qsizetype stop = lines.indexOf(Texts::text(Texts::LogMemoryReadCancelled));
    ASSERT_GE(stop, 0);
    EXPECT_EQ(lines.value(stop + 1), Texts::text(Texts::LogDataCheck));
    EXPECT_TRUE(lines.value(stop + 2).startsWith("Ошибка по смещению"));
    const QString file
        = h.Prompts.FileRequests.first().Folder + "/" + h.Prompts.FileRequests.first().Name;
    EXPECT_FALSE(waitUntil([&] { return QFile::exists(file); }, 1500));
    // The link was not disconnected, and the image now takes the file.
    EXPECT_FALSE(link().connectCancelled());
    EXPECT_EQ(h.find<GlowLabel>("laModule")->text(), Texts::text(Texts::ModuleConnected));
    load(other);
    EXPECT_EQ(link().memImage(0xFFFF), 0x11);
    EXPECT_EQ(cell("sgAdapt", 1, 1), "0.566");
}

TEST_F(MemoryPageTest, DumpFilesOfOtherSizesFillWhatTheyHold)
{
    TempDir files;
    load(files.write("full.bin", QByteArray(65536, '\x80')));
    EXPECT_EQ(cell("sgAdapt", 1, 1), "1.000");
    EXPECT_EQ(h.find<GlowLabel>("lbAdaptChecksum")->glow(), Glow::Red);
    EXPECT_EQ(h.find<GlowLabel>("lbAdaptChecksum")->glowColour(), QColor(255, 0, 0));

    // A short file fills the image as far as it goes; the rest keeps what was there.
    const int a = SimMemory::AdaptiveAddress;
    const QString shortFile = files.write("short.bin", QByteArray(a + 5, '\xFF'));
    load(shortFile);
    EXPECT_EQ(cell("sgAdapt", 1, 5), "1.496");
    EXPECT_EQ(cell("sgAdapt", 1, 6), "1.000");
    EXPECT_TRUE(logged(MemoryView::loadNote(shortFile, a + 5)));

    // A longer one gives its first 65536 bytes and says so.
    QByteArray longer(70000, '\x00');
    longer[0xFFFF] = char(0x42);
    longer[0x10000] = char(0x99);
    const QString longFile = files.write("long.bin", longer);
    load(longFile);
    EXPECT_EQ(link().memImage(0xFFFF), 0x42);
    EXPECT_EQ(link().memImage(0x0000), 0x00);
    EXPECT_TRUE(logged(MemoryView::loadNote(longFile, 70000)));
    EXPECT_EQ(cell("sgAdapt", 1, 5), "0.500");

    // A file that cannot be read goes to the error display; the image stays.
    load(files.file("missing.bin"));
    EXPECT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_EQ(link().memImage(0xFFFF), 0x42);
    // A cancelled dialog changes nothing.
    h.Prompts.AnswerFile = [](const FileRequest&) { return QString(); };
    h.find<QAction>("acReadDump")->trigger();
    EXPECT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_EQ(link().memImage(0xFFFF), 0x42);
}

TEST_F(MemoryPageTest, CellsShowFactorsAndBytesInTheirColours)
{
    h.find<QSpinBox>("speContrast")->setValue(500);
    const int a = SimMemory::AdaptiveAddress;
    QByteArray image(65536, '\x80');
    const char cells[] = { 0x00, char(0x80), char(0xFF), 0x60, char(0xC0) };
    for (int i = 0; i < 5; ++i)
        image[a + i] = cells[i];
    image[0xC112] = 0x40;
    image[0xC113] = 0x00;
    TempDir files;
    load(files.write("cells.bin", image));
    h.window().pages()->setCurrentWidget(page);

    EXPECT_EQ(cell("sgAdapt", 1, 1), "0.500");
    EXPECT_EQ(cell("sgAdapt", 1, 2), "1.000");
    EXPECT_EQ(cell("sgAdapt", 1, 3), "1.496");
    EXPECT_EQ(cell("sgAdapt", 1, 4), "0.875");
    EXPECT_EQ(cell("sgAdapt", 1, 5), "1.250");
    const QColor base = h.find<QTableWidget>("sgAdapt")->palette().color(QPalette::Base);
    EXPECT_TRUE(waitUntil([&] { return fill("sgAdapt", 1, 4) == QColor(192, 255, 192); }))
        << qPrintable(fill("sgAdapt", 1, 4).name());
    EXPECT_EQ(fill("sgAdapt", 1, 5), QColor(255, 130, 130));
    EXPECT_EQ(fill("sgAdapt", 1, 2), base);
    // Far from 1 at this contrast the formula goes below 0: the channel stays at 0.
    EXPECT_EQ(fill("sgAdapt", 1, 1), QColor(5, 255, 5));
    h.find<QSpinBox>("speContrast")->setValue(1000);
    EXPECT_EQ(fill("sgAdapt", 1, 1), QColor(0, 255, 0));
    EXPECT_EQ(fill("sgAdapt", 1, 3), QColor(255, 0, 0));
    EXPECT_EQ(
        fill("sgAdapt", 0, 1), h.find<QTableWidget>("sgAdapt")->palette().color(QPalette::Button));

    h.find<QTabWidget>("tabMem")->setCurrentIndex(1);
    EXPECT_EQ(cell("sgInjection", 1, 1), "40");
    EXPECT_EQ(fill("sgInjection", 1, 1), QColor(255, 191, 191));
    EXPECT_EQ(fill("sgInjection", 1, 2), QColor(255, 255, 255));
}

// Text on a cell in the grid's own colour is the palette's (light on the dark theme's
// near-black base), on a heading the button text, on a tinted cell black.
TEST_F(MemoryPageTest, CellTextFollowsTheTheme)
{
    h.find<QSpinBox>("speContrast")->setValue(500);
    QByteArray image(65536, '\x80');
    image[SimMemory::AdaptiveAddress + 1] = 0x60; // 0.875: tinted
    TempDir files;
    load(files.write("cells.bin", image));
    h.window().pages()->setCurrentWidget(page);
    auto* grid = h.find<QTableWidget>("sgAdapt");
    // The pixel of the cell farthest from its fill: the core of the text's strokes.
    const auto ink = [&](int row, int column) {
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        const QImage cell = grid->viewport()->grab(rect).toImage();
        const QColor fill = cell.pixelColor(2, cell.height() - 2);
        QColor farthest = fill;
        int most = -1;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x) {
                const QColor c = cell.pixelColor(x, y);
                const int d = std::abs(c.red() - fill.red()) + std::abs(c.green() - fill.green())
                    + std::abs(c.blue() - fill.blue());
                if (d > most) {
                    most = d;
                    farthest = c;
                }
            }
        return farthest;
    };
    struct Case {
        const char* skin;
        bool lightText; // on plain cells and headings
    };
    for (const Case& c : { Case { "Dark", true }, Case { "Fusion", false } }) {
        SCOPED_TRACE(c.skin);
        h.window().applySkin(c.skin);
        const auto light = [](const QColor& colour) { return colour.lightness() > 150; };
        EXPECT_TRUE(waitUntil([&] { return light(ink(1, 1)) == c.lightText; }))
            << qPrintable(ink(1, 1).name());
        EXPECT_EQ(light(ink(0, 1)), c.lightText) << qPrintable(ink(0, 1).name());
        EXPECT_LT(ink(1, 2).lightness(), 60) << qPrintable(ink(1, 2).name());
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
}

// Every idle value has its caption level with it, and the map's captions have no stray mark.
TEST_F(MemoryPageTest, IdleValuesEachHaveTheirCaption)
{
    h.window().pages()->setCurrentWidget(page);
    auto* idle = h.find<QTableWidget>("sgAdaptIdle");
    ASSERT_EQ(idle->rowCount(), MemoryView::IdleRows);
    const auto middle = [&](QWidget* widget, QRect rect) {
        return widget->mapTo(&h.window(), rect.center()).y();
    };
    ASSERT_TRUE(waitUntil([&] { return idle->isVisible(); }));
    for (int m = 0; m < idle->rowCount(); ++m) {
        auto* label = h.find<QLabel>(QStringLiteral("laIdle%1").arg(m).toLatin1().constData());
        ASSERT_NE(label, nullptr) << m;
        EXPECT_FALSE(label->text().isEmpty());
        const int row = middle(idle->viewport(), idle->visualRect(idle->model()->index(m, 0)));
        EXPECT_EQ(middle(label, label->rect()), row) << m;
    }
    EXPECT_EQ(
        h.find<QLabel>(QStringLiteral("laIdle%1").arg(idle->rowCount()).toLatin1().constData()),
        nullptr);
    for (const QLabel* label : page->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().trimmed().endsWith('|')) << qPrintable(label->text());
}

// Two visits' dumps from the vehicle's folder, listed by date, side by side: changed values
// coloured, each with its checksum state.
TEST_F(MemoryPageTest, TwoVisitsComparedSideBySide)
{
    const int a = SimMemory::AdaptiveAddress;
    const QByteArray first = SimMemory::image();
    QByteArray second = first;
    second[a + 12] = char(uint8_t(first[a + 12]) + 0x20); // row 2, column 3 rose
    second[a + 81] = char(uint8_t(first[a + 81]) - 0x10); // idle row 1 fell
    ASSERT_TRUE(QDir().mkpath(dumpFolder()));
    const auto write = [&](const char* name, const QByteArray& bytes, int day) {
        const QString path = QDir(dumpFolder()).filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.flush(); // else the close writes and stamps the file anew
        ASSERT_TRUE(file.setFileTime(
            QDateTime(QDate(2024, 4, day), QTime(9, 30)), QFileDevice::FileModificationTime));
    };
    write("spring.bin", first, 1);
    write("summer.bin", second, 20);
    write("cut.bin", first.left(a + 50), 10);

    h.window().pages()->setCurrentWidget(page);
    auto* tabs = h.find<QTabWidget>("tabMem");
    ASSERT_EQ(tabs->count(), 5);
    tabs->setCurrentWidget(h.find<QWidget>("tabCompare"));
    auto* list = h.find<QListWidget>("lvDumps");
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->item(0)->text().startsWith("20.04.2024 09:30"));
    EXPECT_TRUE(list->item(0)->text().endsWith("summer.bin"));
    EXPECT_TRUE(list->item(1)->text().endsWith("cut.bin"));
    EXPECT_TRUE(list->item(2)->text().endsWith("spring.bin"));
    EXPECT_EQ(h.find<GlowLabel>("lbCompareChecksumOld")->text(), "????");

    // Chosen newest first, shown oldest on the left.
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    EXPECT_TRUE(h.find<QLabel>("lbCompareOld")->text().endsWith("spring.bin"));
    EXPECT_TRUE(h.find<QLabel>("lbCompareNew")->text().endsWith("summer.bin"));
    EXPECT_EQ(cell("sgCompareOld", 2, 3), factor(a + 12));
    EXPECT_EQ(
        cell("sgCompareNew", 2, 3), MemoryView::factorText(uint8_t(uint8_t(first[a + 12]) + 0x20)));
    EXPECT_EQ(cell("sgCompareOld", 0, 1), "700");
    EXPECT_EQ(cell("sgCompareIdleNew", 1, 0),
        MemoryView::factorText(uint8_t(uint8_t(first[a + 81]) - 0x10)));
    h.find<QSpinBox>("speContrast")->setValue(500);
    const QColor rose = *AdaptComparison::deltaColour(0x20, 500);
    EXPECT_EQ(fill("sgCompareNew", 2, 3), rose);
    EXPECT_EQ(fill("sgCompareOld", 2, 3), rose);
    EXPECT_EQ(fill("sgCompareIdleNew", 1, 0), *AdaptComparison::deltaColour(-0x10, 500));
    const QColor base = h.find<QTableWidget>("sgCompareNew")->palette().color(QPalette::Base);
    EXPECT_EQ(fill("sgCompareNew", 2, 4), base);
    EXPECT_TRUE(h.find<QLabel>("lbCompareSummary")->text().contains("2 из 86"));
    // The older dump is the simulator's own, checksum matching; the newer was changed.
    EXPECT_EQ(h.find<GlowLabel>("lbCompareChecksumOld")->glow(), Glow::Green);
    EXPECT_EQ(h.find<GlowLabel>("lbCompareChecksumNew")->glow(), Glow::Red);
    screenshot("memory-compare.png");
    // One above the other on a narrow page, side by side on a wide one.
    const auto newAt
        = [&] { return h.find<QLabel>("lbCompareNew")->mapTo(&h.window(), QPoint(0, 0)); };
    const auto oldAt
        = [&] { return h.find<QLabel>("lbCompareOld")->mapTo(&h.window(), QPoint(0, 0)); };
    EXPECT_GT(newAt().y(), oldAt().y());
    h.window().resize(1920, 1080);
    EXPECT_TRUE(waitUntil([&] { return newAt().x() > oldAt().x() + 400; })) << newAt().x();
    EXPECT_EQ(newAt().y(), oldAt().y());
    screenshot("memory-compare-wide.png");
    h.window().resize(954, 643);

    // A dump that ends inside the tables has no checksum state.
    list->item(2)->setSelected(false);
    list->item(1)->setSelected(true);
    EXPECT_EQ(
        h.find<GlowLabel>("lbCompareChecksumOld")->text(), Texts::text(Texts::MemCompareShortFile));
    EXPECT_EQ(h.find<GlowLabel>("lbCompareChecksumOld")->glow(), Glow::None);
    // One chosen: nothing compared.
    list->item(1)->setSelected(false);
    EXPECT_EQ(cell("sgCompareNew", 2, 3), "");
    EXPECT_EQ(h.find<GlowLabel>("lbCompareChecksumNew")->text(), "????");
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
        h.find<QPushButton>("btnReadAdapt")->click();
        waitUntil([&] { return h.find<GlowLabel>("lbAdaptChecksum")->text() != "????"; }, 30000);
        h.window().grab().save(QDir(shots).filePath("memory.png"));
        h.find<QTabWidget>("tabMem")->setCurrentIndex(1);
        h.window().grab().save(QDir(shots).filePath("memory-injection.png"));
    }
}
