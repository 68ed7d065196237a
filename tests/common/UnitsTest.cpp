// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Metric and imperial units: values, unit texts and captions converted, the choice read
// from and written to reader.ini.
#include "common/Units.h"

#include "common/IniFile.h"

#include <gtest/gtest.h>

namespace {

const UnitChoice Metric {};
const UnitChoice Imperial { UnitSystem::Imperial };

} // namespace

TEST(Units, ValuesConvertBetweenUnitsOfOneQuantity)
{
    const struct {
        Unit from;
        Unit to;
        double value;
        double expected;
    } cases[] = {
        { Unit::Celsius, Unit::Fahrenheit, 100, 212 },
        { Unit::Celsius, Unit::Fahrenheit, -40, -40 },
        { Unit::Celsius, Unit::Fahrenheit, 0, 32 },
        { Unit::Fahrenheit, Unit::Celsius, 212, 100 },
        { Unit::KmPerHour, Unit::MilesPerHour, 160.9344, 100 },
        { Unit::MilesPerHour, Unit::KmPerHour, 60, 96.56064 },
        { Unit::KiloPascal, Unit::Psi, 100, 14.503774 },
        { Unit::KiloPascal, Unit::InchMercury, 101.325, 29.921255 },
        { Unit::InchMercury, Unit::Psi, 29.921255, 14.695949 },
        { Unit::Psi, Unit::Psi, 30, 30 },
        // Units of two quantities do not convert.
        { Unit::Celsius, Unit::MilesPerHour, 30, 30 },
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Units::conversion(c.from, c.to)(c.value), c.expected, 1e-5)
            << Units::code(c.from).toStdString() << " -> " << Units::code(c.to).toStdString();
}

TEST(Units, UnitTextsAreRecognisedAndWrittenInTheChosenUnitAsTheyWereWritten)
{
    UnitChoice inHg = Imperial;
    inHg.Pressure = Unit::InchMercury;
    UnitChoice celsiusImperial = Imperial;
    celsiusImperial.Temperature = Unit::Celsius;
    const struct {
        const char* text;
        UnitChoice choice;
        std::optional<Unit> unit;
        const char* converted;
    } cases[] = {
        { "°C", Imperial, Unit::Celsius, "°F" },
        { "degC", Imperial, Unit::Celsius, "degF" },
        { " deg C ", Imperial, Unit::Celsius, "degF" },
        { "°С", Imperial, Unit::Celsius, "°F" }, // Cyrillic С
        { "°C", celsiusImperial, Unit::Celsius, "°C" },
        { "км/ч", Imperial, Unit::KmPerHour, "миль/ч" },
        { "KM/H", Imperial, Unit::KmPerHour, "mph" },
        { "миль/ч", Metric, Unit::MilesPerHour, "км/ч" },
        { "mph", Metric, Unit::MilesPerHour, "km/h" },
        { "mph", Imperial, Unit::MilesPerHour, "mph" },
        { "кПа", Imperial, Unit::KiloPascal, "psi" },
        { "kPa", inHg, Unit::KiloPascal, "inHg" },
        { "дюйм рт.ст.", Metric, Unit::InchMercury, "кПа" },
        { "°C", Metric, Unit::Celsius, "°C" },
        { "rpm", Imperial, std::nullopt, "rpm" },
        { "В", Imperial, std::nullopt, "В" },
        { "°", Imperial, std::nullopt, "°" },
        { "", Imperial, std::nullopt, "" },
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(Units::parse(text), c.unit) << c.text;
        EXPECT_EQ(Units::convertText(text, c.choice), QString::fromUtf8(c.converted)) << c.text;
    }
}

TEST(Units, CaptionsTakeTheChosenUnitsSignsAndKeepTheRest)
{
    const struct {
        const char* text;
        UnitChoice choice;
        std::optional<Quantity> quantity;
        const char* converted;
    } cases[] = {
        { "ОЖ, °C", Imperial, Quantity::Temperature, "ОЖ, °F" },
        { "%.0f°C", Imperial, Quantity::Temperature, "%.0f°F" },
        { "%.0f км/ч", Imperial, Quantity::Speed, "%.0f миль/ч" },
        { "км/ч", Imperial, Quantity::Speed, "миль/ч" },
        // A caption bound to one quantity leaves the others alone; one bound to none not.
        { "Скорость, км/ч; ОЖ, °C", Imperial, Quantity::Speed, "Скорость, миль/ч; ОЖ, °C" },
        { "Скорость, км/ч; ОЖ, °C", Imperial, std::nullopt, "Скорость, миль/ч; ОЖ, °F" },
        { "12 psi, 3 psi", Metric, std::nullopt, "12 кПа, 3 кПа" },
        // Inside a word it is no unit.
        { "psia, kmph", Metric, std::nullopt, "psia, kmph" },
        { "Опережение, °", Imperial, std::nullopt, "Опережение, °" },
        { "ОЖ, °C", Metric, std::nullopt, "ОЖ, °C" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Units::convertCaption(QString::fromUtf8(c.text), c.choice, c.quantity),
            QString::fromUtf8(c.converted))
            << c.text;
}

TEST(Units, ChoiceRoundTripsThroughReaderIniAndBadValuesFollowTheSystem)
{
    UnitChoice mixed = Imperial;
    mixed.Temperature = Unit::Celsius;
    mixed.Pressure = Unit::InchMercury;
    UnitChoice speedOnly;
    speedOnly.Speed = Unit::MilesPerHour;
    for (const UnitChoice& choice : { Metric, Imperial, mixed, speedOnly }) {
        IniFile ini;
        Units::write(ini, choice);
        IniFile again;
        again.loadData(ini.data());
        EXPECT_EQ(Units::read(again), choice);
    }
    const struct {
        const char* text;
        UnitChoice expected;
    } files[] = {
        { "", Metric },
        { "[Units]\nSystem=Imperial\n", Imperial },
        { "[Units]\nSystem=furlongs\nSpeed=mph\n", speedOnly },
        // A unit of another quantity, or none at all, follows the system.
        { "[Units]\nSystem=imperial\nTemperature=km/h\nPressure=bar\n", Imperial },
        { "[Units]\nSystem=imperial\nTemperature=c\nPressure=INHG\n", mixed },
    };
    for (const auto& f : files) {
        IniFile ini;
        ini.loadData(f.text);
        EXPECT_EQ(Units::read(ini), f.expected) << f.text;
    }
}
