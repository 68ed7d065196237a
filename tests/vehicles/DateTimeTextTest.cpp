// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "vehicles/DateTimeText.h"

#include <gtest/gtest.h>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale American(QLocale::English, QLocale::UnitedStates);

double at(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return DateTimeText::fromDateTime(QDate(y, m, d), QTime(h, min, s));
}

} // namespace

TEST(DateTimeText, DaysCountFrom30December1899)
{
    EXPECT_EQ(at(1899, 12, 30), 0.0);
    EXPECT_EQ(at(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(at(1900, 1, 1, 18), 2.75);
    // Before the epoch the time of day still counts forward: -1.25 is 29 December, 06:00.
    EXPECT_DOUBLE_EQ(at(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(DateTimeText::datePart(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(DateTimeText::timePart(-1.25), QTime(6, 0));
    // Rounding to the millisecond may reach the next midnight.
    EXPECT_EQ(DateTimeText::datePart(2.9999999999), QDate(1900, 1, 2));
    EXPECT_EQ(DateTimeText::timePart(2.9999999999), QTime(0, 0));
    // Values that are no date count as day 0.
    EXPECT_EQ(DateTimeText::datePart(1e300), QDate(1899, 12, 30));
    EXPECT_EQ(DateTimeText::datePart(std::nan("")), QDate(1899, 12, 30));
}

TEST(DateTimeText, ShortDateAndLongTimeWithoutTheTimeAtMidnight)
{
    const DateTimeText russian(Russian);
    EXPECT_EQ(russian.format(0), "30.12.1899");
    EXPECT_EQ(russian.format(at(2024, 3, 5, 14, 7, 9)), "05.03.2024 14:07:09");
    EXPECT_EQ(russian.format(at(2024, 3, 5)), "05.03.2024");
}

TEST(DateTimeText, TheYearKeepsItsCenturyAndNoTimeZoneIsWritten)
{
    const DateTimeText american(American);
    EXPECT_EQ(american.dateFormat(), "M/d/yyyy");
    EXPECT_FALSE(american.timeFormat().contains(u't'));
    EXPECT_EQ(american.format(at(2024, 3, 5, 14, 7, 9)), "3/5/2024 2:07:09 PM");
    EXPECT_EQ(american.format(at(1899, 12, 30)), "12/30/1899");
}

TEST(DateTimeText, WrittenTextReadsBack)
{
    for (const QLocale& locale : { Russian, American, QLocale::c(), QLocale(QLocale::German) }) {
        const DateTimeText dates(locale);
        for (double value :
            { 0.0, at(1995, 7, 1), at(2024, 12, 31, 23, 59, 59), at(2001, 1, 2, 0, 0, 1) }) {
            const auto back = dates.parse(dates.format(value));
            ASSERT_TRUE(back.has_value()) << dates.format(value).toStdString();
            EXPECT_DOUBLE_EQ(*back, value) << dates.format(value).toStdString();
        }
    }
}

TEST(DateTimeText, OtherTextReadsAsTheSystemWouldOrNotAtAll)
{
    const DateTimeText russian(Russian);
    EXPECT_EQ(russian.parse("05.03.24 14:07:09"), at(2024, 3, 5, 14, 7, 9));
    EXPECT_EQ(russian.parse("05.03.95"), at(1995, 3, 5));
    EXPECT_EQ(russian.parse("  05.03.2024   14:07:09 "), at(2024, 3, 5, 14, 7, 9));
    EXPECT_FALSE(russian.parse("").has_value());
    EXPECT_FALSE(russian.parse("---").has_value());
    EXPECT_FALSE(russian.parse("31.02.2024").has_value());
    EXPECT_FALSE(russian.parse("05.03.2024 25:00:00").has_value());
}
