#include "DateTimeText.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <utility>

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

DateTimeText::DateTimeText(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(withLongYear(locale.dateFormat(QLocale::ShortFormat)))
    , m_shortYearDateFormat(withShortYear(m_dateFormat))
    , m_timeFormat(withoutZone(locale.timeFormat(QLocale::LongFormat)))
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
    QString text = m_locale.toString(datePart(dateTime), m_dateFormat);
    const QTime time = timePart(dateTime);
    if (time.msecsSinceStartOfDay() != 0)
        text += u' ' + m_locale.toString(time, m_timeFormat);
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

std::optional<double> DateTimeText::parse(const QString& input) const
{
    const QString text = input.simplified();
    if (text.isEmpty())
        return std::nullopt;
    for (const QString& dateFormat : { m_dateFormat, m_shortYearDateFormat }) {
        const bool shortYear = dateFormat != m_dateFormat;
        QDate date;
        QTime time(0, 0);
        const QDateTime dt = m_locale.toDateTime(text, dateFormat + u' ' + m_timeFormat);
        if (dt.isValid()) {
            date = dt.date();
            time = dt.time();
        } else {
            date = m_locale.toDate(text, dateFormat);
        }
        if (date.isValid())
            return fromDateTime(shortYear ? inCenturyWindow(date) : date, time);
    }
    return std::nullopt;
}
