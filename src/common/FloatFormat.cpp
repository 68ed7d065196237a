// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The one-number Delphi-style formatter.
#include "common/FloatFormat.h"

#include "common/Texts.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int MaxDigits = 18; // significant digits of an extended-precision number
constexpr int MaxWidth = 1000; // wider fields are refused rather than allocated

// value = 0.d1 d2 d3 … × 10^exponent; no digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void stripTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.exponent = 0;
        d.negative = false; // a number that rounds to zero shows no sign
    }
}

Decimal toDecimal(long double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", MaxDigits - 1, std::fabs(value));
    // buffer: "d.ddddddddddddddddde±XX"
    d.digits.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p != 'e')
        d.digits.push_back(*p++);
    d.exponent = std::atoi(p + 1) + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps `count` leading digits, rounding half up on the next one.
void roundTo(Decimal& d, int count)
{
    if (count >= int(d.digits.size()))
        return;
    if (count < 0) {
        d.digits.clear();
        stripTrailingZeros(d);
        return;
    }
    const bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    stripTrailingZeros(d);
}

char digitAt(const Decimal& d, int index)
{
    return index >= 0 && index < int(d.digits.size()) ? d.digits[index] : '0';
}

QString groupThousands(const QString& integerPart)
{
    const QString separator = QLocale::system().groupSeparator();
    QString out;
    const int n = integerPart.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += integerPart[i];
    }
    return out;
}

// Fixed notation without sign: integer part, then `decimals` digits after the point.
QString fixedDigits(Decimal d, int decimals, bool grouped)
{
    roundTo(d, d.exponent + decimals);
    QString integerPart;
    if (d.exponent <= 0)
        integerPart = QStringLiteral("0");
    for (int i = 0; i < d.exponent; ++i)
        integerPart += QLatin1Char(digitAt(d, i));
    QString out = grouped ? groupThousands(integerPart) : integerPart;
    if (decimals > 0) {
        out += QLatin1Char('.');
        for (int i = 0; i < decimals; ++i)
            out += QLatin1Char(digitAt(d, d.exponent + i));
    }
    return out;
}

QString exponentText(int exponent, bool alwaysSign, int minDigits)
{
    QString out
        = exponent < 0 ? QStringLiteral("-") : (alwaysSign ? QStringLiteral("+") : QString());
    out += QString::number(std::abs(exponent)).rightJustified(minDigits, QLatin1Char('0'));
    return out;
}

QString scientific(Decimal d, int precision)
{
    roundTo(d, precision);
    QString out(QLatin1Char(digitAt(d, 0)));
    if (precision > 1) {
        out += QLatin1Char('.');
        for (int i = 1; i < precision; ++i)
            out += QLatin1Char(digitAt(d, i));
    }
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return out + QLatin1Char('E') + exponentText(exponent, true, 3);
}

QString general(Decimal d, int precision)
{
    roundTo(d, precision);
    if (d.digits.empty())
        return QStringLiteral("0");
    const int n = int(d.digits.size());
    if (d.exponent <= precision && d.exponent >= -4) {
        QString out;
        if (d.exponent <= 0) {
            out = QStringLiteral("0.") + QString(-d.exponent, QLatin1Char('0'));
            out += QString::fromLatin1(d.digits.data(), n);
            return out;
        }
        for (int i = 0; i < d.exponent; ++i)
            out += QLatin1Char(digitAt(d, i));
        if (n > d.exponent)
            out += QLatin1Char('.')
                + QString::fromLatin1(d.digits.data() + d.exponent, n - d.exponent);
        return out;
    }
    QString out(QLatin1Char(d.digits[0]));
    if (n > 1)
        out += QLatin1Char('.') + QString::fromLatin1(d.digits.data() + 1, n - 1);
    return out + QLatin1Char('E') + exponentText(d.exponent - 1, false, 1);
}

// Money: the number with grouping, placed where the locale puts its currency symbol.
QString currency(const QString& number, bool negative)
{
    const QString sample
        = QLocale::system().toCurrencyString(1.0, QLocale::system().currencySymbol(), 0);
    const qsizetype one = sample.indexOf(QLatin1Char('1'));
    const QString prefix = one >= 0 ? sample.left(one) : QString();
    const QString suffix = one >= 0 ? sample.mid(one + 1) : QString();
    return (negative ? QStringLiteral("-") : QString()) + prefix + number + suffix;
}

struct Spec {
    bool leftJustify = false;
    int width = -1;
    int precision = -1;
    QChar type;
};

QString convert(const Spec& spec, long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Decimal d = toDecimal(value);
    const char type = char(spec.type.toLower().toLatin1());
    const auto sign
        = [](const Decimal& rounded) { return rounded.negative ? QStringLiteral("-") : QString(); };
    const auto roundedFixed = [&](int decimals) {
        Decimal r = d;
        roundTo(r, r.exponent + decimals);
        return r;
    };
    switch (type) {
    case 'e': {
        const int precision = spec.precision < 0 ? 15 : qBound(1, spec.precision, MaxDigits);
        Decimal r = d;
        roundTo(r, precision);
        return sign(r) + scientific(d, precision);
    }
    case 'g': {
        const int precision = spec.precision <= 0 ? 15 : qMin(spec.precision, MaxDigits);
        Decimal r = d;
        roundTo(r, precision);
        return sign(r) + general(d, precision);
    }
    default:
        break;
    }
    // f, n, m: numbers too large for fixed notation fall back to the general form.
    if (d.exponent > MaxDigits)
        return sign(d) + general(d, MaxDigits);
    const int decimals = qMin(spec.precision < 0 ? 2 : spec.precision, MaxDigits);
    const Decimal r = roundedFixed(decimals);
    if (type == 'f')
        return sign(r) + fixedDigits(d, decimals, false);
    if (type == 'n')
        return sign(r) + fixedDigits(d, decimals, true);
    return currency(fixedDigits(d, decimals, true), r.negative);
}

[[noreturn]] void fail(const QString& format, const QString& reason)
{
    throw FormatError(Texts::text(Texts::FormatCannotApply).arg(format, reason));
}

// Reads a run of decimal digits, saturating far above any width that is accepted.
int readNumber(const QString& format, qsizetype& i)
{
    int n = 0;
    while (i < format.size() && format[i].isDigit() && format[i].unicode() < 128) {
        n = qMin(n * 10 + (format[i].unicode() - '0'), 1000000);
        ++i;
    }
    return n;
}

} // namespace

QString formatFloat(const QString& format, long double value)
{
    QString out;
    int nextArgument = 0;
    qsizetype i = 0;
    const qsizetype n = format.size();
    while (i < n) {
        const QChar c = format[i++];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i >= n)
            fail(format, Texts::text(Texts::FormatNoConversion));
        if (format[i] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        Spec spec;
        int argument = nextArgument;
        const auto star = [&] {
            if (i < n && format[i] == QLatin1Char('*'))
                fail(format, Texts::text(Texts::FormatStarWidth));
        };
        star();
        if (i < n && format[i].isDigit()) {
            const qsizetype start = i;
            const int number = readNumber(format, i);
            if (i < n && format[i] == QLatin1Char(':'))
                argument = number, ++i;
            else
                i = start;
        }
        if (i < n && format[i] == QLatin1Char('-'))
            spec.leftJustify = true, ++i;
        star();
        if (i < n && format[i].isDigit())
            spec.width = readNumber(format, i);
        if (i < n && format[i] == QLatin1Char('.')) {
            ++i;
            star();
            spec.precision = readNumber(format, i);
        }
        if (i >= n)
            fail(format, Texts::text(Texts::FormatNoConversion));
        spec.type = format[i++];
        if (!QStringLiteral("fegnmFEGNM").contains(spec.type))
            fail(format, Texts::text(Texts::FormatBadType).arg(spec.type));
        if (argument != 0)
            fail(format, Texts::text(Texts::FormatNoArgument).arg(argument + 1));
        if (spec.width > MaxWidth)
            fail(format, Texts::text(Texts::FormatTooWide).arg(MaxWidth));
        nextArgument = argument + 1;
        const QString text = convert(spec, value);
        if (spec.width > text.size()) {
            const QString pad(spec.width - text.size(), QLatin1Char(' '));
            out += spec.leftJustify ? text + pad : pad + text;
        } else {
            out += text;
        }
    }
    return out;
}
