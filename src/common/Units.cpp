// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/Units.h"

#include "common/IniFile.h"
#include "common/Texts.h"

#include <array>
#include <atomic>

namespace {

// How a unit's text is written: Russian, with the sign (°C, km/h) or in ASCII (degC); a
// converted text keeps the writing of the one it replaces.
enum Writing { Russian, Sign, Ascii, WritingCount };

struct UnitInfo {
    Unit unit;
    Quantity quantity;
    // value * toBase + baseOffset is the value in the metric unit of the quantity.
    double toBase;
    double baseOffset;
    const char* code;
    // Russian texts are in the string table and shown translated.
    std::array<const char*, WritingCount> writings;
};

constexpr UnitInfo Infos[] = {
    { Unit::Celsius, Quantity::Temperature, 1, 0, "C", { "°C", "°C", "degC" } },
    { Unit::Fahrenheit, Quantity::Temperature, 5.0 / 9, -160.0 / 9, "F", { "°F", "°F", "degF" } },
    { Unit::KmPerHour, Quantity::Speed, 1, 0, "km/h", { Texts::UnitKmPerHour, "km/h", "km/h" } },
    { Unit::MilesPerHour, Quantity::Speed, 1.609344, 0, "mph",
        { Texts::UnitMilesPerHour, "mph", "mph" } },
    { Unit::KiloPascal, Quantity::Pressure, 1, 0, "kPa", { Texts::UnitKiloPascal, "kPa", "kPa" } },
    { Unit::Psi, Quantity::Pressure, 6.894757293168, 0, "psi", { "psi", "psi", "psi" } },
    { Unit::InchMercury, Quantity::Pressure, 3.386389, 0, "inHg",
        { Texts::UnitInchMercury, "inHg", "inHg" } },
};

// Other ways pids.txt or a profile may write a unit.
struct Alias {
    const char* text;
    Unit unit;
    Writing writing;
};

constexpr Alias Aliases[] = {
    { "°С", Unit::Celsius, Russian }, // with the Cyrillic letter
    { "℃", Unit::Celsius, Sign },
    { "℉", Unit::Fahrenheit, Sign },
    { "км/час", Unit::KmPerHour, Russian },
    { "kph", Unit::KmPerHour, Sign },
    { "миль/час", Unit::MilesPerHour, Russian },
    { "mi/h", Unit::MilesPerHour, Sign },
    { "дюйм рт.ст.", Unit::InchMercury, Russian },
    { "in Hg", Unit::InchMercury, Sign },
};

const UnitInfo& info(Unit unit)
{
    return Infos[size_t(unit)];
}

// Spaces and case do not tell two writings of a unit apart.
QString normalized(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (!c.isSpace())
            out += c.toLower();
    return out;
}

struct Found {
    Unit unit;
    Writing writing;
};

// Every writing of every unit, then the aliases.
template <typename Visit> void forEachWriting(const Visit& visit)
{
    for (const UnitInfo& i : Infos)
        for (int w = 0; w < WritingCount; ++w)
            visit(QString::fromUtf8(i.writings[size_t(w)]), Found { i.unit, Writing(w) });
    for (const Alias& a : Aliases)
        visit(QString::fromUtf8(a.text), Found { a.unit, a.writing });
}

std::optional<Found> find(const QString& text)
{
    const QString key = normalized(text);
    if (key.isEmpty())
        return std::nullopt;
    std::optional<Found> found;
    forEachWriting([&](const QString& writing, Found f) {
        if (!found && normalized(writing) == key)
            found = f;
    });
    return found;
}

QString written(Unit unit, Writing writing)
{
    // The Russian writings come from the string table; translate() gives the others (°F,
    // psi) back as they stand.
    const char* text = info(unit).writings[size_t(writing)];
    return writing == Russian ? Texts::text(text) : QString::fromUtf8(text);
}

bool isLetter(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isLetter();
}

UnitChoice& shared()
{
    static UnitChoice choice;
    return choice;
}

std::atomic<unsigned> g_generation { 0 };

const QString Section = QStringLiteral("Units");

} // namespace

Unit UnitChoice::unitFor(Quantity quantity) const
{
    const std::optional<Unit>& own = quantity == Quantity::Temperature ? Temperature
        : quantity == Quantity::Speed                                  ? Speed
                                                                       : Pressure;
    // A unit of another quantity (a hand-edited file) cannot stand for this one.
    if (own && Units::quantityOf(*own) == quantity)
        return *own;
    const bool metric = System == UnitSystem::Metric;
    switch (quantity) {
    case Quantity::Temperature:
        return metric ? Unit::Celsius : Unit::Fahrenheit;
    case Quantity::Speed:
        return metric ? Unit::KmPerHour : Unit::MilesPerHour;
    case Quantity::Pressure:
        break;
    }
    return metric ? Unit::KiloPascal : Unit::Psi;
}

namespace Units {

Quantity quantityOf(Unit unit)
{
    return info(unit).quantity;
}

std::optional<Unit> parse(const QString& text)
{
    const std::optional<Found> found = find(text);
    return found ? std::optional(found->unit) : std::nullopt;
}

UnitConversion conversion(Unit from, Unit to)
{
    const UnitInfo& f = info(from);
    const UnitInfo& t = info(to);
    if (f.quantity != t.quantity || from == to)
        return {};
    return { f.toBase / t.toBase, (f.baseOffset - t.baseOffset) / t.toBase };
}

UnitConversion conversionOf(const QString& unitText, const UnitChoice& choice)
{
    const std::optional<Unit> unit = parse(unitText);
    return unit ? conversion(*unit, choice.unitFor(quantityOf(*unit))) : UnitConversion {};
}

QString convertText(const QString& unitText, const UnitChoice& choice)
{
    const std::optional<Found> found = find(unitText);
    if (!found)
        return unitText;
    const Unit to = choice.unitFor(quantityOf(found->unit));
    return to == found->unit ? unitText : written(to, found->writing);
}

QString convertCaption(
    const QString& text, const UnitChoice& choice, std::optional<Quantity> quantity)
{
    QString out = text;
    forEachWriting([&](const QString& writing, Found f) {
        const Unit to = choice.unitFor(quantityOf(f.unit));
        if ((quantity && quantityOf(f.unit) != *quantity) || to == f.unit)
            return;
        const QString replacement = written(to, f.writing);
        for (qsizetype at = out.indexOf(writing, 0, Qt::CaseInsensitive); at >= 0;
             at = out.indexOf(writing, at, Qt::CaseInsensitive)) {
            const qsizetype end = at + writing.size();
            // "mph" inside a word, or "psi" in "psia", is not the unit.
            const bool whole = !(writing.front().isLetter() && isLetter(out, at - 1))
                && !(writing.back().isLetter() && isLetter(out, end));
            if (!whole) {
                at = end;
                continue;
            }
            out.replace(at, writing.size(), replacement);
            at += replacement.size();
        }
    });
    return out;
}

const UnitChoice& current()
{
    return shared();
}

void setCurrent(const UnitChoice& choice)
{
    shared() = choice;
    g_generation.fetch_add(1, std::memory_order_release);
}

unsigned generation()
{
    return g_generation.load(std::memory_order_acquire);
}

std::optional<UnitSystem> systemFromCode(const QString& code)
{
    const QString text = code.trimmed();
    if (text.compare(QLatin1String("metric"), Qt::CaseInsensitive) == 0)
        return UnitSystem::Metric;
    if (text.compare(QLatin1String("imperial"), Qt::CaseInsensitive) == 0)
        return UnitSystem::Imperial;
    return std::nullopt;
}

QString text(Unit unit)
{
    return written(unit, Russian);
}

QString code(Unit unit)
{
    return QString::fromLatin1(info(unit).code);
}

std::optional<Unit> fromCode(const QString& text)
{
    for (const UnitInfo& i : Infos)
        if (text.trimmed().compare(QLatin1String(i.code), Qt::CaseInsensitive) == 0)
            return i.unit;
    return parse(text);
}

UnitChoice read(const IniFile& ini)
{
    UnitChoice choice;
    choice.System = systemFromCode(ini.readUtf8(Section, QStringLiteral("System")))
                        .value_or(UnitSystem::Metric);
    const auto own = [&](const char* key, Quantity quantity) -> std::optional<Unit> {
        const std::optional<Unit> unit = fromCode(ini.readUtf8(Section, QLatin1String(key)));
        return unit && quantityOf(*unit) == quantity ? unit : std::nullopt;
    };
    choice.Temperature = own("Temperature", Quantity::Temperature);
    choice.Speed = own("Speed", Quantity::Speed);
    choice.Pressure = own("Pressure", Quantity::Pressure);
    return choice;
}

void write(IniFile& ini, const UnitChoice& choice)
{
    ini.writeUtf8(Section, QStringLiteral("System"),
        QLatin1String(choice.System == UnitSystem::Imperial ? "imperial" : "metric"));
    const auto own = [&](const char* key, const std::optional<Unit>& unit) {
        ini.writeUtf8(Section, QLatin1String(key), unit ? code(*unit) : QString());
    };
    own("Temperature", choice.Temperature);
    own("Speed", choice.Speed);
    own("Pressure", choice.Pressure);
}

} // namespace Units
