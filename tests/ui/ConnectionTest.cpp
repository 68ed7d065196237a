// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The window at a connection: a car new to the register added in one step, errors that
// say what to do and come early, the status bar after a failure, and the log's times.
#include "WindowTestSupport.h"
#include "common/Texts.h"
#include "link/serial/PortAccess.h"
#include "sim/Simulator.h"
#include "ui/GlowLabel.h"
#include "ui/dock/LogPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTreeView>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString label(WindowHarness& h, const char* name)
{
    return h.find<QLabel>(name)->text();
}

// A peer on a pseudo-terminal that never answers: an adapter whose module is dead.
class SilentPty {
public:
    SilentPty()
    {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0)
            m_path = QString::fromLocal8Bit(ptsname(m_fd));
    }
    ~SilentPty()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SilentPty(const SilentPty&) = delete;
    SilentPty& operator=(const SilentPty&) = delete;
    const QString& path() const { return m_path; }

private:
    int m_fd = -1;
    QString m_path;
};

SimConfig peerConfig()
{
    SimConfig config;
    config.TimeScale = 0.1;
    return config;
}

QByteArray settings(const QString& port, int current, bool autoConnect = true)
{
    return "[Main]\nComPortName=" + port.toUtf8()
        + "\nComPortSpeed=2\nAutoConnect=" + QByteArray(autoConnect ? "1" : "0")
        + "\n[Autos]\nCurrent=" + QByteArray::number(current) + "\n";
}

int calibrationsLogged(WindowHarness& h)
{
    return int(logLines(h).filter(QStringLiteral("Код калибровки ЭБУ: 4BAA")).size());
}

constexpr const char* SampleRecord = "Ford Sierra 2.0i (образец), 1989-1993, 2.0 л";

} // namespace

// The ECU reports a code that no vehicle carries: the add dialog offers the car with the
// code and its record; saved, it is the current vehicle with its record in the pane at
// once. A car without a code adopts it, a declined car is not asked for again, and the
// simulator is never offered.
TEST(NewCar, SavedFromTheDialogBecomesCurrentWithItsCodeAndRecord)
{
    enum Start { Selected, Current, FirstStart };
    struct Case {
        const char* name;
        QByteArray autos;
        // How the window starts: the first vehicle selected in the list, [Autos] Current
        // alone, or an empty register's dialog open as the car answers.
        Start start;
        int current;
        bool simulator;
        bool save;
        int dialogs;
        const char* currentName;
        const char* paneCode;
    };
    const QByteArray other = registerText({ { "A", "1A2B" } });
    for (const Case& c :
        {
            Case { "another car is selected", other, Selected, 0, false, true, 1, "Новая", "4BAA" },
            Case { "another car is current", other, Current, 0, false, true, 1, "Новая", "4BAA" },
            Case { "none is current", other, Current, -1, false, true, 1, "Новая", "4BAA" },
            Case { "the first start's dialog takes the code", {}, FirstStart, 0, false, true, 1,
                "Новая", "4BAA" },
            Case { "declined", other, Selected, 0, false, false, 1, "A", "1A2B" },
            Case { "a car without a code adopts it", registerText({ { "A", "" } }), Selected, 0,
                false, false, 0, "A", "4BAA" },
            Case { "the simulator is no car", other, Selected, 0, true, true, 0, "A", "1A2B" },
        }) {
        SCOPED_TRACE(c.name);
        Simulator peer(peerConfig());
        WindowHarness h;
        h.writeFile("reader.ini",
            settings(c.simulator ? QStringLiteral("sim") : peer.portPath(), c.current,
                c.start == FirstStart));
        if (!c.autos.isEmpty())
            h.writeFile("autos.ini", c.autos);
        QString shownCode, shownRecord, shownYear;
        bool notice = false;
        h.Prompts.AnswerDialog = [&](QDialog& d) {
            // The first start's dialog is open before the car has answered.
            auto* code = d.findChild<QLabel*>("lbiCalID");
            waitUntil([&] { return !code->text().isEmpty(); });
            shownCode = code->text();
            shownRecord = d.findChild<QLabel*>("lbiEcuRecord")->text();
            shownYear = d.findChild<QSpinBox*>("spYear")->text();
            notice = d.findChild<QLabel*>("stMsg")->isVisibleTo(&d);
            d.findChild<QLineEdit*>("edName")->setText("Новая");
            // VESKOR_SCREENSHOTS names a folder for a picture of the dialog as offered.
            const QString folder = qEnvironmentVariable("VESKOR_SCREENSHOTS");
            if (!folder.isEmpty() && c.start == Selected)
                d.grab().save(QDir(folder).filePath(QStringLiteral("new-car-dialog.png")));
            return c.save;
        };
        h.open();
        if (c.start == Selected) {
            auto* list = h.find<QTreeView>("lvAutos");
            list->selectionModel()->select(list->model()->index(0, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        if (c.start != FirstStart)
            h.find<QAction>("acConnect")->trigger();
        ASSERT_TRUE(waitUntil([&] { return calibrationsLogged(h) == 1; }));
        waitUntil([&] { return h.Prompts.Dialogs > c.dialogs; }, 300);
        EXPECT_EQ(h.Prompts.Dialogs, c.dialogs);
        if (c.dialogs > 0) {
            EXPECT_EQ(shownCode, "4BAA");
            EXPECT_EQ(shownRecord, SampleRecord);
            EXPECT_EQ(shownYear, "1989") << "the record's first year";
            EXPECT_TRUE(notice);
        }
        EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentText(), c.currentName);
        EXPECT_EQ(label(h, "lbiCalID"), c.paneCode);
        if (QString(c.paneCode) == "4BAA") {
            EXPECT_EQ(label(h, "lbiModel"), "Ford Sierra 2.0i (образец)");
        }
        EXPECT_EQ(h.readFile("autos.ini").contains("CalID=4BAA"), QString(c.paneCode) == "4BAA");

        // The same car again: no second dialog, whatever the first answer was.
        h.find<QAction>("acConnect")->trigger();
        ASSERT_TRUE(waitUntil([&] { return calibrationsLogged(h) == 2; }));
        waitUntil([&] { return h.Prompts.Dialogs > c.dialogs; }, 300);
        EXPECT_EQ(h.Prompts.Dialogs, c.dialogs);
        EXPECT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentText(), c.currentName);
    }
}

// Each failure of a connection says in the log what to do, in the window's language, and
// is told as soon as it is known.
TEST(ConnectionErrors, SayWhatToDoAndComeEarly)
{
    struct Case {
        const char* name;
        // The port to use, from a folder of the test's; empty skips the case.
        std::function<QString(TempDir&, SilentPty&)> port;
        std::function<QString(const QString& port)> expected;
        int maxMs;
        const char* module;
    };
    const auto peerPath = [](Simulator& peer) { return peer.portPath(); };
    SimConfig noEcu = peerConfig();
    noEcu.Faults.set(SimFault::NoEcu);
    Simulator ecuSilent(noEcu);
    for (const Case& c : {
             Case { "a port that does not exist",
                 [](TempDir&dir, SilentPty&) { return dir.file("ttyNone"); },
                 [](const QString&port) {
                     return Texts::text(Texts::PortNotFound).arg(port) + ". Подробности: ";
                 },
                 1500, Texts::ModuleUnavailable },
             Case { "a port without permission",
                 [](TempDir&dir, SilentPty&) {
                     // Root opens any file.
                     if (geteuid() == 0)
                         return QString();
                     const QString path = dir.write("ttyUSB0", {});
                     chmod(QFile::encodeName(path).constData(), 0);
                     return path;
                 },
                 [](const QString&port) { return "Нет доступа к порту " + port + ": "; }, 1500,
                 Texts::ModuleUnavailable },
             Case { "a port its group may use",
                 [](TempDir&dir, SilentPty&) {
                     if (geteuid() == 0)
                         return QString();
                     const QString path = dir.write("ttyUSB1", {});
                     chmod(QFile::encodeName(path).constData(), 0060);
                     return path;
                 },
                 [](const QString&port) {
                     // The device's group, and the command that puts the user in it.
                     return Texts::text(Texts::PortAccessDenied).arg(port, deviceAccessGroup(port));
                 },
                 1500, Texts::ModuleUnavailable },
             Case { "a module that does not answer",
                 [](TempDir&, SilentPty&pty) { return pty.path(); },
                 [](const QString&port) {
                     return Texts::text(Texts::ModuleSilent).arg(port).arg(38400);
                 },
                 // Eleven searches of 2.1 s each at a tenth of real time.
                 4000, Texts::ModuleUnavailable },
             Case { "an ECU that does not answer",
                 [&](TempDir&, SilentPty&) { return peerPath(ecuSilent); },
                 [](const QString&) { return Texts::text(Texts::EcuSilent); }, 1500,
                 Texts::ModuleConnected },
         }) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        SilentPty pty;
        const QString port = c.port(dir, pty);
        if (port.isEmpty()) {
            std::printf("[ SKIPPED  ] %s: running as root, which opens any file\n", c.name);
            continue;
        }
        WindowHarness h;
        h.writeFile("reader.ini", settings(port, 0, false));
        h.open();
        const QString expected = c.expected(port);
        const auto told = [&] { return logLines(h).filter(expected).size(); };
        QElapsedTimer clock;
        clock.start();
        h.find<QAction>("acConnect")->trigger();
        ASSERT_TRUE(waitUntil([&] { return told() > 0; })) << qPrintable(logLines(h).join('\n'));
        EXPECT_LT(clock.elapsed(), c.maxMs);
        const QStringList lines = logLines(h).filter(expected);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines.first().startsWith(expected)) << qPrintable(lines.first());
        // No system text in English comes first, nor the old bare prefix.
        EXPECT_FALSE(logLines(h).join('\n').contains("Ошибка инициализации порта"));
        EXPECT_TRUE(waitUntil(
            [&] { return h.find<GlowLabel>("laModule")->text() == Texts::text(c.module); }));
    }
}

// After a failed connection the status bar forgets the module found before.
TEST(ConnectionErrors, AFailedConnectionClearsTheStatusBar)
{
    Simulator peer(peerConfig());
    TempDir dir;
    SilentPty pty;
    WindowHarness h;
    h.writeFile("reader.ini", settings(peer.portPath(), 0, false));
    h.open();
    auto* port = h.find<QComboBox>("cbPort");
    const auto status = [&](const char* name) { return h.find<GlowLabel>(name)->text(); };
    for (const QString& failing : { dir.file("ttyNone"), pty.path() }) {
        SCOPED_TRACE(qPrintable(failing));
        port->setEditText(peer.portPath());
        h.find<QAction>("acConnect")->trigger();
        ASSERT_TRUE(waitUntil([&] { return status("laVersion") == "1.23 (SIM01)"; }));
        ASSERT_TRUE(waitUntil([&] { return h.find<QAction>("acConnect")->isEnabled(); }));
        port->setEditText(failing);
        h.find<QAction>("acConnect")->trigger();
        ASSERT_TRUE(
            waitUntil([&] { return status("laModule") == Texts::text(Texts::ModuleUnavailable); }));
        EXPECT_EQ(status("laVersion"), Texts::text(Texts::VersionNone));
        EXPECT_EQ(status("laWorkmode"), Texts::text(Texts::ModeNoEec));
    }
}

// Every line of the log begins with the time it came, once; the line as it was handed
// over stays readable.
TEST(Log, LinesCarryTheTimeTheyCame)
{
    struct Case {
        const char* text;
        QTime time;
        const char* shown;
    };
    LogPanel panel;
    for (const Case& c : {
             Case { "Подключение...", QTime(9, 5, 3), "09:05:03 Подключение..." },
             Case { "", QTime(23, 59, 59), "23:59:59 " },
             // A page's notice that carries its own time keeps it.
             Case { "10:00:00 Отчёт сохранён", QTime(11, 0, 0), "10:00:00 Отчёт сохранён" },
             Case { "1:2:3 не время", QTime(0, 0, 1), "00:00:01 1:2:3 не время" },
         }) {
        panel.AddToLog(c.text, c.time);
        const QListWidgetItem& item = *panel.list()->item(panel.list()->count() - 1);
        EXPECT_EQ(item.text(), c.shown);
        EXPECT_EQ(LogPanel::lineText(item), c.text);
    }
}

// The log says what came: the calibration code with its record, the number of codes read.
TEST(Log, SaysWhatCame)
{
    WindowHarness h;
    h.writeFile("reader.ini", settings("sim", 0));
    h.writeFile("autos.ini", registerText({ { "B", "4BAA" } }));
    h.open();
    ASSERT_TRUE(waitUntil([&] { return calibrationsLogged(h) == 1; }));
    h.find<QAction>("acReadFaults")->trigger();
    const auto codesRead
        = [&] { return logLines(h).filter(Texts::text(Texts::FaultsRead).arg(1)).size(); };
    ASSERT_TRUE(waitUntil([&] { return codesRead() == 1; }, 20000));
    EXPECT_TRUE(logLines(h).contains(
        Texts::text(Texts::LogCalibrationCode).arg("4BAA", QString(SampleRecord))));
    const QListWidget* list = h.find<QListWidget>("lbLog");
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\S"));
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(time.match(list->item(i)->text()).hasMatch())
            << qPrintable(list->item(i)->text());
}
