// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: veskor-reader's arguments of any text (NUL-separated), read as the window's
// options or, when the first byte is odd, as the profile preview's. Accepted window options
// given again in a canonical order read the same; an accepted preview names its profile
// and image, a size from 1 to 8192 and finite values of PIDs up to 255.
#include "FuzzSupport.h"
#include "ui/model/ReaderArguments.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QStringList canonical(const WindowArguments& a)
{
    QStringList list;
    if (a.Simulator)
        list << QStringLiteral("--simulator");
    if (a.Live)
        list << QStringLiteral("--live");
    if (a.QuitWhenShown)
        list << QStringLiteral("--quit-when-shown");
    if (!a.Screenshots.isEmpty())
        list << QStringLiteral("--screenshots") << a.Screenshots;
    if (!a.Profile.isEmpty())
        list << QStringLiteral("--profile") << a.Profile;
    if (!a.MeasureFile.isEmpty())
        list << QStringLiteral("--measure") << a.MeasureFile;
    return list;
}

bool same(const WindowArguments& a, const WindowArguments& b)
{
    return a.Simulator == b.Simulator && a.Live == b.Live && a.QuitWhenShown == b.QuitWhenShown
        && a.Screenshots == b.Screenshots && a.Profile == b.Profile
        && a.MeasureFile == b.MeasureFile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    QStringList arguments;
    if (size > 1)
        for (const QByteArray& part : fuzz::bytes(data + 1, size - 1).split('\0'))
            arguments << QString::fromUtf8(part);
    if (data[0] % 2 == 0) {
        const auto parsed = parseWindowArguments(arguments);
        if (!parsed)
            return 0;
        if (!parsed->Profile.isEmpty() && !parsed->Live)
            std::abort();
        const auto again = parseWindowArguments(canonical(*parsed));
        if (!again || !same(*again, *parsed))
            std::abort();
        return 0;
    }
    QString error;
    const auto request = parsePreviewArguments(arguments, error);
    if (!request) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    if (request->profile.isEmpty() || request->output.isEmpty() || request->size.width() < 1
        || request->size.height() < 1 || request->size.width() > 8192
        || request->size.height() > 8192)
        std::abort();
    for (const auto& [pid, value] : request->values)
        if (!std::isfinite(value))
            std::abort();
    return 0;
}
