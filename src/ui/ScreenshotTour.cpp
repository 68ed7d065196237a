// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ScreenshotTour.h"

#include "GlowLabel.h"
#include "TfrmVeskorReader.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/Texts.h"
#include "pages/FaultsPage.h"
#include "pages/TrendsPage.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

namespace {

enum State { WaitShown, WaitConnected, WaitFaults, WaitStream, Done };
constexpr int ConnectTimeoutMs = 15000;
constexpr int FaultsTimeoutMs = 60000;
// Live data streams this long before the pictures, so that the trends have a history.
constexpr uint32_t StreamHistoryMs = 10000;
constexpr int StreamTimeoutMs = 30000;
// The file names of the pages, in tab order.
constexpr const char* PageFiles[]
    = { "1-vehicles", "2-faults", "3-live-data", "4-trends", "5-memory", "6-options", "7-help" };

void say(const QByteArray& line)
{
    std::fprintf(stdout, "%s\n", line.constData());
    std::fflush(stdout);
}

} // namespace

ScreenshotTour::ScreenshotTour(TfrmVeskorReader& window, QString folder, QElapsedTimer started)
    : QObject(&window)
    , m_window(window)
    , m_folder(std::move(folder))
    , m_started(started)
{
}

void ScreenshotTour::start()
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &ScreenshotTour::step);
    timer->start(20);
}

void ScreenshotTour::step()
{
    auto* module = m_window.findChild<GlowLabel*>(QStringLiteral("laModule"));
    auto* mode = m_window.findChild<GlowLabel*>(QStringLiteral("laWorkmode"));
    auto* faults = m_window.findChild<QListWidget*>(QStringLiteral("lbFaults"));
    auto* overlay = m_window.findChild<QLabel*>(QStringLiteral("pnReadingFaults"));
    switch (m_state) {
    case WaitShown:
        if (!m_window.isVisible())
            return;
        say("shown " + QByteArray::number(m_started.elapsed()) + " ms (epoch ms "
            + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ")");
        m_state = WaitConnected;
        m_stage.start();
        return;
    case WaitConnected:
        if ((module->text() != Texts::text(Texts::ModuleConnected)
                || mode->text() != Texts::text(Texts::ModeExchange))
            && m_stage.elapsed() < ConnectTimeoutMs)
            return;
        say("connected " + QByteArray::number(m_started.elapsed()) + " ms (epoch ms "
            + QByteArray::number(QDateTime::currentMSecsSinceEpoch())
            + "): " + module->text().toUtf8() + ", " + mode->text().toUtf8());
        m_window.findChild<QAction*>(QStringLiteral("acReadFaults"))->trigger();
        m_state = WaitFaults;
        m_stage.start();
        return;
    case WaitFaults:
        if ((faults->count() == 0 || overlay->isVisible()) && m_stage.elapsed() < FaultsTimeoutMs)
            return;
        say("faults " + QByteArray::number(std::max(0, faults->count() - 1)) + " codes");
        m_window.findChild<QAction*>(QStringLiteral("acStartData"))->trigger();
        // The dashboard takes values only while its page is on show.
        m_window.pages()->setCurrentIndex(2);
        m_state = WaitStream;
        m_stage.start();
        return;
    case WaitStream: {
        // Engine speed recorded for a while: the dashboard and the trends show the stream.
        const TFordData* store = m_window.trendsPage()->chart()->DataManager();
        const bool streamed = store && store->BlockCount(1) > 0
            && store->LastSampleTime(1) - store->FirstSampleTime(1) >= StreamHistoryMs;
        if (!streamed && m_stage.elapsed() < StreamTimeoutMs)
            return;
        m_state = Done;
        shoot();
        return;
    }
    default:
        return;
    }
}

void ScreenshotTour::shoot()
{
    QDir().mkpath(m_folder);
    const auto save = [this](const QString& name, QWidget& widget) {
        try {
            writeImageAtomically(
                QDir(m_folder).filePath(name + QStringLiteral(".png")), widget.grab().toImage());
        } catch (const VeskorError& e) {
            say(e.message().toUtf8());
        }
    };
    QTabWidget* pages = m_window.pages();
    for (int i = 0; i < pages->count() && i < int(std::size(PageFiles)); ++i) {
        pages->setCurrentIndex(i);
        QCoreApplication::processEvents();
        save(QLatin1String(PageFiles[i]), m_window);
    }
    // The dashboard alone on the whole screen, as F11 shows it.
    pages->setCurrentIndex(2);
    m_window.findChild<QAction*>(QStringLiteral("acFullScreen"))->trigger();
    QCoreApplication::processEvents();
    if (auto* screen = m_window.findChild<QWidget*>(QStringLiteral("frmFullScreen"))) {
        save(QStringLiteral("8-fullscreen"), *screen);
        screen->close();
    }
    pages->setCurrentIndex(1);
    // The report of the codes read, as it prints, when they belong to a car.
    auto* faults = m_window.findChild<QListWidget*>(QStringLiteral("lbFaults"));
    if (faults->count() > 1 && faults->item(0)->text() != QLatin1String("-1")) {
        try {
            m_window.faultsPage()->saveReportPdf(
                QDir(m_folder).filePath(QStringLiteral("9-report.pdf")));
        } catch (const VeskorError& e) {
            say(e.message().toUtf8());
        }
    }
    say(Texts::text(Texts::ScreenshotsSaved).arg(QDir(m_folder).absolutePath()).toUtf8());
    m_window.close();
}
