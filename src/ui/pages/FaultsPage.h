// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Коды ошибок": the fault exchanges' toolbar, the owner-drawn list lbFaults with
// the overlay shown while an exchange runs, copy to the clipboard and the report: as HTML,
// printed, or as PDF.
//
// A result belongs to the vehicle that was current when it was read: its data are kept
// with the result, so deleting or switching vehicles never moves it to another car. An
// exchange that brought no answer keeps the result on show and says so. Every read and
// self-test of a car is kept in its history, which its later reports list.
#pragma once

#include "link/LinkTypes.h"
#include "ui/model/FaultSheet.h"
#include "ui/model/SelfTestGuide.h"
#include "ui/model/VisitHistory.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QToolBar;
class SelfTestPanel;
struct ReaderContext;

class FaultsPage : public QWidget {
    Q_OBJECT

public:
    FaultsPage(ReaderContext& context, QWidget* parent = nullptr);

    // The exchange has ended: hides the overlay and, when the ECU answered, shows its codes
    // and stamps the diagnosis date of the vehicle it was read for. Every outcome gets its
    // own line on the page and in the log.
    void ShowFaultCodes(Link::FaultTestOutcome outcome);
    void showOverlay();
    // The toolbar's part of EnableModuleActions.
    void EnableModuleActions(bool enabled);
    QStringList entries() const;
    QString copyText() const;
    // Writes the report and opens it; the file's path, or empty when nothing was written
    // (and the reason was told). Throws VeskorError when the report can't be made.
    QString saveReport();
    // The report as PDF into target, or when it is empty into the file the user chooses;
    // the file's path, or empty when nothing was written. Throws VeskorError.
    QString saveReportPdf(const QString& target = {});
    // The report on the printer the user chooses; true when it went out. Throws VeskorError.
    bool printReport();
    // The line of the last outcome, with its time (laFaultOutcome).
    QString outcomeLine() const;
    // The last self-test's verdict above the codes (laTestVerdict); empty after any other
    // exchange.
    QString verdict() const;
    // A run on the simulator: its results stamp no vehicle of the register.
    void setSimulation(bool on) { m_simulation = on; }

signals:
    // A fault action was started: the window shows this page.
    void faultActionStarted();
    // A line for the log and the status bar.
    void notice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readFaults(char letter);
    // Shows what the self-test needs and starts it when the mechanic says the car is ready.
    void offerSelfTest();
    void showVerdict(const SelfTestVerdict& verdict);
    void showResult(const QStringList& codes, char letter);
    void recordVisit(const Visit& visit);
    // The report of the result on show, or nothing when there is none (told with the text
    // given, or that the result has no vehicle).
    std::optional<QString> report(const char* nothingText);
    SheetReport sheetReport() const;
    // Reports/<vehicle> of the result's vehicle, and there its history of visits.
    QString vehicleFolder() const;
    QString historyFile() const;
    // vehicleFolder(), created when missing. Throws VeskorError.
    QString reportFolder() const;
    // Runs a report action; a failure is told in the log and in a box.
    void runReport(const std::function<void()>& action);
    void tell(const QString& text, bool failure);
    void placeOverlay();
    void showProgress();
    int maxTestTime() const;

    ReaderContext& m_context;
    QToolBar* tbFaultCodes;
    QLabel* laTestVerdict;
    QLabel* laFaultOutcome;
    QListWidget* lbFaults;
    QLabel* pnReadingFaults;
    SelfTestPanel* pnSelfTest;
    QTimer m_progress;
    // The exchange under way: its letter, and its clock for the self-test's countdown.
    std::optional<char> m_letter;
    QElapsedTimer m_clock;
    // The test the car was last made ready for: the guide offers it again.
    SelfTestKind m_testKind = SelfTestKind::Koeo;
    // The vehicle of the result on show, as it was when the result was read.
    std::optional<SheetVehicle> m_vehicle;
    // When the result came, and the ECU it came from.
    QDateTime m_resultTime;
    QString m_calibration;
    QString m_moduleVersion;
    // The result on show was saved or copied (or there is nothing to lose).
    bool m_kept = true;
    bool m_simulation = false;
};
