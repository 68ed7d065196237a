// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "CliPrinter.h"

#include "common/Texts.h"
#include "link/FirmwareProgress.h"
#include "link/LinkSession.h"

#include <cstdio>

CliPrinter::CliPrinter(LinkSession& session)
{
    m_lastWord.start();
    connect(&session, &LinkSession::logLine, this, &CliPrinter::onLog);
    connect(&session, &LinkSession::portFailure, this, &CliPrinter::onPortFailure);
    connect(&session, &LinkSession::words, this, &CliPrinter::onWords);
    connect(&session, &LinkSession::report, this, &CliPrinter::onReport);
    connect(&session, &LinkSession::firmwareProgress, this, &CliPrinter::onFirmware);
    connect(&session, &LinkSession::commandDone, this, [this](quint8 code) {
        if (m_awaited && code == *m_awaited) {
            m_awaited.reset();
            emit commandDone();
        }
    });
}

void CliPrinter::print(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void CliPrinter::onLog(const QString& text)
{
    m_logLines.append(text);
    print("log " + text.toUtf8());
}

void CliPrinter::onPortFailure(const QString& detail)
{
    // The first error is the cause; the clean-up after it may fail again.
    if (!m_portError)
        m_portError = detail;
}

void CliPrinter::onWords(const Link::WordBatch& batch)
{
    m_lastWord.restart();
    if (m_wordListener)
        for (const Link::StreamWord& w : batch)
            m_wordListener(w.Slot, w.Word, w.live());
}

void CliPrinter::onReport(const LinkReport& report)
{
    const QByteArray line = LinkReports::eventLine(report);
    if (line.isEmpty())
        return;
    m_reports[report.Code] = report;
    print(line);
    // The log line names the error; the report is the link's word that an exchange failed.
    if (report.Type == LinkReport::PortError && !m_portError)
        m_portError = Texts::text(Texts::PortLost);
    // Only both words make a code; the status reset reports a calibration with none.
    if (report.Type == LinkReport::Calibration && report.HasCode) {
        m_calibration = report.Text.toLatin1();
        print("calibration " + m_calibration);
    }
}

// "progress 3/78 Прошивка...", as the options page's bar shows the update; "progress end"
// when the bar is hidden.
void CliPrinter::onFirmware(const FirmwareProgress& progress)
{
    print(progress.visible() ? QByteArray("progress ") + QByteArray::number(progress.position())
                + '/' + QByteArray::number(progress.maximum()) + ' ' + progress.caption().toUtf8()
                             : QByteArray("progress end"));
}
