// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault list from the slot words, its clipboard text and its HTML report.
#include "ui/model/FaultSheet.h"

#include "common/Errors.h"
#include "common/TextFile.h"
#include "ui/model/FaultOutcome.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <array>
#include <gtest/gtest.h>

namespace {

struct Slots {
    std::array<uint16_t, 256> words {};
    FaultCodeList::SlotReader reader() const
    {
        return [this](uint8_t slot) { return words[slot]; };
    }
};

FaultCodeDictionary dictionary()
{
    FaultCodeDictionary codes;
    codes.parse({ "23", "KOEO", "Code 23 <en>", "Код 23 & <ru>", "Comment 23", //
        "112", "KOER", "Code 112", "Код 112", "Check %NAME% wiring", //
        "999", "-", "No result", "Нет результата", "Repeat" });
    return codes;
}

SheetVehicle vehicle(QString name = "Escort")
{
    return { name, "09 Dec 2026 12:00", "A123BC", "Escort", "1995", "VIN1", "notes" };
}

VehicleRegister twoVehicles()
{
    VehicleRegister r;
    for (const char* name : { "First", "Second" }) {
        VehicleEntry e;
        e.Caption = name;
        e.SubItems[VehicleEntry::Model] = "Model";
        e.SubItems[VehicleEntry::LastRead] = "---";
        r.append(e);
    }
    return r;
}

} // namespace

TEST(FaultSheet, CodesComeByPositionFrom14DownThenByFrame)
{
    Slots s;
    s.words[0x02] = 0x0111; // position 2, frame 0
    s.words[0x3E] = 0x0223; // position 14, frame 3
    s.words[0x1E] = 0x0112; // position 14, frame 1
    s.words[0xF5] = 0xA023; // position 5, frame 15: the low 12 bits count
    s.words[0x71] = 0x0040; // status: codes ready
    EXPECT_EQ(FaultSheet::entries(1, s.reader()), QStringList({ "1", "112", "223", "023", "111" }));
    EXPECT_EQ(FaultSheet::entries(-1, Slots().reader()), QStringList({ "-1" }));
}

TEST(FaultSheet, StatusWithoutResultGives999Alone)
{
    Slots s;
    s.words[0x1E] = 0x0112;
    s.words[0x71] = 0x0010;
    EXPECT_EQ(FaultSheet::entries(0, s.reader()), QStringList({ "0", "999" }));
    s.words[0x71] = 0x0050; // both bits: the codes count
    EXPECT_EQ(FaultSheet::entries(0, s.reader()), QStringList({ "0", "112" }));
    const QString text = FaultSheet::copyText({ "0", "999" }, std::nullopt, dictionary(), false);
    EXPECT_TRUE(text.contains("Код: 999\r\nРежим: -\r\nОписание: Нет результата"))
        << qPrintable(text);
}

TEST(FaultSheet, Code023IsCopiedAs023AndReportedAs23)
{
    const QStringList list { "0", "023" };
    const QString text = FaultSheet::copyText(list, vehicle(), dictionary(), false);
    EXPECT_TRUE(text.startsWith("Название: Escort\r\nДата отчёта: 09 Dec 2026 12:00\r\n"
                                "Гос.номер: A123BC\r\nМодель: Escort\r\nГод выпуска: 1995\r\n"
                                "VIN: VIN1\r\nПримечания: notes \r\n\r\n"));
    EXPECT_TRUE(text.endsWith("Код: 023\r\nРежим: KOEO\r\nОписание: Код 23 & <ru>\r\n"
                              "Комментарий: Comment 23\r\n\r\n"))
        << qPrintable(text);
    const QString html
        = FaultSheet::reportHtml({ "<h1>%NAME%</h1>%BEGIN%<p>%CODE% %DESCRIPTION%</p>%END%" }, list,
            vehicle(), dictionary(), true);
    EXPECT_TRUE(html.contains("<p>23 Code 23 &lt;en&gt;</p>")) << qPrintable(html);
}

TEST(FaultSheet, CopyWithoutVehicleOrWithAVehicleThatIsGone)
{
    const VehicleRegister vehicles = twoVehicles();
    EXPECT_EQ(FaultSheet::vehicleOf({ "1", "112" }, vehicles)->Name, "Second");
    EXPECT_FALSE(FaultSheet::vehicleOf({ "-1", "112" }, vehicles));
    EXPECT_FALSE(FaultSheet::vehicleOf({ "2", "112" }, vehicles));
    EXPECT_FALSE(FaultSheet::vehicleOf({ "x" }, vehicles));
    EXPECT_FALSE(FaultSheet::vehicleOf({}, vehicles));
    // The header alone: the vehicle block alone; no vehicle: the codes alone.
    EXPECT_TRUE(
        FaultSheet::copyText({ "0" }, vehicle(), dictionary(), false).endsWith("notes \r\n\r\n"));
    EXPECT_TRUE(FaultSheet::copyText({ "-1", "112" }, std::nullopt, dictionary(), false)
                    .startsWith("Код: 112"));
    EXPECT_EQ(FaultSheet::copyText({}, vehicle(), dictionary(), false), "");
}

TEST(FaultSheet, ReportPlacesValuesOnlyWhereTheyBelongAndLeavesLowerCaseAlone)
{
    const QStringList templ { "<title>%TITLE% %NAME% %NAME% %CODE%</title>",
        "%BEGIN%<tr>%CODE%|%TYPE%|%COMMENT%|%NAME%|%code%</tr>",
        "%END%<i>%VIN% %begin% %Name%</i>" };
    const QString html
        = FaultSheet::reportHtml(templ, { "0", "112", "023" }, vehicle(), dictionary(), false);
    // Head: the vehicle twice, the fault placeholder untouched.
    EXPECT_TRUE(html.startsWith("<title>Коды ошибок Escort Escort %CODE%</title>\r\n"))
        << qPrintable(html);
    // Block per code, in list order; the vehicle placeholder in it stays; a value is never
    // searched again (the comment names %NAME%).
    EXPECT_TRUE(
        html.contains("<tr>112|KOER|Check %NAME% wiring|%NAME%|%code%</tr>\r\n<tr>23|KOEO|"))
        << qPrintable(html);
    // Tail: lower-case and mixed-case markers stay.
    EXPECT_TRUE(html.endsWith("<i>VIN1 %begin% %Name%</i>\r\n")) << qPrintable(html);
}

TEST(FaultSheet, ReportEscapesEveryValue)
{
    for (const QString& name : { QString("<b>x</b>"), QString("\"><script>alert('x')</script>") }) {
        const QString html
            = FaultSheet::reportHtml({ "<a title=\"%NAME%\">%NAME%</a>%BEGIN%%DESCRIPTION%%END%" },
                { "0", "023" }, vehicle(name), dictionary(), false);
        EXPECT_FALSE(html.contains("<b>")) << qPrintable(html);
        EXPECT_FALSE(html.contains("<script>")) << qPrintable(html);
        EXPECT_FALSE(html.contains("\"><")) << qPrintable(html);
        EXPECT_TRUE(html.contains("Код 23 &amp; &lt;ru&gt;")) << qPrintable(html);
    }
}

TEST(FaultSheet, TemplateWithoutItsBlockIsRefused)
{
    for (const QStringList& templ :
        { QStringList { "<p>%NAME%</p>" }, QStringList { "%END% x %BEGIN%" },
            QStringList { "%BEGIN% no end" }, QStringList { "%begin%%CODE%%end%" } })
        EXPECT_THROW(FaultSheet::reportHtml(templ, { "0", "112" }, vehicle(), dictionary(), false),
            VeskorError)
            << qPrintable(templ.join(""));
    // An empty block is a block.
    EXPECT_NO_THROW(
        FaultSheet::reportHtml({ "%BEGIN%%END%" }, { "0" }, vehicle(), dictionary(), false));
}

TEST(FaultSheet, ReportFileIsUtf16WithMarkAndCrLfLines)
{
    const QByteArray bytes = FaultSheet::reportBytes("a\r\nб\nc");
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(decodeTextLines(bytes), QStringList({ "a", "б", "c" }));
    EXPECT_EQ(bytes.mid(2), QByteArray("a\0\r\0\n\0\x31\x04\r\0\n\0c\0\r\0\n\0", 18));
    EXPECT_EQ(FaultSheet::reportFileName(QDateTime(QDate(2012, 3, 5), QTime(14, 7, 33))),
        "05.03.2012 14 07 33.htm");
}

TEST(FaultSheet, FolderNamesStayInsideTheirFolder)
{
    EXPECT_EQ(FaultSheet::folderName("Escort 1.6"), "Escort 1.6");
    EXPECT_EQ(FaultSheet::folderName("a\\b/c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(FaultSheet::folderName(".."), "__");
    EXPECT_EQ(FaultSheet::folderName("."), "_");
    EXPECT_EQ(FaultSheet::folderName("   "), "___");
    EXPECT_EQ(FaultSheet::folderName("name. ."), "name___");
    EXPECT_EQ(FaultSheet::folderName("../../etc"), ".._.._etc");
    EXPECT_EQ(FaultSheet::folderName(""), "_");
    EXPECT_EQ(FaultSheet::folderName("a\nb"), "a_b");
}

TEST(FaultSheet, LongFolderNamesAreCutAtACharacterWithin255Bytes)
{
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        { QString(255, u'a'), QString(255, u'a') },
        { QString(300, u'a'), QString(255, u'a') },
        // Two bytes a letter: 127 letters, never half of one.
        { QString(200, u'ж'), QString(127, u'ж') },
        // A character outside the basic plane (4 bytes) is kept whole or left out whole.
        { QString(253, u'a') + QString::fromUtf8("\xF0\x9F\x9A\x97"), QString(253, u'a') },
        // A cut that ends in a dot still may not end the name with one.
        { QString(254, u'a') + QStringLiteral(". tail"), QString(254, u'a') + u'_' },
    };
    for (const auto& c : cases) {
        const QString folder = FaultSheet::folderName(c.name);
        EXPECT_EQ(folder, c.expected) << c.name.size();
        EXPECT_LE(folder.toUtf8().size(), 255);
    }
}

namespace {

QStringList templateFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return decodeTextLines(file.readAll());
}

// Codes whose texts name no placeholder.
FaultCodeDictionary plainDictionary()
{
    FaultCodeDictionary codes;
    codes.parse({ "23", "KOEO", "Code 23", "Код 23 & <датчик>", "Comment 23", //
        "112", "KOER", "Code 112", "Код 112", "Проверьте проводку" });
    return codes;
}

// A report as the fault page fills it for the code 4BAA of the sample database.
SheetReport fullReport()
{
    return { "Мастерская «Мотор»", "ул. Заводская, 5\nтел. +7 900 000-00-00", "4BAA",
        "Модель: Ford Sierra 2.0i\nГоды выпуска: 1989-1993", "1.23 (SIM01)",
        "05 фев. 2026 10:00 — 112, 23\n01 янв. 2026 09:30 — кодов нет" };
}

} // namespace

TEST(FaultSheet, TheShippedTemplateCarriesTheWorkshopTheEcuTheCodesAndTheHistory)
{
    SheetVehicle car = vehicle();
    car.Date = "05 мар. 2026 14:07";
    const QString html
        = FaultSheet::reportHtml(templateFile(qEnvironmentVariable("VESKOR_DATA") + "/report.htm"),
            { "0", "112", "023" }, car, plainDictionary(), false, fullReport());
    for (const char* expected :
        { "<b>Мастерская «Мотор»</b><br>ул. Заводская, 5<br>тел. +7 900", "<td>4BAA</td>",
            "Модель: Ford Sierra 2.0i<br>Годы выпуска: 1989-1993", "<td>1.23 (SIM01)</td>",
            ">05 мар. 2026 14:07</td>", "<td class=\"code\">112</td><td>KOER</td><td>Код 112</td>",
            "<td class=\"code\">23</td><td>KOEO</td><td>Код 23 &amp; &lt;датчик&gt;</td>",
            "05 фев. 2026 10:00 — 112, 23<br>01 янв. 2026 09:30 — кодов нет" })
        EXPECT_TRUE(html.contains(QString::fromUtf8(expected))) << expected;
    // Every placeholder of the shipped template has its value.
    EXPECT_FALSE(QRegularExpression("%[A-Z]+%").match(html).hasMatch())
        << qPrintable(QRegularExpression("%[A-Z]+%").match(html).captured());
}

TEST(FaultSheet, ATemplateWithoutTheNewPlaceholdersReadsAsBefore)
{
    // The template as shipped before the report had a workshop, and what it gave then.
    const QString data = QString::fromUtf8(VESKOR_UI_TEST_DATA);
    const QStringList before = templateFile(data + "/report-before-workshop.htm");
    QFile expected(data + "/report-before-workshop.expected.htm");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    const QByteArray then = expected.readAll();
    // The comment names a placeholder, which stays as it is.
    FaultCodeDictionary codes;
    codes.parse({ "23", "KOEO", "Code 23", "Код 23 & <датчик>", "Comment 23", //
        "112", "KOER", "Code 112", "Код 112", "Проверьте %NAME% проводку" });
    const SheetVehicle car { "Escort \"Ghia\"", "05 мар. 2026 14:07", "А123ВС", "Escort", "1995",
        "WF0AXXGCAA1234567", "после ремонта" };
    for (const SheetReport& report : { SheetReport {}, fullReport() }) {
        const QByteArray now = FaultSheet::reportBytes(
            FaultSheet::reportHtml(before, { "0", "112", "023" }, car, codes, false, report));
        EXPECT_EQ(now, then) << qPrintable(report.Workshop);
    }
}

TEST(FaultOutcome, OnlyAnAnswerIsAResultAndTheCountdownStopsAtTheLimit)
{
    using O = Link::FaultTestOutcome;
    const struct {
        O outcome;
        char letter;
        int codes;
        bool result;
        const char* says;
    } cases[] = {
        // The outcomes the fault page's tests do not reach through the simulator.
        { O::ftoAnswered, 'D', 0, true, "неисправностей не найдено" },
        { O::ftoNotTaken, 'B', 0, false, "ЭБУ не ответил" },
        { O::ftoNone, 'B', 0, false, "ЭБУ не ответил" },
        { O::ftoPortLost, 'B', 0, false, "Связь с адаптером потеряна" },
    };
    for (const auto& c : cases) {
        const FaultOutcomeView view = FaultOutcome::describe(c.outcome, c.letter, c.codes, 45);
        EXPECT_EQ(view.NewResult, c.result) << c.says;
        EXPECT_EQ(view.Failure, !c.result) << c.says;
        EXPECT_TRUE(view.Line.contains(QString::fromUtf8(c.says))) << qPrintable(view.Line);
    }
    EXPECT_EQ(FaultOutcome::progressText(12'400, 60), "Самотест: прошло 12 с, осталось 48 с");
    EXPECT_EQ(FaultOutcome::progressText(75'000, 60), "Самотест: прошло 60 с, осталось 0 с");
}
