// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VisitHistory.h"

#include "CurrentVehicle.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/SystemError.h"
#include "common/Texts.h"
#include "vehicles/FaultCodeText.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

namespace {

// "2026-12-10T14:07:33 B 112 023": local time to the second, the exchange, the codes.
constexpr auto TimeFormat = Qt::ISODate;

std::optional<Visit> visitOf(const QByteArray& line)
{
    static const QRegularExpression code(QStringLiteral("^[0-9A-F]{3}$"));
    const QStringList fields = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() < 2 || (fields[1] != QLatin1String("B") && fields[1] != QLatin1String("D")))
        return std::nullopt;
    Visit v;
    v.Time = QDateTime::fromString(fields[0], TimeFormat);
    if (!v.Time.isValid())
        return std::nullopt;
    v.Kind = char(fields[1].at(0).unicode());
    v.Codes = fields.mid(2);
    for (const QString& c : std::as_const(v.Codes))
        if (!code.match(c).hasMatch())
            return std::nullopt;
    return v;
}

QByteArray lineOf(const Visit& v)
{
    QStringList fields { v.Time.toString(TimeFormat), QString(QLatin1Char(v.Kind)) };
    fields += v.Codes;
    return fields.join(QLatin1Char(' ')).toUtf8();
}

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

namespace VisitHistory {

QList<Visit> parse(const QByteArray& text)
{
    QList<Visit> visits;
    for (const QByteArray& line : linesOf(text))
        if (const std::optional<Visit> v = visitOf(line))
            visits.append(*v);
    return visits;
}

QList<Visit> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

void record(const QString& path, const Visit& visit)
{
    QByteArray old;
    QFile file(path);
    if (file.exists()) {
        // Writing without the lines that could not be read would lose them.
        errno = 0;
        if (!file.open(QIODevice::ReadOnly))
            throw VeskorError(Texts::text(Texts::FileWriteFailed).arg(path, fileErrorText(file)));
        old = file.readAll();
        file.close();
    }
    const QString second = visit.Time.toString(TimeFormat);
    QList<QByteArray> lines = linesOf(old);
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const QByteArray& line) {
        const std::optional<Visit> v = visitOf(line);
        return v && v->Time.toString(TimeFormat) == second;
    });
    if (same != lines.end())
        *same = lineOf(visit);
    else
        lines.append(lineOf(visit));
    writeFileAtomically(path, lines.join('\n') + '\n');
}

QList<Visit> earlier(QList<Visit> visits, const QDateTime& time, int count)
{
    visits.removeIf([&](const Visit& v) { return v.Time >= time; });
    std::stable_sort(visits.begin(), visits.end(),
        [](const Visit& a, const Visit& b) { return a.Time > b.Time; });
    return visits.mid(0, count);
}

QString text(const QList<Visit>& visits)
{
    QStringList lines;
    for (const Visit& v : visits) {
        QStringList codes;
        for (const QString& c : v.Codes)
            codes.append(QString::number(faultCodeNumber(c)));
        QString what
            = codes.isEmpty() ? Texts::text(Texts::VisitNoCodes) : codes.join(QStringLiteral(", "));
        if (v.Kind == 'D')
            what = Texts::text(Texts::VisitSelfTest).arg(what);
        lines.append(
            Texts::text(Texts::VisitLine).arg(CurrentVehicle::diagnosisText(v.Time), what));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace VisitHistory
