// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LinkReport.h"

namespace LinkReports {

LinkReport fromEvent(int code, int32_t lParam)
{
    LinkReport r;
    r.Argument = lParam;
    r.Code = uint8_t(code);
    r.Raw = lParam;
    switch (code) {
    case Link::evSearching:
        r.Type = LinkReport::Searching;
        break;
    case Link::evConnected:
        r.Type = lParam >= 1 ? LinkReport::Connected : LinkReport::NotConnected;
        break;
    case Link::evEcuLink:
        r.Type = LinkReport::EcuLink;
        break;
    case Link::evFirmware:
        r.Type = LinkReport::Firmware;
        r.Step = Link::FirmwareStep(lParam & 0xFFFF);
        r.Argument = int32_t(uint32_t(lParam) >> 16);
        break;
    case Link::evFaultTest:
        r.Type = lParam == 0 ? LinkReport::FaultTestBegun : LinkReport::FaultTestEnded;
        break;
    case Link::evDumpProgress:
        r.Type = LinkReport::DumpProgress;
        break;
    case Link::evOptions:
        r.Type = lParam == 0 ? LinkReport::OptionsRead : LinkReport::OptionsWritten;
        break;
    case Link::evDumpDone:
        r.Type = LinkReport::DumpDone;
        r.Argument = int32_t(uint32_t(lParam) >> 16);
        break;
    case Link::evDisconnected:
        r.Type = LinkReport::Disconnected;
        break;
    case Link::evCalibration:
        r.Type = LinkReport::Calibration;
        break;
    case Link::evPortError:
        r.Type = LinkReport::PortError;
        break;
    default:
        r.Type = LinkReport::Ignored;
        break;
    }
    return r;
}

QByteArray eventLine(const LinkReport& report)
{
    const char* name = Link::eventName(report.Code);
    if (!name)
        return {};
    QByteArray line = QByteArray("event ") + name + ' ';
    if (report.Code == Link::evFirmware)
        return line + QByteArray::number(report.Raw & 0xFFFF) + ' '
            + QByteArray::number(uint32_t(report.Raw) >> 16);
    return line + QByteArray::number(report.Raw);
}

QString versionText(float firmwareVersion, const QByteArray& moduleId)
{
    return QString::number(double(firmwareVersion) / 100.0, 'f', 2) + QStringLiteral(" (")
        + QString::fromLatin1(moduleId) + QLatin1Char(')');
}

QString calibrationCode(uint16_t highSlot, uint16_t lowSlot)
{
    return QStringLiteral("%1%2")
        .arg(highSlot & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(lowSlot & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace LinkReports
