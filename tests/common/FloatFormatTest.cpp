// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "common/FloatFormat.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QString fmt(const char* format, long double value)
{
    return formatFloat(QString::fromUtf8(format), value);
}

} // namespace

TEST(FloatFormat, FixedWidthAndPrecision)
{
    EXPECT_EQ(fmt("%4.0f", 1234.4), "1234");
    EXPECT_EQ(fmt("%4.0f", 7), "   7");
    EXPECT_EQ(fmt("%-4.0f|", 7), "7   |");
    EXPECT_EQ(fmt("%.1f", 2500.0L / 1000.0L), "2.5");
    EXPECT_EQ(fmt("%f", 1), "1.00");
    EXPECT_EQ(fmt("%.0f mV", 12.6), "13 mV");
    EXPECT_EQ(fmt("%1.3f", -0.0004), "0.000");
    EXPECT_EQ(fmt("%.2f", 1e-30), "0.00");
}

TEST(FloatFormat, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(fmt("%.0f", 2.5), "3");
    EXPECT_EQ(fmt("%.0f", -2.5), "-3");
    EXPECT_EQ(fmt("%.0f", 0.5), "1");
    EXPECT_EQ(fmt("%.2f", 0.125), "0.13");
    EXPECT_EQ(fmt("%.1f", 9.96), "10.0");
    EXPECT_EQ(fmt("%.0f", -0.4), "0");
}

TEST(FloatFormat, PointIsTheDecimalSeparatorUnderAnyLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(fmt("%.1f", 2.5), "2.5");
    EXPECT_EQ(fmt("%.3e", 2.5), "2.50E+000");
    QLocale::setDefault(saved);
}

TEST(FloatFormat, ScientificAndGeneral)
{
    EXPECT_EQ(fmt("%e", 1234.5), "1.23450000000000E+003");
    EXPECT_EQ(fmt("%.3e", 1234.5), "1.23E+003");
    EXPECT_EQ(fmt("%.3e", -0.00012345), "-1.23E-004");
    EXPECT_EQ(fmt("%.2e", 0), "0.0E+000");
    EXPECT_EQ(fmt("%g", 1234.5), "1234.5");
    EXPECT_EQ(fmt("%g", 1e20), "1E20");
    EXPECT_EQ(fmt("%g", 0.00001), "0.00001");
    EXPECT_EQ(fmt("%g", 0.000001), "1E-6");
    EXPECT_EQ(fmt("%.3g", 1234.5), "1.23E3");
    EXPECT_EQ(fmt("%g", 0), "0");
    EXPECT_EQ(fmt("%G", -2), "-2");
    // Fixed notation gives way to the general form beyond 18 integer digits.
    EXPECT_EQ(fmt("%.2f", 1e30L), "1E30");
}

TEST(FloatFormat, ThousandsSeparatorsAndMoney)
{
    const QString sep = QLocale::system().groupSeparator();
    EXPECT_EQ(fmt("%n", 1234567.891), "1" + sep + "234" + sep + "567.89");
    EXPECT_EQ(fmt("%.0n", 999), "999");
    EXPECT_EQ(fmt("%.0n", -1000), "-1" + sep + "000");
    EXPECT_TRUE(fmt("%m", 1234.5).contains("1" + sep + "234.50"));
}

TEST(FloatFormat, PercentIndexAndPlainText)
{
    EXPECT_EQ(fmt("100%%", 5), "100%");
    EXPECT_EQ(fmt("no number", 5), "no number");
    EXPECT_EQ(fmt("", 5), "");
    EXPECT_EQ(fmt("%0:.1f / %0:.0f", 2.25), "2.3 / 2");
}

TEST(FloatFormat, NonFiniteValues)
{
    EXPECT_EQ(fmt("%5.1f", std::numeric_limits<long double>::quiet_NaN()), "  NAN");
    EXPECT_EQ(fmt("%f", std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(fmt("%e", -std::numeric_limits<long double>::infinity()), "-INF");
}

TEST(FloatFormat, FormatsThatCannotTakeOneNumberRaise)
{
    for (const char* bad : { "%d", "%s", "%x", "%p", "%u", "%", "abc %", "%.1f %.1f", "%*f", "%.*f",
             "%1:f", "%5000f", "%-", "%z" })
        EXPECT_THROW(fmt(bad, 1.0), FormatError) << bad;
    try {
        fmt("%d", 1.0);
    } catch (const FormatError& e) {
        EXPECT_TRUE(e.message().contains("%d"));
    }
}

TEST(FloatFormat, HugeNumbersInWidthAndPrecisionStayBounded)
{
    EXPECT_THROW(fmt("%99999999999999999999f", 1), FormatError);
    EXPECT_EQ(fmt("%.99999999999999999f", 1).size(), 20); // at most 18 decimals
}
