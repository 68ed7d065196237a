// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The profile preview.
#include "ui/ProfilePreview.h"

#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "common/Texts.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileClasses.h"
#include "profiles/ProfileReport.h"
#include "profiles/TFordTrend.h"
#include "profiles/TGaugeProfile.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetProblems.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <cstdio>

namespace {

int g_errors = 0;

void printError(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\r"), QStringLiteral(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    ++g_errors;
}

void printWidgetProblem(const QObject* widget, const QString& problem)
{
    const QString who = widget ? QString::fromLatin1(widget->metaObject()->className()) : QString();
    printError(who + QStringLiteral(": ") + problem);
}

// The raw word, check nibble included, whose value the store converts nearest to value.
uint16_t rawWordFor(quint8 pid, float value)
{
    int best = 1;
    double bestDistance = INFINITY;
    for (int v = 0; v < 4096; ++v) {
        const double distance = std::fabs(double(TFordData::ShownValue(pid, uint16_t(v))) - value);
        if (distance < bestDistance) {
            best = v;
            bestDistance = distance;
        }
    }
    const int check = ((best >> 8) ^ (best >> 4) ^ best ^ 0xA) & 0xF;
    return uint16_t(check << 12 | best);
}

// A minute of 10 Hz history at the set value, so that trend charts show the value as a line.
void recordHistory(TFordData& store, const QList<QPair<quint8, float>>& values)
{
    constexpr uint32_t Start = 1'000'000, Length = 60'000, Step = 100;
    uint32_t clock = Start;
    store.setClock([&clock] { return clock; });
    for (const auto& [pid, value] : values) {
        const uint16_t word = rawWordFor(pid, value);
        for (clock = Start; clock <= Start + Length; clock += Step)
            store.StoreValue(pid, word);
    }
    store.setClock([] { return Start + Length; });
}

bool savePng(const QImage& image, const QString& path)
{
    try {
        writeImageAtomically(path, image);
    } catch (const VeskorError&) {
        return false;
    }
    return true;
}

} // namespace

int renderProfilePreview(const ProfilePreviewRequest& request)
{
    if (!QFileInfo::exists(request.profile)) {
        std::fprintf(stderr, "%s\n",
            qUtf8Printable(Texts::text(Texts::PreviewNoProfile).arg(request.profile)));
        return 2;
    }
    registerProfileClasses();
    g_errors = 0;
    const DefinitionErrorReporter previousReporter = setDefinitionErrorReporter(
        [](const QString& message, const QString& detail) {
            printError(detail.isEmpty() ? message : message + QStringLiteral(" (") + detail + u')');
        });
    const WidgetProblemHandler previousHandler = setWidgetProblemHandler(&printWidgetProblem);
    bool unusable = false;
    const ProfileReportHandler previousReport
        = setProfileReportHandler([&unusable](const TProfileReport& report) {
              for (const QString& line : report.lines())
                  printError(line);
              unusable = unusable || report.unusable();
          });

    int exitCode = 0;
    {
        // Stands in for the main window: its components are the ones definitions may name.
        QWidget window;
        window.setObjectName(QStringLiteral("frmVeskorReader"));
        auto* panel = new TFordPanel(&window);
        panel->setObjectName(QStringLiteral("pnBlack"));
        panel->resize(request.size);
        (new TFordData(&window))->setObjectName(QStringLiteral("FD"));
        TFordData linkStore;

        TGaugeProfile profile(&window);
        profile.setDataManager(&linkStore);
        profile.LoadHeader(request.profile, panel);
        profile.Activate();
        // Laid out as the window shows it, without a window on the screen: every widget has
        // its final size before the first value, so no later rebuild moves a needle.
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.resize(request.size);
        window.show();
        QCoreApplication::processEvents();

        recordHistory(linkStore, request.values);
        for (const auto& [pid, value] : request.values) {
            TMessage msg(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value));
            panel->message(msg);
        }
        if (!savePng(panel->grab().toImage(), request.output)) {
            std::fprintf(stderr, "%s\n",
                qUtf8Printable(Texts::text(Texts::PreviewCannotSave).arg(request.output)));
            exitCode = 2;
        }
        profile.Deactivate();
    }
    setProfileReportHandler(previousReport);
    setWidgetProblemHandler(previousHandler);
    setDefinitionErrorReporter(previousReporter);
    if (unusable)
        exitCode = 2;
    if (exitCode == 0 && g_errors > 0)
        exitCode = 1;
    return exitCode;
}
