// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/Errors.h"
#include "common/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "vehicles/RegisterFile.h"
#include "vehicles/VehicleListModel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

const DateTimeText Dates(QLocale(QLocale::Russian, QLocale::Russia));

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

VehicleEntry vehicle(const QString& name, const QString& comment, int year, double lastRead)
{
    TAuto a;
    a.Name = name;
    a.Model = u8("Сьерра");
    a.Year = year;
    a.VIN = "WF0AXXGBBAKA12345";
    a.Plate = u8("А123ВС 77");
    a.LastRead = lastRead;
    a.Comment = comment;
    a.CalID = "4baa";
    a.CarProfile = -1;
    return VehicleEntry::fromRecord(a, Dates);
}

VehicleRegister threeVehicles()
{
    VehicleRegister r;
    r.append(vehicle(u8("Мой Форд"), u8("масло, фильтр"), 1989, 45000.5));
    r.append(vehicle(u8("Эскорт соседа"), u8("«кавычки» и \"quotes\""), 1995, 0));
    r.append(vehicle(u8("Ёлка"), QString(), 2001, 44000));
    return r;
}

VehicleRegister loaded(const QString& path)
{
    VehicleRegister r;
    EXPECT_TRUE(LoadRegister(r, path, Dates));
    return r;
}

} // namespace

TEST(Register, ThreeVehiclesSurviveSaveAndLoadInOrder)
{
    TempDir dir;
    const VehicleRegister saved = threeVehicles();
    SaveRegister(saved, dir.file("autos.ini"), Dates);
    const VehicleRegister back = loaded(dir.file("autos.ini"));

    ASSERT_EQ(back.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const TAuto& a = saved.at(i).Record;
        const TAuto& b = back.at(i).Record;
        EXPECT_EQ(b.Name, a.Name);
        EXPECT_EQ(b.Model, a.Model);
        EXPECT_EQ(b.Year, a.Year);
        EXPECT_EQ(b.VIN, a.VIN);
        EXPECT_EQ(b.Plate, a.Plate);
        EXPECT_DOUBLE_EQ(b.LastRead, a.LastRead);
        EXPECT_EQ(b.CalID, a.CalID);
        EXPECT_EQ(b.CarProfile, -1);
        EXPECT_EQ(back.at(i).Caption, a.Name);
        EXPECT_EQ(back.at(i).SubItems, saved.at(i).SubItems);
    }
    // The quotes of a value are its own only when they don't enclose it all.
    EXPECT_EQ(back.at(1).Record.Comment, u8("«кавычки» и \"quotes\""));
    EXPECT_EQ(back.at(0).SubItems[VehicleEntry::LastRead], "15.03.2023 12:00:00");
}

TEST(Register, LongTextsTheUserTypedComeBackWhole)
{
    // 40,000 bytes and more of Cyrillic, far past the 2047 bytes an INI value is cut at.
    QString text;
    for (int i = 0; text.toUtf8().size() < 40'000; ++i)
        text += u8("Заметка %1: замена масла и фильтров. ").arg(i);
    text += u8("Конец");
    using Field = QString TAuto::*;
    for (const Field field :
        { &TAuto::Name, &TAuto::Model, &TAuto::VIN, &TAuto::Plate, &TAuto::Comment }) {
        TempDir dir;
        VehicleEntry entry = vehicle(u8("Форд"), u8("заметка"), 1990, 45000);
        entry.Record.*field = text;
        VehicleRegister saved;
        saved.append(VehicleEntry::fromRecord(entry.Record, Dates));
        SaveRegister(saved, dir.file("autos.ini"), Dates);
        // Saved again after loading, as every start and close does.
        SaveRegister(loaded(dir.file("autos.ini")), dir.file("autos.ini"), Dates);
        const VehicleRegister back = loaded(dir.file("autos.ini"));
        ASSERT_EQ(back.size(), 1);
        const QString& read = back.at(0).Record.*field;
        EXPECT_TRUE(read == text) << read.size() << " of " << text.size() << " characters";
    }
}

TEST(Register, TheFileHoldsExactlyTheVehiclesOfTheList)
{
    TempDir dir;
    VehicleRegister r = threeVehicles();
    SaveRegister(r, dir.file("autos.ini"), Dates);
    r.removeAt(1);
    SaveRegister(r, dir.file("autos.ini"), Dates);

    IniFile ini;
    ASSERT_TRUE(ini.load(dir.file("autos.ini")));
    EXPECT_EQ(ini.sections(), (QStringList { "0", "1" }));
    EXPECT_EQ(ini.readUtf8("1", "Name"), u8("Ёлка"));
    EXPECT_EQ(ini.keys("0"),
        (QStringList { "Name", "Model", "Year", "VIN", "Plate", "LastRead", "Comment", "CarProfile",
            "CalID" }));

    SaveRegister(VehicleRegister(), dir.file("autos.ini"), Dates);
    EXPECT_TRUE(loaded(dir.file("autos.ini")).isEmpty());
}

TEST(Register, ANewVehicleIsWrittenWithDayZero)
{
    TempDir dir;
    VehicleRegister r;
    VehicleEntry added;
    added.Caption = "New";
    added.SubItems[VehicleEntry::LastRead] = "---";
    added.Record.Name = "New";
    r.append(added);
    SaveRegister(r, dir.file("autos.ini"), Dates);

    EXPECT_TRUE(dir.read("autos.ini").contains("LastRead=30.12.1899\n"));
    const VehicleRegister back = loaded(dir.file("autos.ini"));
    EXPECT_EQ(back.at(0).Record.LastRead, 0.0);
    EXPECT_EQ(back.at(0).SubItems[VehicleEntry::LastRead], "30.12.1899");
}

TEST(Register, MissingOrUnreadableValuesTakeTheirDefaults)
{
    TempDir dir;
    const QByteArray longComment = QByteArray("Ж").repeated(1500); // 3000 bytes
    dir.write("autos.ini",
        "[first]\nYear=$7C5\nLastRead=\nComment=" + longComment
            + "\n[Second]\nYear=19x5\nCarProfile=abc\n");
    const double before = DateTimeText::now();
    const VehicleRegister r = loaded(dir.file("autos.ini"));
    const double after = DateTimeText::now();

    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0).Record.Year, 1989);
    EXPECT_EQ(r.at(0).SubItems[VehicleEntry::Year], "1989");
    EXPECT_GE(r.at(0).Record.LastRead, before - 1e-6);
    EXPECT_LE(r.at(0).Record.LastRead, after + 1e-6);
    // What the user typed is not cut at 2047 bytes as other values are.
    EXPECT_EQ(r.at(0).Record.Comment, u8("Ж").repeated(1500));
    EXPECT_TRUE(r.at(0).Record.Name.isEmpty());
    EXPECT_EQ(r.at(1).Record.Year, 0);
    EXPECT_EQ(r.at(1).Record.CarProfile, 0);
    EXPECT_GE(r.at(1).Record.LastRead, before - 1e-6); // no LastRead key at all
}

TEST(Register, DatesSurviveALocaleChange)
{
    const DateTimeText russian(QLocale(QLocale::Russian, QLocale::Russia));
    const DateTimeText c(QLocale::c());
    const DateTimeText american(QLocale(QLocale::English, QLocale::UnitedStates));
    const double noon = DateTimeText::fromDateTime(QDate(2023, 3, 15), QTime(12, 0, 5));
    const double midnight = DateTimeText::fromDateTime(QDate(1996, 11, 2), QTime(0, 0));
    const struct {
        const DateTimeText& saving;
        const DateTimeText& loading;
        const char* written;
        const char* shown;
    } cases[] = {
        { russian, c, "15.03.2023 12:00:05", "15 Mar 2023 12:00:05" },
        { c, russian, "15 Mar 2023 12:00:05", "15.03.2023 12:00:05" },
        { american, russian, "3/15/2023 12:00:05 PM", "15.03.2023 12:00:05" },
        { russian, american, "15.03.2023 12:00:05", "3/15/2023 12:00:05 PM" },
    };
    for (const auto& t : cases) {
        TempDir dir;
        VehicleRegister r;
        r.append(vehicle("Noon", "", 1990, noon));
        r.append(vehicle("Midnight", "", 1990, midnight));
        SaveRegister(r, dir.file("autos.ini"), t.saving);
        EXPECT_TRUE(dir.read("autos.ini").contains(QByteArray("LastRead=") + t.written + "\n"));

        VehicleRegister back;
        ASSERT_TRUE(LoadRegister(back, dir.file("autos.ini"), t.loading));
        ASSERT_EQ(back.size(), 2);
        EXPECT_DOUBLE_EQ(back.at(0).Record.LastRead, noon) << t.written;
        EXPECT_DOUBLE_EQ(back.at(1).Record.LastRead, midnight) << t.written;
        EXPECT_EQ(back.at(0).SubItems[VehicleEntry::LastRead], t.shown);
        EXPECT_TRUE(back.at(0).Record.LastReadKept.isEmpty());
    }
    // ISO 8601, as scripts write it, reads under any locale.
    EXPECT_EQ(russian.parse("2023-03-15T12:00:05"), noon);
    EXPECT_EQ(c.parse("2023-03-15 12:00:05"), noon);
}

TEST(Register, TenThousandVehiclesLoadIntoTheListInTime)
{
    // Each date read once cost local times, each asking the system for its time zone, and
    // more of them for every form a date was not in: start-up took seconds. Stamped dates
    // have a time of day, each of its own; ISO 8601 is the form read last of all.
    constexpr int Count = 10000;
    const struct {
        const char* form;
        bool time;
        QLocale loading;
    } cases[] = { { "dd.MM.yyyy HH:mm:ss", true, QLocale(QLocale::Russian, QLocale::Russia) },
        { "yyyy-MM-dd", false, QLocale::c() } };
    const auto day = [](int i) { return QDate(2000, 1, 1).addDays(i); };
    const auto time = [](int i) { return QTime(0, 0, 1).addSecs(i * 7); };
    for (const auto& t : cases) {
        TempDir dir;
        QByteArray text;
        for (int i = 0; i < Count; ++i) {
            const QDateTime stamp(day(i), time(i), Qt::UTC);
            text += "[" + QByteArray::number(i) + "]\nName=" + QByteArray::number(i)
                + "\nLastRead=" + stamp.toString(t.form).toLatin1() + "\n";
        }
        dir.write("autos.ini", text);

        VehicleListModel list;
        QElapsedTimer timer;
        timer.start();
        VehicleRegister loaded;
        ASSERT_TRUE(LoadRegister(loaded, dir.file("autos.ini"), DateTimeText(t.loading)));
        list.setVehicles(std::move(loaded));
        EXPECT_LT(timer.elapsed(), 1500) << t.form;
        ASSERT_EQ(list.rowCount(), Count);
        for (int i : { 0, 1, Count / 2, Count - 1 }) {
            EXPECT_DOUBLE_EQ(list.entry(i).Record.LastRead,
                DateTimeText::fromDateTime(day(i), t.time ? time(i) : QTime(0, 0)))
                << t.form << " " << i;
        }
    }
}

TEST(Register, ADateThatCannotBeReadIsKeptAsWritten)
{
    TempDir dir;
    // Bytes no code page maps back alike, and a form no locale writes.
    const QByteArray odd = "\x98 \"next Tuesday\" 14h";
    dir.write(
        "autos.ini", "[0]\nName=A\nLastRead=" + odd + "\n[1]\nName=B\nLastRead=" + odd + "\n");
    VehicleRegister r = loaded(dir.file("autos.ini"));
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0).Record.LastRead, 0.0);
    EXPECT_EQ(r.at(0).Record.LastReadKept, odd);
    EXPECT_EQ(r.at(0).SubItems[VehicleEntry::LastRead], lastReadText(r.at(0).Record, Dates));
    EXPECT_TRUE(r.at(0).SubItems[VehicleEntry::LastRead].contains("next Tuesday"));

    // A new date given to the record replaces the kept text; the other stays as written.
    r.at(1).Record.LastRead = DateTimeText::fromDateTime(QDate(2024, 1, 2), QTime(0, 0));
    SaveRegister(r, dir.file("autos.ini"), Dates);
    const QByteArray saved = dir.read("autos.ini");
    EXPECT_TRUE(saved.contains("[0]\nName=A\nModel=\nYear=0\nVIN=\nPlate=\nLastRead=" + odd + "\n"))
        << saved.toStdString();
    EXPECT_TRUE(saved.contains("LastRead=02.01.2024\n")) << saved.toStdString();
    EXPECT_EQ(loaded(dir.file("autos.ini")).at(0).Record.LastReadKept, odd);
}

TEST(Register, KeysAndCommentsTheProgramDoesNotKnowAreKept)
{
    TempDir dir;
    dir.write("autos.ini",
        "; Register of the garage\r\n"
        "# kept by hand too\r\n"
        "[Sierra]\r\n"
        "Name=Sierra\r\n"
        "; bought in 2019\r\n"
        "Colour=red\r\n"
        "name=ignored repeat\r\n"
        "Year=1989\r\n"
        "Odometer = 123456\r\n"
        "[Escort]\r\n"
        "Name=Escort\r\n"
        "Owner=Neighbour\r\n"
        "[sierra]\r\n"
        "Tyres=winter\r\n");
    VehicleRegister r = loaded(dir.file("autos.ini"));
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.preamble(), (QByteArrayList { "; Register of the garage", "# kept by hand too" }));
    EXPECT_EQ(r.at(0).Record.KeptLines,
        (QByteArrayList { "; bought in 2019", "Colour=red", "Odometer = 123456", "Tyres=winter" }));
    EXPECT_EQ(r.at(1).Record.KeptLines, (QByteArrayList { "Owner=Neighbour" }));

    // Saved, edited and saved again: what the program doesn't know goes with its vehicle.
    TAuto edited = r.at(0).Record;
    edited.Name = "Sierra 2.0";
    r.at(0) = VehicleEntry::fromRecord(edited, Dates);
    SaveRegister(r, dir.file("autos.ini"), Dates);
    const QByteArray saved = dir.read("autos.ini");
    EXPECT_TRUE(
        saved.startsWith("; Register of the garage\n# kept by hand too\n[0]\nName=Sierra 2.0\n"))
        << saved.toStdString();
    EXPECT_TRUE(saved.contains(
        "CalID=\n; bought in 2019\nColour=red\nOdometer = 123456\nTyres=winter\n[1]\n"))
        << saved.toStdString();
    EXPECT_FALSE(saved.contains("ignored repeat"));

    VehicleRegister back = loaded(dir.file("autos.ini"));
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back.at(0).Record.Name, "Sierra 2.0");
    EXPECT_EQ(back.at(0).Record.KeptLines, r.at(0).Record.KeptLines);
    EXPECT_EQ(back.at(1).Record.KeptLines, r.at(1).Record.KeptLines);
    IniFile ini;
    ASSERT_TRUE(ini.load(dir.file("autos.ini")));
    EXPECT_EQ(ini.readAnsi("1", "Owner"), "Neighbour");

    // A deleted vehicle takes its own lines with it.
    back.removeAt(1);
    SaveRegister(back, dir.file("autos.ini"), Dates);
    EXPECT_FALSE(dir.read("autos.ini").contains("Owner"));
}

TEST(Register, ARegisterThatCouldNotBeReadIsNeverReplacedByAnEmptyOne)
{
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    const QByteArray good = "[0]\nName=Sierra\n";
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        { QByteArray("\xFF\xFE") + QByteArray(utf16(QString::fromLatin1(good))), "UTF-16" },
        { good + '\0' + "[1]\nName=Escort\n", "NUL в строке 3" },
        { "Name=Sierra\nYear=1989\n", "нет ни одного раздела" },
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString path = dir.write("autos.ini", c.bytes);
        VehicleRegister r;
        try {
            LoadRegister(r, path, Dates);
            ADD_FAILURE() << "no error for " << c.reason;
        } catch (const VeskorError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason)))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        }
        EXPECT_TRUE(r.fileUnreadable());
        EXPECT_TRUE(r.isEmpty());

        // Not even a register that doesn't know it came from there replaces it with nothing.
        EXPECT_THROW(SaveRegister(r, path, Dates), VeskorError);
        EXPECT_THROW(SaveRegister(VehicleRegister(), path, Dates), VeskorError);
        EXPECT_EQ(dir.read("autos.ini"), c.bytes);

        // Vehicles added since are saved, the old file kept beside under a free name.
        dir.write("autos.ini.unreadable", "taken");
        r.append(vehicle("Added", "", 2000, 0));
        const QString message = SaveRegister(r, path, Dates);
        EXPECT_TRUE(message.contains(dir.file("autos.ini.unreadable2"))) << message.toStdString();
        EXPECT_EQ(dir.read("autos.ini.unreadable2"), c.bytes);
        EXPECT_EQ(dir.read("autos.ini.unreadable"), "taken");
        EXPECT_EQ(loaded(path).at(0).Record.Name, "Added");
    }

    // A register whose load failed keeps the file even when the file reads well by now.
    TempDir dir;
    const QString path = dir.write("autos.ini", good);
    VehicleRegister failed;
    failed.setFileUnreadable(true);
    EXPECT_THROW(SaveRegister(failed, path, Dates), VeskorError);
    EXPECT_EQ(dir.read("autos.ini"), good);

    // Comments alone are an empty register, which may be replaced.
    dir.write("autos.ini", "; nothing yet\n");
    VehicleRegister empty;
    EXPECT_TRUE(LoadRegister(empty, path, Dates));
    EXPECT_FALSE(empty.fileUnreadable());
    EXPECT_EQ(SaveRegister(empty, path, Dates), QString());
    EXPECT_EQ(dir.read("autos.ini"), "; nothing yet\n");

    // A symbolic link loop is unreadable, not missing.
    const QString loop = dir.file("loop.ini");
    ASSERT_TRUE(QFile::link(loop, loop));
    VehicleRegister r;
    EXPECT_THROW(LoadRegister(r, loop, Dates), VeskorError);
    EXPECT_TRUE(r.fileUnreadable());
    EXPECT_THROW(SaveRegister(r, loop, Dates), VeskorError);
}

TEST(Register, AMissingFileLoadsNothing)
{
    TempDir dir;
    VehicleRegister r;
    EXPECT_FALSE(LoadRegister(r, dir.file("autos.ini"), Dates));
    EXPECT_TRUE(r.isEmpty());
}

TEST(Register, AFailedSaveKeepsTheOldFileWholeAndNamesIt)
{
    TempDir dir;
    const QString path = dir.file("autos.ini");
    VehicleRegister one;
    one.append(vehicle("Old", "", 1990, 0));
    SaveRegister(one, path, Dates);
    const QByteArray old = dir.read("autos.ini");

    // A file size limit makes the write of the larger register fail, even for root.
    const VehicleRegister many = threeVehicles();
    bool raised = false;
    {
        FileSizeLimit limit(static_cast<rlim_t>(old.size() + 10));
        try {
            SaveRegister(many, path, Dates);
        } catch (const VeskorError& e) {
            raised = true;
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        }
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(dir.read("autos.ini"), old);
    EXPECT_THROW(SaveRegister(many, dir.file("no/such/dir/autos.ini"), Dates), VeskorError);
}

TEST(Register, LineBreaksInTextsCannotStartKeysOfTheirOwn)
{
    TempDir dir;
    VehicleRegister r;
    r.append(vehicle("Name\n[9]\nName=Injected", "a\r\nb", 1990, 0));
    SaveRegister(r, dir.file("autos.ini"), Dates);
    const VehicleRegister back = loaded(dir.file("autos.ini"));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back.at(0).Record.Name, "Name [9] Name=Injected");
    EXPECT_EQ(back.at(0).Record.Comment, "a  b");
}

TEST(Register, AnUnclosedSectionLineAddsNoVehicleOnLoadOrSave)
{
    TempDir dir;
    dir.write("autos.ini", "[Sierra\nName=Lost\nOwner=me\n[1]\nName=Escort\n");
    const VehicleRegister first = loaded(dir.file("autos.ini"));
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first.at(0).Record.Name, "Escort");
    SaveRegister(first, dir.file("autos.ini"), Dates);
    EXPECT_EQ(loaded(dir.file("autos.ini")).size(), 1);
}

TEST(Register, AnEmptiedRegisterWithTextAboveItsSectionsStaysReadable)
{
    TempDir dir;
    dir.write("autos.ini", "Owner=me\n; note\n[0]\nName=A\n");
    VehicleRegister r = loaded(dir.file("autos.ini"));
    ASSERT_EQ(r.size(), 1);
    r.removeAt(0);
    SaveRegister(r, dir.file("autos.ini"), Dates);
    EXPECT_EQ(loaded(dir.file("autos.ini")).size(), 0);
    EXPECT_TRUE(dir.read("autos.ini").contains("Owner=me"));
}

TEST(Register, KeptLinesThatLookLikeAnEncodingMarkStayAsTheyWere)
{
    // The first line of the file is empty; the kept line below it begins with the bytes of
    // a UTF-16 or UTF-8 mark. Saved first in the file, they would be read as the mark: the
    // UTF-16 file refused, the UTF-8 one read in another encoding, without those bytes.
    for (const char* mark : { "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF" }) {
        SCOPED_TRACE(QByteArray(mark).toHex().toStdString());
        TempDir dir;
        dir.write("autos.ini", QByteArray("\n") + mark + " m=1\n[0]\nName=A\n");
        const VehicleRegister r = loaded(dir.file("autos.ini"));
        ASSERT_EQ(r.size(), 1);
        SaveRegister(r, dir.file("autos.ini"), Dates);
        const VehicleRegister again = loaded(dir.file("autos.ini"));
        EXPECT_EQ(again.size(), 1);
        EXPECT_EQ(again.preamble(), r.preamble());
        EXPECT_TRUE(dir.read("autos.ini").contains(QByteArray(mark) + " m=1"));
    }
}

// Run by the test below in a child process whose system locale its environment sets:
// saves or loads autos.ini with the system's formats, as the program does.
TEST(RegisterUnderSystemLocale, SaveOrLoad)
{
    const QString path = qEnvironmentVariable("VESKOR_REGISTER_FILE");
    if (path.isEmpty())
        GTEST_SKIP() << "run by SystemLocaleChangeKeepsTheDates";
    const double lastRead = DateTimeText::fromDateTime(QDate(2023, 3, 15), QTime(12, 0, 5));
    if (qEnvironmentVariable("VESKOR_REGISTER_STEP") == "save") {
        VehicleRegister r;
        TAuto a;
        a.Name = "Sierra";
        a.LastRead = lastRead;
        r.append(VehicleEntry::fromRecord(a, DateTimeText()));
        SaveRegister(r, path);
    } else {
        VehicleRegister r;
        ASSERT_TRUE(LoadRegister(r, path));
        ASSERT_EQ(r.size(), 1);
        EXPECT_DOUBLE_EQ(r.at(0).Record.LastRead, lastRead);
    }
}

TEST(Register, SystemLocaleChangeKeepsTheDates)
{
    const auto run = [](const QString& path, const char* step, const char* locale) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VESKOR_REGISTER_FILE", path);
        env.insert("VESKOR_REGISTER_STEP", step);
        env.insert("LC_ALL", locale);
        env.insert("LANG", locale);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
            { "--gtest_filter=RegisterUnderSystemLocale.SaveOrLoad" });
        EXPECT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitCode(), 0) << step << " under " << locale << ":\n"
                                       << child.readAllStandardOutput().toStdString();
    };
    const char* const pairs[][2]
        = { { "ru_RU.UTF-8", "C" }, { "C", "ru_RU.UTF-8" }, { "en_US.UTF-8", "de_DE.UTF-8" } };
    for (const auto& pair : pairs) {
        TempDir dir;
        run(dir.file("autos.ini"), "save", pair[0]);
        run(dir.file("autos.ini"), "load", pair[1]);
    }
    TempDir dir;
    run(dir.file("autos.ini"), "save", "ru_RU.UTF-8");
    EXPECT_TRUE(dir.read("autos.ini").contains("LastRead=15.03.2023 12:00:05\n"));
}
