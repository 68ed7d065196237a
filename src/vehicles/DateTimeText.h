// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Date and time of the register as text in the system's formats (short date, then the
// long time, the time left out at exactly midnight), and as days since 30 December 1899.
// Reading also accepts the forms other systems write, so that a register saved under one
// locale keeps its dates when it is loaded under another.
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
    // Reads text written by format(), also with a two-digit year, a short time or without
    // the time; then the same from the fixed forms: those of the C, Russian, American,
    // British and German locales and ISO 8601.
    std::optional<double> parse(const QString& text) const;

    QString dateFormat() const { return m_forms.date; }
    QString timeFormat() const { return m_forms.longTime; }

    static double fromDateTime(QDate date, QTime time);
    // The date and the time of day of a value; values that are no date count as day 0.
    // (Kept apart rather than as a QDateTime, whose local time may skip a DST gap.)
    static QDate datePart(double dateTime);
    static QTime timePart(double dateTime);
    static double now();

    // The date and time formats of one locale, as written and as also read.
    struct Forms {
        explicit Forms(const QLocale& locale);
        Forms(const QLocale& locale, const QString& date, const QString& time);
        std::optional<double> parse(const QString& text) const;

        QLocale locale;
        QString date;
        QString shortYearDate;
        QString longTime;
        QString shortTime;
    };

private:
    Forms m_forms;
};
