// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The table of PID meanings: how pids.txt is read, and that the shipped one names what the
// shipped dashboards show.
#include "store/PidTable.h"

#include "common/Units.h"
#include "store/TFordData.h"
#include "support/InLanguage.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

TEST(PidTable, ReadsLinesAndBitsAndTellsWhatItSkips)
{
    QStringList problems;
    const PidTable table
        = PidTable::parse(QStringLiteral("# comment\n"
                                         "01\tОбороты\tEngine speed\tоб/мин\trpm\tx * 4\n"
                                         "1a.7\tНасос\tFuel pump\t-\t-\n"
                                         "\n"
                                         "1G\tПлохо\tBad\t-\t-\n"
                                         "02\tМало полей\n"
                                         "03\t-\tno name\t-\t-\n"
                                         "1A.16\tБит\tBit\t-\t-\n"),
            &problems);
    ASSERT_NE(table.find(1), nullptr);
    EXPECT_EQ(table.find(1)->UnitEn, "rpm");
    EXPECT_EQ(table.nameWithUnit(1), "Обороты, об/мин");
    EXPECT_EQ(table.label(1), "01h Обороты");
    EXPECT_EQ(table.bitName(0x1A, 7), "Насос");
    EXPECT_EQ(table.bitName(0x1A, 6), "бит 6");
    EXPECT_EQ(table.find(0x1A), nullptr) << "a bit's line says nothing of its word";
    // An unknown PID keeps its number.
    EXPECT_EQ(table.nameWithUnit(0x2C), "2Ch неизвестно");
    EXPECT_EQ(table.unit(0x2C), "");
    EXPECT_EQ(problems,
        QStringList({ "pids.txt, строка 5: номер PID не шестнадцатеричный 00…FF (бит: 0…15)",
            "pids.txt, строка 6: меньше пяти полей через табуляцию",
            "pids.txt, строка 7: нет названия",
            "pids.txt, строка 8: номер PID не шестнадцатеричный 00…FF (бит: 0…15)" }));
    EXPECT_EQ(table.slotText(0x02, 0xA0C8, 1), "Кадр 0, позиция 2: 01h Обороты = 800 об/мин");
    EXPECT_EQ(table.slotText(0x31, 0xA0C8, std::nullopt), "Кадр 3, позиция 1");
}

TEST(PidTable, AUsersFileReplacesTheShippedNamesUnlessUnreadable)
{
    const PidTable shipped = PidTable::current();
    ASSERT_EQ(shipped.name(1), "Обороты двигателя");
    TempDir dir;
    EXPECT_TRUE(PidTable::useFile(dir.file("none.txt")).isEmpty());
    EXPECT_EQ(PidTable::current().name(1), "Обороты двигателя");

    QFile file(dir.file("pids.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("01\tСвои обороты\tMy rpm\t-\t-\n");
    file.close();
    EXPECT_TRUE(PidTable::useFile(file.fileName()).isEmpty());
    EXPECT_EQ(PidTable::current().name(1), "Свои обороты");
    PidTable::setCurrent(shipped);
}

// Every PID the engine and flags dashboards show has a name, and every PID the program
// converts (so its value has a unit) has a name and a unit. The others of the sensors table
// and of table T are not known publicly and keep their numbers.
TEST(PidTable, ShippedTableNamesThePidsOfTheShippedDashboards)
{
    QStringList problems;
    const PidTable table = PidTable::load(QStringLiteral(VESKOR_DATA_DIR "/pids.txt"), &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    const QRegularExpression pidLine(
        QStringLiteral("^(?:Trends\\[\\d+\\]\\.)?PID=(\\d+)"), QRegularExpression::MultilineOption);
    for (const char* name : { "main.ini", "sensors.ini", "flags.ini", "table-t.ini" }) {
        const bool all = QLatin1String(name) == "main.ini" || QLatin1String(name) == "flags.ini";
        QFile file(QStringLiteral(VESKOR_DATA_DIR "/Profiles/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QString text = QString::fromUtf8(file.readAll());
        int count = 0;
        for (auto it = pidLine.globalMatch(text); it.hasNext(); ++count) {
            const auto pid = uint8_t(it.next().captured(1).toUInt());
            const bool converted = TFordData::ConvertValue(pid, 0x0100) != 256.0f;
            if (all || converted) {
                EXPECT_NE(table.find(pid), nullptr) << name << ": PID " << int(pid);
            }
            // No public source gives the units of PID 0Ch's and 0Dh's conversions.
            if (converted && pid != 12 && pid != 13) {
                EXPECT_NE(table.unit(pid), "") << name << ": PID " << int(pid);
            }
        }
        EXPECT_GT(count, 3) << name;
    }
}

TEST(PidTable, NamesAndUnitsFollowTheWindowsLanguage)
{
    const PidTable table
        = PidTable::parse(QString::fromUtf8("01\tОбороты\tEngine speed\tоб/мин\trpm\n"
                                            "10\tТемпература ОЖ\tCoolant temperature\t°C\tdegC\n"
                                            "1A.7\tНасос\tFuel pump\t-\t-\n"
                                            "02\tСвоё название\t-\t-\t-\n"));
    using Text = std::function<QString(const PidTable&)>;
    struct Row {
        const char* what;
        Text text;
        const char* russian;
        const char* english;
    };
    const Row rows[] = {
        { "name", [](const PidTable& t) { return t.name(1); }, "Обороты", "Engine speed" },
        { "unit", [](const PidTable& t) { return t.unit(1); }, "об/мин", "rpm" },
        // A symbol both languages write alike stays a symbol, not the CSV's ASCII.
        { "symbol", [](const PidTable& t) { return t.unit(0x10); }, "°C", "°C" },
        { "label", [](const PidTable& t) { return t.label(1); }, "01h Обороты",
            "01h Engine speed" },
        { "name with unit", [](const PidTable& t) { return t.nameWithUnit(0x10); },
            "Температура ОЖ, °C", "Coolant temperature, °C" },
        { "bit", [](const PidTable& t) { return t.bitName(0x1A, 7); }, "Насос", "Fuel pump" },
        { "value", [](const PidTable& t) { return t.valueText(1, 800); }, "800 об/мин", "800 rpm" },
        { "key", [](const PidTable& t) { return t.nameOf("1A.7"); }, "Насос", "Fuel pump" },
        // A user's line without the English name keeps the name it has.
        { "no English", [](const PidTable& t) { return t.name(2); }, "Своё название",
            "Своё название" },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.text(table), QString::fromUtf8(row.russian)) << row.what;
        const InLanguage english(UiLanguage::English);
        EXPECT_EQ(row.text(table), QString::fromUtf8(row.english)) << row.what;
    }
}

namespace {

// Each case sets the units and the table it needs; the next test finds the defaults again.
class PidUnitsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Units::setCurrent({});
        PidTable::setCurrent(PidTable::load(QStringLiteral(":/veskor/pids.txt")));
    }
};

} // namespace

// A word of a PID whose unit is a temperature, speed or pressure is shown in the chosen
// unit, with that unit's text; every other PID as before. A new table or choice is taken at
// once.
TEST_F(PidUnitsTest, ValuesAndUnitsFollowTheChosenUnits)
{
    const PidTable shipped = PidTable::current();
    const PidTable pressure = PidTable::parse(QStringLiteral("02\tДавление\tMAP\tкПа\tkPa\tx\n"));
    const UnitChoice metric {};
    const UnitChoice imperial { UnitSystem::Imperial };
    UnitChoice inHg = imperial;
    inHg.Pressure = Unit::InchMercury;
    const struct {
        const PidTable* table;
        UnitChoice choice;
        uint8_t pid;
        uint16_t word;
        float value;
        const char* text;
    } cases[] = {
        { &shipped, metric, 0x10, 106, 100, "Температура ОЖ, °C = 100 °C" },
        { &shipped, imperial, 0x10, 106, 212, "Температура ОЖ, °F = 212 °F" },
        { &shipped, imperial, 0x0F, 16, 32, "Т воздуха впуска, °F = 32 °F" },
        { &shipped, imperial, 0x18, 3200, 100, "Скорость, миль/ч = 100 миль/ч" },
        // The filtered speed comes in mph: metric shows it in km/h like the other.
        { &shipped, metric, 0x17, 120, 96.56064f, "Скорость (сглаж.), км/ч = 96.5606 км/ч" },
        { &shipped, imperial, 0x17, 120, 60, "Скорость (сглаж.), миль/ч = 60 миль/ч" },
        { &shipped, imperial, 0x01, 200, 800, "Обороты двигателя, об/мин = 800 об/мин" },
        { &pressure, imperial, 0x02, 100, 14.503774f, "Давление, psi = 14.5038 psi" },
        { &pressure, inHg, 0x02, 100, 29.529983f, "Давление, дюйм рт. ст. = 29.53 дюйм рт. ст." },
        { &pressure, metric, 0x02, 100, 100, "Давление, кПа = 100 кПа" },
    };
    // Each is set only when it changes: the cache must hear of either alone.
    const PidTable* last = nullptr;
    for (const auto& c : cases) {
        if (c.table != last)
            PidTable::setCurrent(*c.table);
        last = c.table;
        if (Units::current() != c.choice)
            Units::setCurrent(c.choice);
        const PidTable& table = PidTable::current();
        const float value = TFordData::ShownValue(c.pid, c.word);
        EXPECT_NEAR(value, c.value, 1e-4) << c.text;
        EXPECT_EQ(table.nameWithUnit(c.pid) + " = " + table.valueText(c.pid, value),
            QString::fromUtf8(c.text));
        EXPECT_TRUE(table.slotText(2, c.word, c.pid).endsWith(table.valueText(c.pid, value)))
            << c.text;
    }
}
