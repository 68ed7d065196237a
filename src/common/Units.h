// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Metric or imperial units: the quantities whose unit the user chooses (temperature, speed,
// pressure), how a value and a unit's text turn from one unit into another, and the one
// choice of the running program, set at start like the PID table.
#pragma once

#include <QString>
#include <optional>

class IniFile;

enum class Quantity { Temperature, Speed, Pressure };
enum class Unit { Celsius, Fahrenheit, KmPerHour, MilesPerHour, KiloPascal, Psi, InchMercury };
enum class UnitSystem { Metric, Imperial };

// What the user chose: a system, and a unit for each quantity that does not follow it.
struct UnitChoice {
    // Every quantity follows the system.
    UnitChoice() = default;
    explicit UnitChoice(UnitSystem system)
        : System(system)
    {
    }

    UnitSystem System = UnitSystem::Metric;
    std::optional<Unit> Temperature;
    std::optional<Unit> Speed;
    std::optional<Unit> Pressure;

    // The unit the values of quantity are shown in.
    Unit unitFor(Quantity quantity) const;
    bool operator==(const UnitChoice&) const = default;
};

// value * Scale + Offset: every conversion between units of one quantity is of this form.
struct UnitConversion {
    double Scale = 1;
    double Offset = 0;

    double operator()(double value) const { return value * Scale + Offset; }
    bool identity() const { return Scale == 1 && Offset == 0; }
};

namespace Units {

Quantity quantityOf(Unit unit);
// The unit a text names: "°C", "degC", "км/ч", "km/h", "mph", "кПа", "psi", "inHg" and the
// like, spaces and case aside; nothing for any other text (rpm, V, an empty one).
std::optional<Unit> parse(const QString& text);
UnitConversion conversion(Unit from, Unit to);
// The conversion of values of a text's unit into the chosen one: identity for a text that
// names none of the units.
UnitConversion conversionOf(const QString& unitText, const UnitChoice& choice);
// The text of the chosen unit in the writing of unitText: Russian, the sign, or ASCII
// ("км/ч" gives "миль/ч", "degC" "degF"); any other text as it stands.
QString convertText(const QString& unitText, const UnitChoice& choice);
// A caption or format with the unit signs of quantity (of every quantity when none)
// replaced by those of the chosen units: "ОЖ, °C" gives "ОЖ, °F".
QString convertCaption(
    const QString& text, const UnitChoice& choice, std::optional<Quantity> quantity = {});

// The choice every part of the program reads: metric until another is set at start,
// before any reader runs. Each change gives a new generation, so that caches know.
const UnitChoice& current();
void setCurrent(const UnitChoice& choice);
unsigned generation();

// [Units] System=metric|imperial, Temperature=C|F, Speed=km/h|mph, Pressure=kPa|psi|inHg;
// an empty or unknown value follows the system (an unknown System is metric).
UnitChoice read(const IniFile& ini);
void write(IniFile& ini, const UnitChoice& choice);
// The unit as the window writes it: "°F", "км/ч" ("km/h" in English).
QString text(Unit unit);
// "metric" or "imperial", case aside; nothing for any other text.
std::optional<UnitSystem> systemFromCode(const QString& code);
// The key's text of a unit ("C", "km/h") and back.
QString code(Unit unit);
std::optional<Unit> fromCode(const QString& code);

} // namespace Units
