// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The options page in the real window: its controls with their defaults, hints and saved
// keys; the module options read, written and confirmed against the simulator; the firmware
// update with its file dialog and progress bar.
#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "common/Units.h"
#include "link/LinkMessage.h"
#include "link/TCommThread.h"
#include "sim/Simulator.h"
#include "ui/dock/LogPanel.h"
#include "ui/model/SessionRecorder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

QStringList items(const QComboBox* box)
{
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all.append(box->itemText(i));
    return all;
}

bool logHas(WindowHarness& h, const QString& line)
{
    return logLines(h).contains(line);
}

} // namespace

TEST(OptionsPage, ControlsStartWithTheirDefaultsAndHintsAndCloseSavesThem)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.open();
    auto* port = h.find<QComboBox>("cbPort");
    EXPECT_TRUE(port->isEditable());
    EXPECT_TRUE(items(port).contains("sim"));
    auto* speed = h.find<QComboBox>("cbSpeed");
    EXPECT_EQ(items(speed), QStringList({ "9600", "19200", "38400", "57600", "115200" }));
    EXPECT_EQ(speed->currentText(), "38400");
    EXPECT_EQ(speed->toolTip(), Texts::text(Texts::HintSpeed));
    EXPECT_TRUE(h.find<QCheckBox>("cbBluetoothDelay")->toolTip().contains("Bluetooth"));
    EXPECT_FALSE(h.find<QCheckBox>("cbBluetoothDelay")->isChecked());
    auto* language = h.find<QComboBox>("cbDescLang");
    EXPECT_EQ(items(language), QStringList({ "по-русски", "по-английски" }));
    EXPECT_EQ(language->currentIndex(), 0);
    auto* contrast = h.find<QSpinBox>("speContrast");
    EXPECT_EQ(contrast->minimum(), 0);
    EXPECT_EQ(contrast->maximum(), 3000);
    EXPECT_EQ(contrast->singleStep(), 50);
    EXPECT_EQ(contrast->value(), 500);
    auto* eecSpeed = h.find<QComboBox>("cbEECSpeed");
    auto* format = h.find<QComboBox>("cbDataFormat");
    EXPECT_EQ(items(eecSpeed), QStringList({ "2400", "4800", "9600", "19200" }));
    EXPECT_EQ(items(format), QStringList({ "BIN", "HEX" }));
    EXPECT_EQ(eecSpeed->currentIndex(), -1);
    EXPECT_EQ(format->currentIndex(), -1);
    EXPECT_EQ(eecSpeed->toolTip(), "У большинства модулей - 9600");
    EXPECT_EQ(format->toolTip(), "Тут всегда ставьте BIN!");
    EXPECT_FALSE(h.find<QAction>("acReadOptions")->isEnabled());
    EXPECT_FALSE(h.find<QAction>("acApplyOptions")->isEnabled());
    EXPECT_EQ(h.find<QAction>("acApplyOptions")->toolTip(), "Записать настройки в памяти модуля");
    EXPECT_FALSE(h.find<QProgressBar>("pbFw")->isVisibleTo(h.window().pages()->widget(5)));
    EXPECT_TRUE(h.find<QPushButton>("btnFlashFirmware")->isEnabled());

    port->setEditText("/dev/ttyUSB7");
    speed->setCurrentIndex(4);
    h.find<QCheckBox>("cbAutoConnect")->setChecked(false);
    h.find<QCheckBox>("cbBluetoothDelay")->setChecked(true);
    contrast->setValue(1250);
    auto* workshop = h.find<QLineEdit>("edWorkshopName");
    auto* contacts = h.find<QLineEdit>("edWorkshopContacts");
    EXPECT_EQ(workshop->text(), "");
    EXPECT_EQ(contacts->text(), "");
    workshop->setText("Мастерская «Мотор»");
    contacts->setText("ул. Заводская, 5; тел. 8 800 000");
    h.close();
    const QByteArray ini = h.readFile("reader.ini");
    for (const char* line : { "ComPortName=/dev/ttyUSB7", "ComPortSpeed=4", "AutoConnect=0",
             "BluetoothDelay=1", "TableContrast=1250", "[Workshop]\nName=Мастерская «Мотор»\n",
             "Contacts=ул. Заводская, 5; тел. 8 800 000" })
        EXPECT_TRUE(ini.contains(line)) << line << "\n" << ini.constData();
    // The next start shows them again.
    h.open();
    EXPECT_EQ(h.find<QLineEdit>("edWorkshopName")->text(), "Мастерская «Мотор»");
    EXPECT_EQ(h.find<QLineEdit>("edWorkshopContacts")->text(), "ул. Заводская, 5; тел. 8 800 000");
    EXPECT_FALSE(ini.contains("DescLang"));
}

TEST(OptionsPage, OptionBytesSelectTheirEntriesAndAnyOtherByteNone)
{
    WindowHarness h;
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.open();
    auto* eecSpeed = h.find<QComboBox>("cbEECSpeed");
    auto* format = h.find<QComboBox>("cbDataFormat");
    const auto show = [&](int8_t speedByte, int8_t formatByte) {
        deliverOptions(h, speedByte, formatByte);
        return QStringList { eecSpeed->currentText(), format->currentText() };
    };
    EXPECT_EQ(show('2', '0'), QStringList({ "9600", "BIN" }));
    EXPECT_TRUE(h.find<QAction>("acApplyOptions")->isEnabled());
    EXPECT_EQ(show('3', '1'), QStringList({ "19200", "HEX" }));
    EXPECT_EQ(show(127, 127), QStringList({ "9600", "BIN" }));
    // '4' and '2' lie beyond the lists, 'x' and '/' are no digits: no entry.
    EXPECT_EQ(show('4', '2'), QStringList({ "", "" }));
    EXPECT_EQ(show('x', '/'), QStringList({ "", "" }));
    EXPECT_EQ(show('0', 'A'), QStringList({ "2400", "" }));
}

namespace {

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=4\n");
        h.open();
        ASSERT_TRUE(
            waitUntil([&] { return h.find<QAction>("acReadOptions")->isEnabled(); }, 20000));
        sim = h.window().link().session().simulator();
        ASSERT_NE(sim, nullptr);
    }
    // The option lines ("o0…", "o1…") the module received, and every line after the first n.
    QList<QByteArray> optionWrites() const
    {
        QList<QByteArray> writes;
        for (const QByteArray& line : sim->receivedLines())
            if (line.size() == 3 && (line.startsWith("o0") || line.startsWith("o1")))
                writes.append(line);
        return writes;
    }
    WindowHarness h;
    Simulator* sim = nullptr;
};

} // namespace

TEST_F(ModuleTest, OptionsRoundTripAndTheRestartIsOnlyAsked)
{
    auto* eecSpeed = h.find<QComboBox>("cbEECSpeed");
    auto* format = h.find<QComboBox>("cbDataFormat");
    QAction* read = h.find<QAction>("acReadOptions");
    QAction* apply = h.find<QAction>("acApplyOptions");
    read->trigger();
    ASSERT_TRUE(waitUntil([&] { return apply->isEnabled(); }));
    EXPECT_EQ(eecSpeed->currentText(), "9600"); // the module's 127: never written
    EXPECT_EQ(format->currentText(), "BIN");

    eecSpeed->setCurrentIndex(3);
    format->setCurrentIndex(1);
    h.Prompts.ConfirmAnswer = false;
    apply->trigger();
    ASSERT_TRUE(waitUntil([&] { return h.Prompts.Questions.size() == 1; }));
    EXPECT_EQ(h.Prompts.Questions.first(), Texts::text(Texts::RestartQuestion));
    // The link has written both lines; the module's thread may still be reading the last.
    waitUntil([&] { return optionWrites().size() >= 2; });
    EXPECT_EQ(optionWrites(), QList<QByteArray>({ "o03", "o11" }));
    // Declined: the module hears nothing more.
    const qsizetype heard = sim->receivedLines().size();
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(sim->receivedLines().size(), heard);

    eecSpeed->setCurrentIndex(0);
    format->setCurrentIndex(0);
    read->trigger();
    ASSERT_TRUE(waitUntil([&] { return eecSpeed->currentText() == "19200"; }));
    EXPECT_EQ(format->currentText(), "HEX");

    // Neither box selected: nothing written, and the question all the same.
    eecSpeed->setCurrentIndex(-1);
    format->setCurrentIndex(-1);
    apply->trigger();
    ASSERT_TRUE(waitUntil([&] { return h.Prompts.Questions.size() == 2; }));
    EXPECT_EQ(optionWrites().size(), 2);
    // Only the speed: only its option is written; OK restarts the module.
    eecSpeed->setCurrentIndex(2);
    h.Prompts.ConfirmAnswer = true;
    QList<int> finished;
    QObject::connect(&h.window().link().session(), &LinkSession::commandDone, &h.window(),
        [&finished](quint8 code) { finished.append(code); });
    apply->trigger();
    ASSERT_TRUE(waitUntil([&] { return finished.contains(Link::cmdResetModule); }));
    waitUntil([&] { return optionWrites().size() >= 3; });
    EXPECT_EQ(optionWrites().mid(2), QList<QByteArray>({ "o02" }));
}

TEST_F(ModuleTest, FirmwareUpdateShowsEveryStageAndPassesVerification)
{
    auto* button = h.find<QPushButton>("btnFlashFirmware");
    auto* bar = h.find<QProgressBar>("pbFw");
    QWidget* page = h.window().pages()->widget(5);
    // A cancelled dialog does nothing.
    h.Prompts.FileAnswer.clear();
    button->click();
    EXPECT_TRUE(button->isEnabled());

    QByteArray image(5000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7 + i / 256);
    h.writeFile("fw.bin", image);
    h.Prompts.FileAnswer = h.path("fw.bin");
    // What the bar shows after the window has taken each firmware event.
    QStringList captions;
    int highest = 0;
    const QString shots = qEnvironmentVariable("VESKOR_SCREENSHOTS");
    h.window().pages()->setCurrentWidget(page);
    QObject::connect(
        &h.window().link().session(), &LinkSession::report, &h.window(), [&](const LinkReport& r) {
            if (r.Type != LinkReport::Firmware)
                return;
            if (bar->isVisibleTo(page) && (captions.isEmpty() || captions.last() != bar->format()))
                captions.append(bar->format());
            highest = std::max(highest, bar->value());
            // VESKOR_SCREENSHOTS names a folder for a picture of the page mid-update.
            if (bar->value() == 40 && !shots.isEmpty())
                h.window().grab().save(QDir(shots).filePath("options-firmware.png"));
        });
    button->click();
    EXPECT_FALSE(button->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return button->isEnabled(); }, 120000));
    EXPECT_EQ(captions,
        QStringList(
            { "Инициализация...", "Прошивка...", "Верификация...", "Ждём перезапуска модуля..." }));
    // Every block, the short last one too, is written and read back: 2 × 40 steps.
    EXPECT_EQ(bar->maximum(), 2 * ((5000 + 127) / 128));
    EXPECT_EQ(highest, bar->maximum());
    EXPECT_FALSE(bar->isVisibleTo(page));
    EXPECT_TRUE(logHas(h, Texts::text(Texts::LogFirmwareDone)));
    EXPECT_TRUE(sim->flash().startsWith(image));
}

// The units group shows reader.ini's choice, which the start made current; close saves
// what the boxes say, and the next start takes it.
TEST(OptionsPage, UnitControlsShowTheSettingAndCloseSavesTheChoice)
{
    UnitChoice inHg { UnitSystem::Imperial };
    inHg.Pressure = Unit::InchMercury;
    UnitChoice celsius { UnitSystem::Imperial };
    celsius.Temperature = Unit::Celsius;
    UnitChoice metricInHg = inHg;
    metricInHg.System = UnitSystem::Metric;
    const struct {
        const char* ini;
        UnitChoice started;
        int system, temperature, pressure; // the boxes' rows
        int newSystem, newTemperature;
        UnitChoice saved;
        QByteArrayList lines; // of [Units], where the file already had some in their place
    } cases[] = {
        { "", UnitChoice {}, 0, 0, 0, 1, 1, celsius,
            { "[Units]\nSystem=imperial\nTemperature=C\nSpeed=\nPressure=\n" } },
        { "[Units]\nSystem=imperial\nPressure=inHg\n", inHg, 1, 0, 3, 0, 0, metricInHg,
            { "[Units]\nSystem=metric\nPressure=inHg\n", "\nTemperature=\n", "\nSpeed=\n" } },
    };
    for (const auto& c : cases) {
        WindowHarness h;
        h.writeFile("reader.ini", c.ini);
        h.open();
        EXPECT_EQ(Units::current(), c.started) << c.ini;
        auto* system = h.find<QComboBox>("cbUnitSystem");
        auto* temperature = h.find<QComboBox>("cbUnitTemperature");
        EXPECT_EQ(items(system), QStringList({ "метрическая", "имперская" }));
        EXPECT_EQ(items(temperature), QStringList({ "по системе единиц", "°C", "°F" }));
        EXPECT_EQ(items(h.find<QComboBox>("cbUnitSpeed")),
            QStringList({ "по системе единиц", "км/ч", "миль/ч" }));
        EXPECT_EQ(system->currentIndex(), c.system) << c.ini;
        EXPECT_EQ(temperature->currentIndex(), c.temperature) << c.ini;
        EXPECT_EQ(h.find<QComboBox>("cbUnitPressure")->currentIndex(), c.pressure) << c.ini;
        system->setCurrentIndex(c.newSystem);
        temperature->setCurrentIndex(c.newTemperature);
        h.close();
        const QByteArray ini = h.readFile("reader.ini");
        for (const QByteArray& line : c.lines)
            EXPECT_TRUE(ini.contains(line)) << line.constData() << "\n" << ini.constData();
        h.open();
        EXPECT_EQ(Units::current(), c.saved) << c.ini;
        h.close();
        Units::setCurrent({});
    }
}

// The documents folder: shown, chosen in a folder dialog (cancelled: unchanged), saved at
// close and shown at the next start; the recordings list and the replay's file dialog look
// where the recorder writes.
TEST(OptionsPage, DocumentsFolderIsShownChosenSavedAndEveryListReadsFromIt)
{
    WindowHarness h;
    TempDir docs;
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.open();
    auto* shown = h.find<QLineEdit>("edDocumentsFolder");
    auto* choose = h.find<QPushButton>("btnDocumentsFolder");
    ASSERT_TRUE(shown && choose);
    const QString home = QDir::cleanPath(h.path(""));
    EXPECT_EQ(QDir::fromNativeSeparators(shown->text()), home);
    EXPECT_TRUE(shown->isReadOnly());

    const struct {
        const char* name;
        QString answer;
        QString shownAfter;
    } choices[] = {
        { "cancelled", QString(), home },
        { "chosen", docs.path(), docs.path() },
    };
    for (const auto& c : choices) {
        h.Prompts.FileRequests.clear();
        h.Prompts.FileAnswer = c.answer;
        choose->click();
        ASSERT_EQ(h.Prompts.FileRequests.size(), 1) << c.name;
        EXPECT_TRUE(h.Prompts.FileRequests.first().ChooseFolder) << c.name;
        EXPECT_EQ(QDir::cleanPath(h.Prompts.FileRequests.first().Folder), home) << c.name;
        EXPECT_EQ(QDir::fromNativeSeparators(shown->text()), c.shownAfter) << c.name;
    }

    const QString vehicle = h.find<QComboBox>("cbCurrentAuto")->currentText();
    const QString recordings = SessionRecorder::folder(docs.path(), vehicle);
    ASSERT_TRUE(QDir().mkpath(recordings));
    docs.write(QDir(docs.path()).relativeFilePath(recordings) + "/2026-01-02 10-00.vrec", "x");
    int listed = -1;
    h.Prompts.AnswerDialog = [&listed](QDialog& dialog) {
        listed = dialog.findChild<QListWidget*>("lbRecordings")->count();
        return false;
    };
    h.find<QPushButton>("btnRecordings")->click();
    EXPECT_EQ(listed, 1);
    h.Prompts.FileRequests.clear();
    h.Prompts.FileAnswer.clear();
    h.find<QAction>("acOpenRecording")->trigger();
    ASSERT_EQ(h.Prompts.FileRequests.size(), 1);
    EXPECT_EQ(QDir::cleanPath(h.Prompts.FileRequests.first().Folder), QDir::cleanPath(recordings));

    h.close();
    EXPECT_TRUE(h.readFile("reader.ini").contains(("DocumentsFolder=" + docs.path()).toUtf8()))
        << h.readFile("reader.ini").constData();
    h.open();
    EXPECT_EQ(
        QDir::fromNativeSeparators(h.find<QLineEdit>("edDocumentsFolder")->text()), docs.path());
    h.close();
    // Without the key, the default again.
    h.writeFile("reader.ini", "[Main]\nAutoConnect=0\n");
    h.open();
    EXPECT_EQ(QDir::fromNativeSeparators(h.find<QLineEdit>("edDocumentsFolder")->text()), home);
}
