// The link's events as typed reports: what happened, its argument, and the texts read from
// the link at the moment of the event (version, calibration code).
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <cstdint>

struct LinkReport {
    enum Kind {
        Ignored,
        Searching, // Argument: the attempt
        Connected, // Text: the version label's text
        NotConnected,
        EcuLink, // Argument: the state byte of the "m" reply
        Firmware, // Argument: evFirmware's lParam (step, count)
        FaultTestBegun,
        FaultTestEnded,
        DumpProgress, // Argument: the image address
        OptionsRead,
        OptionsWritten,
        DumpDone, // Argument: the request tag
        Disconnected, // Argument: 1 when an open port was closed
        Calibration, // Text: the code, four upper-case hexadecimal digits
    };

    Kind Type = Ignored;
    int32_t Argument = 0;
    QString Text;
};
Q_DECLARE_METATYPE(LinkReport)

namespace LinkReports {

// The report of WM_LINK_EVENT (code, lParam); Text is left for the caller to fill.
LinkReport fromEvent(int code, int32_t lParam);

// "1.23 (AB001)": the version / 100 with two decimals and a point, then the identifier.
QString versionText(float firmwareVersion, const QByteArray& moduleId);
// "4BAA": the low bytes of slots 0xB1 and 0xA1 as two upper-case hexadecimal digits each.
QString calibrationCode(uint16_t highSlot, uint16_t lowSlot);

} // namespace LinkReports
