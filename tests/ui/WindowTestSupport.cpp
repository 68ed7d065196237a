// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WindowTestSupport.h"

#include "common/ProgramDir.h"
#include "link/LinkMessage.h"
#include "ui/dock/LogPanel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

bool waitUntil(const std::function<bool()>& ready, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
    for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(source.filePath(name), QDir(to).filePath(name));
}

WindowHarness::WindowHarness()
{
    const QString data = qEnvironmentVariable("VESKOR_DATA");
    for (const char* name : { "codes.txt", "models.txt", "CarProfiles.ini", "report.htm" })
        QFile::copy(QDir(data).filePath(QLatin1String(name)), m_home.file(QLatin1String(name)));
    copyTree(QDir(data).filePath("Profiles"), m_home.file("Profiles"));
    setProgramDir(m_home.path());
}

WindowHarness::~WindowHarness()
{
    if (m_window)
        close();
    setProgramDir(QString());
    setDocumentsDir(QString());
}

TfrmVeskorReader& WindowHarness::open(const std::function<void(SimConfig&)>& configure)
{
    return open([&configure](TfrmVeskorReader::Options& options) {
        if (configure)
            configure(options.Link.Simulator);
    });
}

TfrmVeskorReader& WindowHarness::open(
    const std::function<void(TfrmVeskorReader::Options&)>& configure)
{
    TfrmVeskorReader::Options options;
    options.Ask = &Prompts;
    options.Link.TimeScale = 0.1;
    options.Link.Simulator.StoredCodes = { 112 };
    // A desktop's screen, whatever the offscreen platform's is: the window keeps its size and
    // its side panels.
    options.Screens = { QRect(0, 0, 1920, 1080) };
    configure(options);
    m_window = std::make_unique<TfrmVeskorReader>(options);
    m_window->show();
    waitUntil([this] { return m_window->shown(); });
    return *m_window;
}

void WindowHarness::close()
{
    m_window->close();
    m_window.reset();
}

void deliver(WindowHarness& h, int message, uint32_t wParam, int32_t lParam)
{
    LinkSession& session = h.window().link().session();
    // A word goes as the link posts it: a batch, here of one.
    if (message == Link::WM_LINK_SLOT && Link::slotHasWord(lParam)) {
        TWordBatchEvent batch;
        batch.append({ uint8_t(wParam), Link::slotMode(lParam), Link::slotWord(lParam), 0 });
        batch.seal();
        QCoreApplication::sendEvent(&session, &batch);
        return;
    }
    TLinkMessage event(QEvent::Type(message), wParam, lParam);
    QCoreApplication::sendEvent(&session, &event);
}

void deliverOptions(WindowHarness& h, int8_t speed, int8_t format)
{
    LinkReport report = LinkReports::fromEvent(Link::evOptions, 0);
    report.Bytes = QByteArray(20, '\0');
    report.Bytes[0] = char(speed);
    report.Bytes[1] = char(format);
    emit h.window().link().session().report(report);
}

QByteArray registerText(std::initializer_list<std::pair<const char*, const char*>> vehicles)
{
    QByteArray text;
    int i = 0;
    for (const auto& [name, code] : vehicles)
        text += "[" + QByteArray::number(i++) + "]\nName=" + name + "\nModel=Escort\nYear=1995\n"
            + "LastRead=01.01.2020\nCalID=" + code + "\n";
    return text;
}

std::function<bool(QDialog&)> selfTestAnswer(const char* choice, QString* steps)
{
    return [choice, steps](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("dlgSelfTest"))
            return false;
        if (choice)
            dialog.findChild<QRadioButton*>(QLatin1String(choice))->click();
        if (steps)
            *steps = dialog.findChild<QLabel*>(QStringLiteral("laSelfTestSteps"))->text();
        dialog.findChild<QPushButton*>(QLatin1String(choice ? "btStartTest" : "btBackOut"))
            ->click();
        return dialog.result() == QDialog::Accepted;
    };
}

QStringList logLines(WindowHarness& h)
{
    QStringList lines;
    const QListWidget* list = h.find<QListWidget>("lbLog");
    for (int i = 0; i < list->count(); ++i)
        lines.append(LogPanel::lineText(*list->item(i)));
    return lines;
}
