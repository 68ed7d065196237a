// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: a dashboard profile file of any bytes is parsed, its header read and its
// widgets built on a panel, with every item definition applied to the real widgets. The
// widgets are then given history and readings of every kind (NaN, infinities, extremes),
// resized, detached and attached again. Built with VESKOR_FUZZ_PAINT (profile_paint), they
// are also shown and painted at each step. Nothing may crash or hang.
#include "FuzzSupport.h"
#include "common/Messages.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileClasses.h"
#include "profiles/ProfileReport.h"
#include "profiles/TFordTrend.h"
#include "profiles/TGaugeProfile.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetProblems.h"

#include <QApplication>
#include <QCoreApplication>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

#ifdef VESKOR_FUZZ_PAINT
constexpr bool Painting = true;
#else
constexpr bool Painting = false;
#endif

void paint(TFordPanel* panel)
{
    if (Painting)
        panel->grab();
}

// Readings the widgets get, one PID after another.
constexpr float Readings[] = { 0.0f, 1.5f, -40.0f, 6500.0f, 1e30f, -1e30f,
    std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::denorm_min() };
constexpr int ReadingCount = int(sizeof Readings / sizeof Readings[0]);

// A little history for every PID that a trend chart of the panel shows, so that the charts
// have curves to draw. Only those: a history block is some 20 KB, and 256 of them for
// every input would take most of the fuzzer's time.
void recordHistory(TFordData& store, const TFordPanel* panel)
{
    std::bitset<256> shown;
    for (const TFordTrend* trend : panel->findChildren<TFordTrend*>())
        for (int i = 0; i < trend->Trends()->count(); ++i)
            shown.set(trend->Trends()->at(i)->PID());
    constexpr uint32_t Start = 1'000'000, Step = 250;
    uint32_t clock = Start;
    store.setClock([&clock] { return clock; });
    for (int pid = 0; pid < 256; ++pid)
        if (shown.test(size_t(pid)))
            for (clock = Start; clock < Start + 8 * Step; clock += Step)
                store.StoreValue(uint8_t(pid), uint16_t(clock * 37 + pid));
    store.setClock([] { return Start + 10 * Step; });
}

void sendReading(TFordPanel* panel, int pid, int offset)
{
    TMessage msg(
        Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(Readings[(pid + offset) % ReadingCount]));
    panel->message(msg);
}

// Every PID once, so that widgets also see the PIDs they do not show.
void sendAllReadings(TFordPanel* panel, int offset)
{
    for (int pid = 0; pid < 256; ++pid)
        sendReading(panel, pid, offset);
}

// Only the PIDs that some widget of the panel is bound to: the other PIDs were already
// seen, and sending them all again would take half of each input's time.
void sendShownReadings(TFordPanel* panel, int offset)
{
    std::bitset<256> bound;
    for (const QObject* child : panel->findChildren<QObject*>()) {
        bool ok = false;
        const uint pid = child->property("PID").toUInt(&ok);
        if (ok && pid < 256)
            bound.set(pid);
    }
    for (int pid = 0; pid < 256; ++pid)
        if (bound.test(size_t(pid)))
            sendReading(panel, pid, offset);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    registerProfileClasses();
    setDefinitionErrorReporter([](const QString&, const QString&) {});
    setProfileReportHandler([](const TProfileReport&) {});
    setWidgetProblemHandler([](const QObject*, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("profile.ini"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    QWidget window;
    window.setObjectName(QStringLiteral("frmVeskorReader"));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    auto* panel = new TFordPanel(&window);
    panel->setObjectName(QStringLiteral("pnBlack"));
    panel->resize(400, 300);
    (new TFordData(&window))->setObjectName(QStringLiteral("FD"));
    TFordData store;
    TGaugeProfile profile(&window);
    profile.setDataManager(&store);
    profile.LoadHeader(path, panel);
    profile.Activate();
    recordHistory(store, panel);
    window.resize(400, 300);
    if (Painting)
        window.show();
    QCoreApplication::processEvents();
    sendAllReadings(panel, 0);
    paint(panel);
    window.resize(97, 41);
    sendShownReadings(panel, 3);
    QCoreApplication::processEvents();
    paint(panel);
    profile.Deactivate();
    profile.Activate();
    sendShownReadings(panel, 7);
    paint(panel);
    profile.Deactivate();
    return 0;
}
