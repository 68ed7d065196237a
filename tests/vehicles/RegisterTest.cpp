#include "common/Errors.h"
#include "common/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "vehicles/RegisterFile.h"

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
        "[first]\nYear=$7C5\nLastRead=not a date\nComment=" + longComment
            + "\n[Second]\nYear=19x5\nCarProfile=abc\n");
    const double before = DateTimeText::now();
    const VehicleRegister r = loaded(dir.file("autos.ini"));
    const double after = DateTimeText::now();

    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0).Record.Year, 1989);
    EXPECT_EQ(r.at(0).SubItems[VehicleEntry::Year], "1989");
    EXPECT_GE(r.at(0).Record.LastRead, before - 1e-6);
    EXPECT_LE(r.at(0).Record.LastRead, after + 1e-6);
    // 2047 bytes hold 1023 two-byte letters; the broken half of the next is dropped.
    EXPECT_EQ(r.at(0).Record.Comment, u8("Ж").repeated(1023));
    EXPECT_TRUE(r.at(0).Record.Name.isEmpty());
    EXPECT_EQ(r.at(1).Record.Year, 0);
    EXPECT_EQ(r.at(1).Record.CarProfile, 0);
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
