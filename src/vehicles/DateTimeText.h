// Date and time of the register as text in the system's formats (short date, then the
// long time, the time left out at exactly midnight), and as days since 30 December 1899.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

class DateTimeText {
public:
    // The formats of a locale; the register uses the system's.
    explicit DateTimeText(const QLocale& locale = QLocale::system());

    QString format(double dateTime) const;
    // Reads text written by format(), also with a two-digit year or without the time.
    std::optional<double> parse(const QString& text) const;

    QString dateFormat() const { return m_dateFormat; }
    QString timeFormat() const { return m_timeFormat; }

    static double fromDateTime(QDate date, QTime time);
    // The date and the time of day of a value; values that are no date count as day 0.
    // (Kept apart rather than as a QDateTime, whose local time may skip a DST gap.)
    static QDate datePart(double dateTime);
    static QTime timePart(double dateTime);
    static double now();

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_shortYearDateFormat;
    QString m_timeFormat;
};
