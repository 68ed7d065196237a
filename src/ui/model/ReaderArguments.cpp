// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReaderArguments.h"

#include "common/Texts.h"
#include "common/UiLanguage.h"

#include <QRegularExpression>
#include <cmath>

const QStringList ReaderValueOptions = { QStringLiteral("--home"), QStringLiteral("--lang"),
    QStringLiteral("--screenshots"), QStringLiteral("--profile"), QStringLiteral("--measure"),
    QStringLiteral("--render-profile"), QStringLiteral("--size"), QStringLiteral("--set") };

namespace {

// Takes "--name VALUE" out of the arguments; false when the value is missing.
bool takeValue(QStringList& arguments, const char* name, QString& value)
{
    const qsizetype at = arguments.indexOf(QLatin1String(name));
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size())
        return false;
    value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return true;
}

} // namespace

std::optional<WindowArguments> parseWindowArguments(QStringList arguments)
{
    WindowArguments parsed;
    parsed.Simulator = arguments.removeAll(QStringLiteral("--simulator")) > 0;
    parsed.Live = arguments.removeAll(QStringLiteral("--live")) > 0;
    parsed.QuitWhenShown = arguments.removeAll(QStringLiteral("--quit-when-shown")) > 0;
    parsed.Debug = arguments.removeAll(QStringLiteral("--debug")) > 0;
    if (!takeValue(arguments, "--screenshots", parsed.Screenshots)
        || !takeValue(arguments, "--profile", parsed.Profile)
        || !takeValue(arguments, "--measure", parsed.MeasureFile) || !arguments.isEmpty()
        || (!parsed.Profile.isEmpty() && !parsed.Live))
        return std::nullopt;
    return parsed;
}

bool takeLanguage(QStringList& arguments, std::optional<UiLanguage>& language)
{
    QString code;
    if (!takeValue(arguments, "--lang", code))
        return false;
    if (code.isEmpty())
        return true;
    language = Languages::fromCode(code);
    return language.has_value();
}

std::optional<ProfilePreviewRequest> parsePreviewArguments(
    const QStringList& arguments, QString& error)
{
    ProfilePreviewRequest request;
    static const QRegularExpression sizePattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    static const QRegularExpression setPattern(
        QStringLiteral("^\\s*(\\d{1,3})\\s*=\\s*(\\S+)\\s*$"));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        const QString value = hasValue ? arguments.at(i + 1) : QString();
        if (option == QLatin1String("--render-profile") && hasValue) {
            request.profile = value;
        } else if (option == QLatin1String("-o") && hasValue) {
            request.output = value;
        } else if (option == QLatin1String("--size") && hasValue) {
            const QRegularExpressionMatch m = sizePattern.match(value);
            const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
            if (!m.hasMatch() || w < 1 || h < 1 || w > 8192 || h > 8192) {
                error = Texts::text(Texts::PreviewBadSize).arg(value);
                return std::nullopt;
            }
            request.size = QSize(w, h);
        } else if (option == QLatin1String("--set") && hasValue) {
            const QRegularExpressionMatch m = setPattern.match(value);
            bool ok = false;
            const float number = m.hasMatch() ? m.captured(2).toFloat(&ok) : 0;
            const int pid = m.captured(1).toInt();
            if (!m.hasMatch() || !ok || !std::isfinite(number) || pid > 255) {
                error = Texts::text(Texts::PreviewBadSet).arg(value);
                return std::nullopt;
            }
            request.values.append({ quint8(pid), number });
        } else {
            error = Texts::text(Texts::PreviewBadArgument).arg(option);
            return std::nullopt;
        }
        ++i;
    }
    if (request.profile.isEmpty() || request.output.isEmpty()) {
        error = Texts::text(Texts::PreviewMissing);
        return std::nullopt;
    }
    return request;
}
