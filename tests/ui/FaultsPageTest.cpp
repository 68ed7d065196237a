// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault codes page against the simulator: reading the codes, the list, the stamped
// diagnosis date, copy and the HTML report.
#include "ui/pages/FaultsPage.h"

#include "WindowTestSupport.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "sim/Simulator.h"
#include "ui/GlowLabel.h"
#include "ui/model/CurrentVehicle.h"
#include "ui/pages/VehiclesPage.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// A paint device that keeps the texts drawn on it, so that a test reads what a list row shows.
class TextCatcher : public QPaintDevice {
public:
    QStringList Drawn;

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 1000;
        case PdmHeight:
            return 200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(QStringList& texts)
            : m_texts(texts)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override { }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawPath(const QPainterPath&) override { }
        void drawTextItem(const QPointF&, const QTextItem& item) override
        {
            m_texts.append(item.text());
        }
        Type type() const override { return User; }

    private:
        QStringList& m_texts;
    };
    mutable Engine m_engine { Drawn };
};

// Opens the window on the simulator with a register of two vehicles, the first current,
// and waits until the module is connected; the simulated ECU keeps the codes 112 and 23.
void connectWindow(WindowHarness& h, const char* vehicleName,
    const std::function<void(SimConfig&)>& configure = {}, const QByteArray& settings = {})
{
    h.writeFile("reader.ini",
        "[Main]\nComPortName=sim\nComPortSpeed=2\n" + settings + "[Autos]\nCurrent=0\n");
    h.writeFile("autos.ini", registerText({ { vehicleName, "4BAA" }, { "Other", "" } }));
    h.open([&](SimConfig& c) {
        c.StoredCodes = { 112, 23 };
        if (configure)
            configure(c);
    });
    ASSERT_TRUE(waitUntil([&] {
        return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
    }));
}

// The text of a PDF file as pdftotext reads it, or nothing when pdftotext isn't installed.
std::optional<QString> pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, { "-enc", "UTF-8", path, "-" });
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << qPrintable(process.readAllStandardError());
    // pdftotext breaks lines where the page does.
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

class FaultsPageTest : public ::testing::Test {
protected:
    void connect(const char* vehicleName, const std::function<void(SimConfig&)>& configure = {},
        const QByteArray& settings = {})
    {
        connectWindow(h, vehicleName, configure, settings);
    }
    // Starts an action and waits until its exchange has ended; the milliseconds it took.
    qint64 runAction(const char* action)
    {
        const QString before = page()->outcomeLine();
        QElapsedTimer clock;
        clock.start();
        h.find<QAction>(action)->trigger();
        EXPECT_TRUE(waitUntil([&] { return page()->outcomeLine() != before; }, 30000));
        return clock.elapsed();
    }
    FaultsPage* page() { return h.window().faultsPage(); }
    // A workshop on the options page, and a visit of Escort's before this one.
    void connectWithWorkshopAndAVisit()
    {
        QDir().mkpath(h.path("Reports/Escort"));
        h.writeFile("Reports/Escort/visits.txt", "2025-11-20T10:15:00 B 111\n");
        connect("Escort", {},
            "[Workshop]\nName=Мастерская «Мотор»\nContacts=ул. Заводская, 5, тел. 8 800 000\n");
    }
    QStringList log() const
    {
        QStringList lines;
        const auto* list = h.find<QListWidget>("lbLog");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
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

TEST_F(FaultsPageTest, AnUnansweredReadKeepsTheResultAndTheDateAndSaysWhatToCheck)
{
    connect("Escort");
    readCodes();
    const QStringList result = page()->entries();
    const QByteArray stamped = h.readFile("autos.ini");
    ASSERT_TRUE(page()->outcomeLine().contains("Прочитано кодов неисправностей: 2"));

    // The adapter takes the command, and the ECU says nothing (a key turned off).
    SimFaults silent;
    silent.set(SimFault::EcuSilent);
    h.window().link().session().simulator()->setFaults(silent);
    runAction("acReadFaults");
    EXPECT_EQ(page()->entries(), result);
    EXPECT_EQ(h.readFile("autos.ini"), stamped);
    EXPECT_TRUE(page()->outcomeLine().contains("ЭБУ не ответил"))
        << qPrintable(page()->outcomeLine());
    EXPECT_TRUE(page()->outcomeLine().contains("ключ зажигания"));
    EXPECT_TRUE(log().last().contains("ЭБУ не ответил"));
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d ").match(log().last()).hasMatch());
    EXPECT_TRUE(h.find<GlowLabel>("laNotice")->text().contains("ЭБУ не ответил"));
}

TEST_F(FaultsPageTest, ClearingAsksFirstAndWarnsOfCodesNeverSavedOrCopied)
{
    connect("Escort");
    readCodes();
    h.Prompts.ConfirmAnswer = false;
    h.find<QAction>("acClearFaults")->trigger();
    ASSERT_EQ(h.Prompts.Questions.size(), 1);
    EXPECT_TRUE(h.Prompts.Questions.last().contains("не сохранены"));
    QCoreApplication::processEvents();
    EXPECT_EQ(page()->entries().size(), 3); // declined: nothing was sent
    // Copied: the plain question.
    h.find<QAction>("acCopy")->trigger();
    h.Prompts.ConfirmAnswer = true;
    runAction("acClearFaults");
    EXPECT_EQ(h.Prompts.Questions.last(), "Стереть коды неисправностей из памяти ЭБУ?");
    EXPECT_TRUE(page()->outcomeLine().contains("стёрты"));
    EXPECT_EQ(page()->entries().size(), 1);
    runAction("acReadFaults");
    EXPECT_TRUE(page()->outcomeLine().contains("Сохранённых кодов неисправностей нет"));
}

TEST(FaultsPageSelfTest, TheSelfTestCountsItsSecondsAndCanBeCancelled)
{
    const struct {
        const char* choice;
        QByteArray settings;
        int limit;
        const char* title;
        const char* moment;
    } cases[] = {
        { "rbKoeo", "", 60, "Идёт самотест KOEO", "Не запускайте двигатель" },
        { "rbKoer", "MaxTestTime=120\n", 120, "Идёт самотест KOER", "педаль газа до упора" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        WindowHarness h;
        // The ECU would answer after 40 s of its clock, 4 s here.
        ASSERT_NO_FATAL_FAILURE(connectWindow(
            h, "Escort", [](SimConfig& s) { s.SelfTestMs = 40000; }, c.settings));
        h.Prompts.AnswerDialog = selfTestAnswer(c.choice);
        QElapsedTimer clock;
        clock.start();
        h.find<QAction>("acInvokeTest")->trigger();
        auto* countdown = h.find<QLabel>("laTestCountdown");
        auto* bar = h.find<QProgressBar>("pbTestTime");
        const QString start = QStringLiteral("прошло 0 с, осталось %1 с").arg(c.limit);
        ASSERT_TRUE(waitUntil([&] { return countdown->text().contains(start); }, 2000))
            << qPrintable(countdown->text());
        EXPECT_TRUE(countdown->isVisible());
        EXPECT_EQ(bar->maximum(), c.limit);
        EXPECT_EQ(h.find<QLabel>("laTestTitle")->text(), QString::fromUtf8(c.title));
        EXPECT_TRUE(h.find<QLabel>("laTestMoments")->text().contains(QString::fromUtf8(c.moment)));
        // A second of the link's clock later, the countdown has moved by one.
        const QString next = QStringLiteral("прошло 1 с, осталось %1 с").arg(c.limit - 1);
        ASSERT_TRUE(waitUntil([&] { return countdown->text().contains(next); }, 2000))
            << qPrintable(countdown->text());
        EXPECT_EQ(bar->value(), 1);
        auto* cancel = h.find<QPushButton>("btCancelTest");
        ASSERT_TRUE(cancel->isVisible());
        QElapsedTimer sinceCancel;
        sinceCancel.start();
        cancel->click();
        FaultsPage* page = h.window().faultsPage();
        ASSERT_TRUE(waitUntil([&] { return page->outcomeLine().contains("Самотест прерван"); }));
        // The exchange ends at the link's next check and its settling (0.06 s here), far
        // from the ECU's 4 s.
        EXPECT_LT(sinceCancel.elapsed(), 1500);
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(page->verdict(), "Самотест прерван");
        EXPECT_FALSE(countdown->isVisible());
        EXPECT_TRUE(page->entries().isEmpty());
    }
}

TEST_F(FaultsPageTest, ASelfTestThatOutlastsItsLimitRanOutOfTime)
{
    connect(
        "Escort", [](SimConfig& c) { c.SelfTestMs = 40000; }, "MaxTestTime=2\n");
    h.Prompts.AnswerDialog = selfTestAnswer("rbKoer");
    EXPECT_GE(runAction("acInvokeTest"), 200);
    EXPECT_TRUE(page()->outcomeLine().contains("не завершился за 2 с"))
        << qPrintable(page()->outcomeLine());
    EXPECT_EQ(page()->verdict(), "ЭБУ не ответил");
    EXPECT_TRUE(page()->entries().isEmpty());
}

TEST_F(FaultsPageTest, AResultStaysWithItsCarWhenAnotherIsDeleted)
{
    h.writeFile("reader.ini", "[Main]\nComPortName=sim\n[Autos]\nCurrent=1\n");
    h.writeFile(
        "autos.ini", registerText({ { "Alpha", "" }, { "Bravo", "4BAA" }, { "Charlie", "" } }));
    h.open([](SimConfig& c) { c.StoredCodes = { 112 }; });
    ASSERT_TRUE(waitUntil([&] {
        return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
    }));
    ASSERT_EQ(h.find<QComboBox>("cbCurrentAuto")->currentText(), "Bravo");
    runAction("acReadFaults");
    ASSERT_EQ(page()->entries().size(), 2);
    // Alpha goes: Charlie moves up into Bravo's old row.
    h.window().vehiclesPage()->selectRow(0);
    h.Prompts.ConfirmAnswer = true;
    h.find<QAction>("acDeleteAuto")->trigger();
    ASSERT_TRUE(waitUntil([&] { return !h.readFile("autos.ini").contains("Name=Alpha"); }));
    const QString path = page()->saveReport();
    EXPECT_EQ(QFileInfo(path).dir().dirName(), "Bravo");
    const QString html = readTextFile(path).join("\n");
    EXPECT_TRUE(html.contains("Bravo"));
    EXPECT_FALSE(html.contains("Charlie"));
    EXPECT_TRUE(page()->copyText().startsWith("Название: Bravo"));
    EXPECT_TRUE(log().last().contains(path));
}

TEST_F(FaultsPageTest, NothingToSaveOrCopyAndAFailedOpenAreTold)
{
    connect(QString(300, u'ж').toUtf8().constData());
    h.find<QAction>("acSaveReport")->trigger();
    h.find<QAction>("acCopy")->trigger();
    EXPECT_EQ(h.Prompts.Warnings,
        QStringList({ "Ошибка!: Нечего сохранять: сначала прочитайте коды.",
            "Ошибка!: Нечего копировать: сначала прочитайте коды." }));
    readCodes();
    h.Prompts.OpenAnswer = false;
    const QString path = page()->saveReport();
    // A name too long for a folder is cut to one the file system takes.
    ASSERT_TRUE(QFileInfo::exists(path)) << qPrintable(h.Prompts.Warnings.join("\n"));
    EXPECT_EQ(QFileInfo(path).dir().dirName(), QString(127, u'ж'));
    EXPECT_TRUE(h.Prompts.Warnings.last().contains("Не удалось открыть"))
        << qPrintable(h.Prompts.Warnings.last());
}

TEST_F(FaultsPageTest, ACodeTheDictionaryLacksReadsNoDescriptionInTheListTheCopyAndTheReport)
{
    h.writeFile("codes.txt",
        "\xEF\xBB\xBF"
        "112\nKOEO\nEnglish 112\nТекст 112\nComment 112\n"); // no 23
    connect("Escort");
    readCodes();
    const QString none = Texts::text(Texts::NoDescription);
    const auto shownIn = [&](const QString& entry) {
        QListWidget* list = h.find<QListWidget>("lbFaults");
        const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << qPrintable(entry);
        if (items.isEmpty())
            return QStringList();
        TextCatcher device;
        QPainter painter(&device);
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = QRect(0, 0, 1000, 100);
        list->itemDelegate()->paint(&painter, option, list->indexFromItem(items[0]));
        return device.Drawn;
    };
    // The list.
    EXPECT_TRUE(shownIn("023").contains(none)) << qPrintable(shownIn("023").join(" | "));
    EXPECT_TRUE(shownIn("112").contains("Текст 112"));
    EXPECT_FALSE(shownIn("112").contains(none));
    // The copy.
    const QString copied = h.window().faultsPage()->copyText();
    EXPECT_EQ(copied.count(none), 1) << qPrintable(copied);
    EXPECT_TRUE(copied.contains("Код: 023\r\nРежим: \r\nОписание: " + none + "\r\n"));
    // The report.
    h.find<QAction>("acSaveReport")->trigger();
    ASSERT_EQ(h.Prompts.Opened.size(), 1) << qPrintable(h.Prompts.Warnings.join("\n"));
    const QString html = readTextFile(h.Prompts.Opened.first()).join("\n");
    EXPECT_EQ(html.count(none), 1) << qPrintable(html);
    EXPECT_TRUE(html.contains("Текст 112"));
}

TEST_F(FaultsPageTest, TheGuideListsWhatEachTestNeedsAndBackingOutSendsNothing)
{
    // The ECU answers after 1 s of its clock.
    connect("Escort", [](SimConfig& c) { c.SelfTestMs = 1000; });
    const QStringList always = { "прогрет", "P (автомат) или N (механика)", "потребители выключены",
        "Кондиционер выключен" };
    const struct {
        const char* choice; // nullptr: backs out after looking at KOER
        const char* offered; // the choice the guide comes up with
        QStringList shown;
        QStringList notShown;
    } cases[] = {
        { "rbKoeo", "rbKoeo", { "двигатель не запущен", "Не запускайте двигатель" },
            { "педаль газа" } },
        { "rbKoer", "rbKoeo",
            { "2000 об/мин", "педаль тормоза", "пол-оборота", "овердрайва",
                "коротко нажмите педаль газа до упора" },
            { "двигатель не запущен" } },
        { nullptr, "rbKoer", {}, {} },
    };
    auto* simulator = h.window().link().session().simulator();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice ? c.choice : "back out");
        const qsizetype sent = simulator->receivedLines().count("cD");
        const QString before = page()->outcomeLine();
        const QString verdict = page()->verdict();
        bool offered = false;
        QString steps;
        const auto answer = selfTestAnswer(c.choice, &steps);
        h.Prompts.AnswerDialog = [&](QDialog& dialog) {
            offered = dialog.findChild<QRadioButton*>(QLatin1String(c.offered))->isChecked();
            return answer(dialog);
        };
        h.find<QAction>("acInvokeTest")->trigger();
        EXPECT_TRUE(offered);
        for (const QString& text : c.shown + (c.choice ? always : QStringList()))
            EXPECT_TRUE(steps.contains(text)) << qPrintable(text);
        for (const QString& text : c.notShown)
            EXPECT_FALSE(steps.contains(text)) << qPrintable(text);
        if (!c.choice) {
            QCoreApplication::processEvents();
            EXPECT_EQ(simulator->receivedLines().count("cD"), sent);
            EXPECT_FALSE(h.find<QWidget>("pnSelfTest")->isVisible());
            EXPECT_EQ(page()->outcomeLine(), before);
            EXPECT_EQ(page()->verdict(), verdict);
            continue;
        }
        // A self-test clears the verdict when it starts and gives one when it ends.
        ASSERT_TRUE(waitUntil([&] { return !page()->verdict().isEmpty(); }));
        EXPECT_EQ(simulator->receivedLines().count("cD"), sent + 1);
    }
}

TEST(FaultsPageSelfTest, TheVerdictSaysWhatTheTestFoundAboveTheCodes)
{
    using Codes = QList<int>;
    const struct {
        const char* name;
        bool engineRunning;
        Codes testCodes;
        std::optional<SimFault> fault;
        QStringList entries; // after the header; empty: no new result
        const char* verdict;
    } cases[] = {
        // KOER: the test's own codes only; the pass code alone passes.
        { "KOER pass", true, { 111 }, {}, { "111" }, "Неисправностей не найдено" },
        // KOEO: the continuous memory's codes (112, 23) follow the test's pass.
        { "KOEO memory", false, { 111 }, {}, { "111", "112", "023" }, "Найдено 2 кода" },
        { "KOER one", true, { 211 }, {}, { "211" }, "Найден 1 код" },
        { "KOER five", true, { 211, 212, 213, 214, 215 }, {}, { "211", "212", "213", "214", "215" },
            "Найдено 5 кодов" },
        { "no list", true, { 211 }, SimFault::NoResult, { "999" },
            "ЭБУ завершил тест без списка кодов" },
        { "silent", true, { 211 }, SimFault::EcuSilent, {}, "ЭБУ не ответил" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowHarness h;
        // The ECU answers after 3 s of its clock, 0.3 s here; a silent one is given up
        // after the limit of 20 s (2 s here).
        ASSERT_NO_FATAL_FAILURE(connectWindow(
            h, "Escort",
            [&](SimConfig& s) {
                s.SelfTestMs = 3000;
                s.EngineRunning = c.engineRunning;
                s.TestCodes = c.testCodes;
                if (c.fault)
                    s.Faults.set(*c.fault);
            },
            "MaxTestTime=20\n"));
        h.Prompts.AnswerDialog = selfTestAnswer(c.engineRunning ? "rbKoer" : "rbKoeo");
        FaultsPage* page = h.window().faultsPage();
        QElapsedTimer clock;
        clock.start();
        h.find<QAction>("acInvokeTest")->trigger();
        ASSERT_TRUE(waitUntil([&] { return !page->outcomeLine().isEmpty(); }, 20000));
        const qint64 took = clock.elapsed();
        auto* verdict = h.find<QLabel>("laTestVerdict");
        EXPECT_TRUE(verdict->isVisible());
        EXPECT_EQ(verdict->text(), QString::fromUtf8(c.verdict));
        // The verdict stands above the codes.
        EXPECT_LT(verdict->geometry().bottom(), h.find<QListWidget>("lbFaults")->geometry().top());
        if (c.entries.isEmpty()) {
            EXPECT_TRUE(page->entries().isEmpty());
            // The link waited out its limit: 20 s of its clock.
            EXPECT_GE(took, 2000);
        } else {
            EXPECT_EQ(page->entries(), QStringList { "0" } + c.entries);
            // Not before the ECU's 3 s, and long before the limit.
            EXPECT_GE(took, 300);
            EXPECT_LT(took, 1500);
        }
        // The next exchange takes the verdict away: it was the self-test's.
        h.find<QAction>("acReadFaults")->trigger();
        EXPECT_FALSE(verdict->isVisible());
    }
}

TEST_F(FaultsPageTest, AReportCarriesTheWorkshopTheEcuTheModuleAndTheCarsEarlierVisits)
{
    connectWithWorkshopAndAVisit();
    readCodes();
    // The history has grown by this visit.
    const QList<QByteArray> visits = h.readFile("Reports/Escort/visits.txt").split('\n');
    ASSERT_EQ(visits.size(), 3) << h.readFile("Reports/Escort/visits.txt").constData();
    EXPECT_EQ(visits[0], "2025-11-20T10:15:00 B 111");
    EXPECT_TRUE(visits[1].endsWith(" B 112 023")) << visits[1].constData();

    const QString path = page()->saveReport();
    const QString html = readTextFile(path).join("\n");
    const QString module = h.window().link().session().module().text();
    const QString today = QLocale(QLocale::Russian).toString(QDate::currentDate(), "dd MMM yyyy");
    for (const QString& expected : { QString("<b>Мастерская «Мотор»</b><br>ул. Заводская, 5"),
             QString("<td>4BAA</td>"), QString("Модель: Ford Sierra 2.0i (образец)<br>"),
             "<td>" + module + "</td>", ">" + today, QString("<td class=\"code\">112</td>"),
             QString("<td class=\"code\">23</td>"),
             // Only the earlier visit: this one is the report itself.
             QString("<p class=\"history\">20 нояб. 2025 10:15 — 111</p>") })
        EXPECT_TRUE(html.contains(expected)) << qPrintable(expected);
    EXPECT_FALSE(module.isEmpty());
    EXPECT_TRUE(log().last().contains("Отчёт сохранён: " + path)) << qPrintable(log().last());
}

TEST_F(FaultsPageTest, AReportPrintsAndSavesAsPdfWithItsTextAndSaysWhereItWent)
{
    connectWithWorkshopAndAVisit();
    readCodes();
    const QString pdf = h.path("Escort.pdf");
    const QString printed = h.path("printed.pdf");
    h.Prompts.FileAnswer = pdf;
    h.Prompts.AnswerDialog = [&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printed);
        return true;
    };
    const struct {
        const char* action;
        QString file;
        QString logLine;
    } cases[] = {
        { "acSaveReportPdf", pdf, "Отчёт сохранён в PDF: " + pdf },
        { "acPrintReport", printed, "Отчёт отправлен на печать: " + printed },
    };
    for (const auto& c : cases) {
        h.find<QAction>(c.action)->trigger();
        EXPECT_TRUE(log().last().endsWith(c.logLine)) << qPrintable(log().last());
        QFile file(c.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.action;
        EXPECT_TRUE(file.read(5) == "%PDF-") << c.action;
        const std::optional<QString> text = pdfText(c.file);
        if (!text)
            continue; // no pdftotext here: the file's form is all that is checked
        for (const char* expected : { "Мастерская «Мотор»", "ул. Заводская, 5", "Коды ошибок",
                 "Escort", "4BAA", "Ford Sierra 2.0i", "Датчик температуры воздуха (ACT)",
                 "Предыдущие посещения", "20 нояб. 2025 10:15 — 111" })
            EXPECT_TRUE(text->contains(QString::fromUtf8(expected)))
                << c.action << ": " << expected << "\n"
                << qPrintable(*text);
        EXPECT_TRUE(text->contains(QLocale(QLocale::Russian).toString(QDate::currentDate(), "MMM")))
            << qPrintable(*text);
    }
    ASSERT_EQ(h.Prompts.FileRequests.size(), 1);
    const FileRequest& asked = h.Prompts.FileRequests.first();
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(QDir(asked.Folder), QDir(h.path("Reports/Escort")));
    EXPECT_TRUE(asked.Name.endsWith(".pdf")) << qPrintable(asked.Name);
    EXPECT_TRUE(h.Prompts.Warnings.isEmpty()) << qPrintable(h.Prompts.Warnings.join("\n"));

    // A file that can't be written: told in the log and in a box, and no file is left.
    h.Prompts.FileAnswer = h.path("gone/Escort.pdf");
    h.find<QAction>("acSaveReportPdf")->trigger();
    EXPECT_TRUE(log().last().contains("Отчёт не сохранён: ")) << qPrintable(log().last());
    EXPECT_TRUE(log().last().contains(h.path("gone/Escort.pdf")));
    ASSERT_EQ(h.Prompts.Warnings.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(h.path("gone/Escort.pdf")));
    // Cancelled dialogs: nothing written, nothing said.
    const QStringList before = log();
    h.Prompts.FileAnswer.clear();
    h.Prompts.AnswerDialog = [](QDialog&) { return false; };
    h.find<QAction>("acSaveReportPdf")->trigger();
    h.find<QAction>("acPrintReport")->trigger();
    EXPECT_EQ(log(), before);
}
