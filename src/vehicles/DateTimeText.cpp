// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "DateTimeText.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const QDate Epoch(1899, 12, 30);
constexpr qint64 MsPerDay = 86400000;
// Beyond this many days from the epoch a value is no date the register can have.
constexpr double MaxDays = 2958465; // 31 December 9999

// The year always gets four digits, so that writing and reading keep the century.
QString withLongYear(QString format)
{
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(shortYear, QStringLiteral("yyyy"));
}

QString withShortYear(QString format)
{
    static const QRegularExpression longYear(QStringLiteral("yyyy"));
    return format.replace(longYear, QStringLiteral("yy"));
}

// A time zone can't be read back and the register keeps local time: drop it.
QString withoutZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return format.replace(zone, QStringLiteral(" ")).trimmed();
}

} // namespace

DateTimeText::Forms::Forms(const QLocale& locale)
    : Forms(locale, locale.dateFormat(QLocale::ShortFormat), locale.timeFormat(QLocale::LongFormat))
{
    shortTime = withoutZone(locale.timeFormat(QLocale::ShortFormat));
}

DateTimeText::Forms::Forms(const QLocale& locale, const QString& date, const QString& time)
    : locale(locale)
    , date(withLongYear(date))
    , shortYearDate(withShortYear(this->date))
    , longTime(withoutZone(time))
    , shortTime(this->longTime)
{
}

DateTimeText::DateTimeText(const QLocale& locale)
    : m_forms(locale)
{
}

double DateTimeText::fromDateTime(QDate date, QTime time)
{
    const double days = static_cast<double>(Epoch.daysTo(date));
    const double fraction = time.msecsSinceStartOfDay() / double(MsPerDay);
    // Before the epoch the fraction still counts forward into the day.
    return days < 0 ? days - fraction : days + fraction;
}

namespace {

// Whole days and milliseconds of the day, rounding that reaches midnight carried over.
std::pair<qint64, int> splitDays(double dateTime)
{
    if (!std::isfinite(dateTime) || std::fabs(dateTime) > MaxDays)
        dateTime = 0;
    double whole = std::trunc(dateTime);
    qint64 ms = std::llround(std::fabs(dateTime - whole) * MsPerDay);
    if (ms >= MsPerDay) {
        ms -= MsPerDay;
        whole += dateTime < 0 ? -1 : 1;
    }
    return { static_cast<qint64>(whole), static_cast<int>(ms) };
}

} // namespace

QDate DateTimeText::datePart(double dateTime)
{
    return Epoch.addDays(splitDays(dateTime).first);
}

QTime DateTimeText::timePart(double dateTime)
{
    return QTime::fromMSecsSinceStartOfDay(splitDays(dateTime).second);
}

double DateTimeText::now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return fromDateTime(now.date(), now.time());
}

QString DateTimeText::format(double dateTime) const
{
    QString text = m_forms.locale.toString(datePart(dateTime), m_forms.date);
    const QTime time = timePart(dateTime);
    if (time.msecsSinceStartOfDay() != 0)
        text += u' ' + m_forms.locale.toString(time, m_forms.longTime);
    return text;
}

namespace {

// A two-digit year lies within 50 years before the present and 49 after.
QDate inCenturyWindow(QDate date)
{
    const int earliest = QDate::currentDate().year() - 50;
    while (date.year() < earliest)
        date = date.addYears(100);
    return date;
}

} // namespace

namespace {

// Forms that registers written on other systems use, tried after the system's own.
const std::vector<DateTimeText::Forms>& fixedForms()
{
    static const std::vector<DateTimeText::Forms> forms = [] {
        std::vector<DateTimeText::Forms> list;
        for (const QLocale& locale : { QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia),
                 QLocale(QLocale::English, QLocale::UnitedStates),
                 QLocale(QLocale::English, QLocale::UnitedKingdom),
                 QLocale(QLocale::German, QLocale::Germany) })
            list.emplace_back(locale);
        list.emplace_back(QLocale::c(), QStringLiteral("yyyy-MM-dd"), QStringLiteral("HH:mm:ss"));
        return list;
    }();
    return forms;
}

// Text in the form "date time", read as date and time apart at each blank in turn (a
// field's text may hold blanks too). Read as a whole it would become a local time, and
// each of those asks the system for its time zone: that made loading a large register
// slow. The parts come out the same, also for a time that local time skips.
std::pair<QDate, QTime> dateAndTime(const QLocale& locale, const QString& text,
    const QString& dateFormat, std::initializer_list<QString> timeFormats)
{
    std::vector<std::pair<QDate, qsizetype>> days; // the dates before a blank, once each
    for (qsizetype blank = text.indexOf(u' '); blank >= 0; blank = text.indexOf(u' ', blank + 1)) {
        const QDate day = locale.toDate(text.left(blank), dateFormat);
        if (day.isValid())
            days.emplace_back(day, blank);
    }
    for (const QString& timeFormat : timeFormats) {
        for (const auto& [day, blank] : days) {
            const QTime time = locale.toTime(text.mid(blank + 1), timeFormat);
            if (time.isValid())
                return { day, time };
        }
    }
    return {};
}

} // namespace

std::optional<double> DateTimeText::Forms::parse(const QString& text) const
{
    for (const QString& dateFormat : { date, shortYearDate }) {
        const bool shortYear = dateFormat != date;
        QDate day = locale.toDate(text, dateFormat);
        QTime time(0, 0);
        if (!day.isValid())
            std::tie(day, time) = dateAndTime(locale, text, dateFormat, { longTime, shortTime });
        if (day.isValid())
            return fromDateTime(shortYear ? inCenturyWindow(day) : day, time);
    }
    return std::nullopt;
}

std::optional<double> DateTimeText::parse(const QString& input) const
{
    // "T" joins date and time in ISO 8601; no other form uses it between digits.
    static const QRegularExpression isoJoin(QStringLiteral("(?<=\\d)T(?=\\d)"));
    const QString text = input.simplified().replace(isoJoin, QStringLiteral(" "));
    if (text.isEmpty())
        return std::nullopt;
    if (const auto value = m_forms.parse(text))
        return value;
    for (const Forms& forms : fixedForms()) {
        if (const auto value = forms.parse(text))
            return value;
    }
    return std::nullopt;
}
