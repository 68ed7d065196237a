// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultsPage.h"

#include "FaultRowDelegate.h"
#include "SelfTestDialog.h"
#include "SelfTestPanel.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/LanguageData.h"
#include "common/ProgramDir.h"
#include "common/StampedName.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "link/FaultCodeList.h"
#include "link/LinkSession.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/CurrentVehicle.h"
#include "ui/model/DataSource.h"
#include "ui/model/FaultOutcome.h"
#include "ui/model/FaultSheet.h"
#include "vehicles/EcuInfo.h"
#include "vehicles/VehicleListModel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The earlier visits a report lists.
constexpr int ReportedVisits = 10;

QAction* barAction(QToolBar* bar, const char* name, const char* text, const char* hint)
{
    QAction* a = bar->addAction(Texts::text(text));
    a->setObjectName(QLatin1String(name));
    a->setToolTip(Texts::text(hint));
    return a;
}

} // namespace

FaultsPage::FaultsPage(ReaderContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabFaults"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tbFaultCodes = new QToolBar(this);
    tbFaultCodes->setObjectName(QStringLiteral("tbFaultCodes"));
    tbFaultCodes->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_context.Link->guard(tbFaultCodes);
    QAction* read
        = barAction(tbFaultCodes, "acReadFaults", Texts::ActReadFaults, Texts::HintReadFaults);
    QAction* clear
        = barAction(tbFaultCodes, "acClearFaults", Texts::ActClearFaults, Texts::HintClearFaults);
    tbFaultCodes->addSeparator();
    QAction* test
        = barAction(tbFaultCodes, "acInvokeTest", Texts::ActInvokeTest, Texts::HintInvokeTest);
    tbFaultCodes->addSeparator();
    QAction* copy = barAction(tbFaultCodes, "acCopy", Texts::ActCopy, Texts::HintCopy);
    QAction* report
        = barAction(tbFaultCodes, "acSaveReport", Texts::ActSaveReport, Texts::HintSaveReport);
    QAction* print
        = barAction(tbFaultCodes, "acPrintReport", Texts::ActPrintReport, Texts::HintPrintReport);
    QAction* pdf = barAction(
        tbFaultCodes, "acSaveReportPdf", Texts::ActSaveReportPdf, Texts::HintSaveReportPdf);
    layout->addWidget(tbFaultCodes);

    laTestVerdict = new QLabel(this);
    laTestVerdict->setObjectName(QStringLiteral("laTestVerdict"));
    laTestVerdict->setContentsMargins(8, 6, 8, 0);
    QFont large = laTestVerdict->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.6);
    laTestVerdict->setFont(large);
    laTestVerdict->hide();
    layout->addWidget(laTestVerdict);

    laFaultOutcome = new QLabel(this);
    laFaultOutcome->setObjectName(QStringLiteral("laFaultOutcome"));
    laFaultOutcome->setWordWrap(true);
    laFaultOutcome->setContentsMargins(8, 4, 8, 4);
    QFont bold = laFaultOutcome->font();
    bold.setBold(true);
    laFaultOutcome->setFont(bold);
    laFaultOutcome->hide();
    layout->addWidget(laFaultOutcome);

    lbFaults = new QListWidget(this);
    lbFaults->setObjectName(QStringLiteral("lbFaults"));
    lbFaults->setItemDelegate(new FaultRowDelegate(context, lbFaults));
    lbFaults->setUniformItemSizes(true);
    lbFaults->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lbFaults->setSelectionMode(QAbstractItemView::SingleSelection);
    lbFaults->viewport()->installEventFilter(this);
    layout->addWidget(lbFaults);

    pnReadingFaults = new QLabel(Texts::text(Texts::ReadingFaults), lbFaults->viewport());
    pnReadingFaults->setObjectName(QStringLiteral("pnReadingFaults"));
    pnReadingFaults->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pnReadingFaults->setContentsMargins(0, 14, 0, 0);
    pnReadingFaults->setFrameShape(QFrame::Panel);
    pnReadingFaults->setFrameShadow(QFrame::Raised);
    pnReadingFaults->setAutoFillBackground(true);
    pnReadingFaults->resize(385, 81);
    pnReadingFaults->hide();
    // On the page, not in the list: on a small screen it may reach over the lines above.
    pnSelfTest = new SelfTestPanel(this);
    connect(pnSelfTest, &SelfTestPanel::cancelRequested, this,
        [this] { m_context.Link->session().cancelFaultTest(); });
    // Four times a second of the link's clock, so that no second is shown late; the text
    // itself is computed from the elapsed time.
    connect(&m_progress, &QTimer::timeout, this, &FaultsPage::showProgress);

    connect(read, &QAction::triggered, this, [this] { readFaults('B'); });
    connect(clear, &QAction::triggered, this, [this] {
        const bool unsaved = !m_kept && entries().size() > 1;
        if (m_context.Ask->confirm(this, Texts::text(Texts::CaptionConfirm),
                Texts::text(unsaved ? Texts::ClearUnsavedQuestion : Texts::ClearQuestion)))
            readFaults('C');
    });
    connect(test, &QAction::triggered, this, &FaultsPage::offerSelfTest);
    connect(copy, &QAction::triggered, this, [this] {
        if (entries().isEmpty()) {
            m_context.ShowError(Texts::text(Texts::NothingToCopy));
            return;
        }
        QGuiApplication::clipboard()->setText(copyText());
        m_kept = true;
        emit notice(Texts::text(Texts::ResultCopied));
    });
    connect(report, &QAction::triggered, this, [this] { runReport([this] { saveReport(); }); });
    connect(print, &QAction::triggered, this, [this] { runReport([this] { printReport(); }); });
    connect(pdf, &QAction::triggered, this, [this] { runReport([this] { saveReportPdf(); }); });
}

void FaultsPage::runReport(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VeskorError& e) {
        emit notice(FaultOutcome::stamped(
            QDateTime::currentDateTime(), Texts::text(Texts::ReportNotSaved).arg(e.message())));
        m_context.ShowError(e.message());
    }
}

void FaultsPage::offerSelfTest()
{
    SelfTestDialog guide(m_testKind, this);
    if (!m_context.Ask->runDialog(guide))
        return;
    m_testKind = guide.kind();
    readFaults('D');
}

void FaultsPage::readFaults(char letter)
{
    emit faultActionStarted();
    laTestVerdict->hide();
    laTestVerdict->clear();
    m_letter = letter;
    m_clock.start();
    m_context.Link->send(LinkCommands::FaultTest { letter });
}

int FaultsPage::maxTestTime() const
{
    return m_context.Link->session().maxTestTime();
}

void FaultsPage::showOverlay()
{
    QWidget* overlay = pnReadingFaults;
    if (m_letter == 'D') {
        pnSelfTest->start(m_testKind, maxTestTime());
        m_clock.restart();
        m_progress.start(std::max(1, int(250 * m_context.Link->timeScale())));
        overlay = pnSelfTest;
    }
    placeOverlay();
    overlay->show();
    overlay->raise();
}

void FaultsPage::showProgress()
{
    const double scale = m_context.Link->timeScale();
    pnSelfTest->showElapsed(qint64(double(m_clock.elapsed()) / (scale > 0 ? scale : 1.0)));
}

bool FaultsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbFaults->viewport() && event->type() == QEvent::Resize)
        placeOverlay();
    return QWidget::eventFilter(watched, event);
}

void FaultsPage::placeOverlay()
{
    const QRect area = lbFaults->viewport()->rect();
    pnReadingFaults->move(area.center() - pnReadingFaults->rect().center());
    // The self-test's panel over the middle of the list; on a short list it moves up, but
    // never over the toolbar, so that its title, countdown and cancel stay in sight.
    const QRect list(lbFaults->viewport()->mapTo(this, QPoint(0, 0)), area.size());
    const QPoint at = list.center() - pnSelfTest->rect().center();
    const int top = tbFaultCodes->geometry().bottom() + 1;
    pnSelfTest->move(std::max(0, at.x()),
        std::clamp(at.y(), top, std::max(top, height() - pnSelfTest->height())));
}

void FaultsPage::ShowFaultCodes(Link::FaultTestOutcome outcome)
{
    pnReadingFaults->hide();
    pnSelfTest->hide();
    m_progress.stop();
    // An exchange this page did not start is taken as a read.
    const char letter = m_letter.value_or('B');
    m_letter.reset();
    const LinkSession& link = m_context.Link->session();
    const QStringList codes
        = FaultCodeList::entries([&link](uint8_t slot) { return link.word(slot); });
    const FaultOutcomeView view
        = FaultOutcome::describe(outcome, letter, int(codes.size()), maxTestTime());
    if (view.NewResult)
        showResult(codes, letter);
    if (letter == 'D')
        showVerdict(SelfTestGuide::verdict(outcome, codes));
    tell(view.Line, view.Failure);
}

void FaultsPage::showVerdict(const SelfTestVerdict& verdict)
{
    QString colour = QStringLiteral("#d03030");
    if (verdict.Kind == VerdictKind::Pass)
        colour = QStringLiteral("#2a9d3a");
    else if (verdict.Kind == VerdictKind::Found || verdict.Kind == VerdictKind::Cancelled)
        colour = QStringLiteral("#d08000");
    laTestVerdict->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    laTestVerdict->setText(verdict.Text);
    laTestVerdict->show();
}

QString FaultsPage::verdict() const
{
    return laTestVerdict->text();
}

void FaultsPage::showResult(const QStringList& codes, char letter)
{
    // To the second, as the history keeps it: the visit is this result's, not an earlier one.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    // The result belongs to the vehicle current when it came (the calibration code the ECU
    // reported at connection may have selected it meanwhile), and keeps that vehicle's data,
    // so that deleting or switching vehicles later never moves it to another car.
    int row = m_context.currentVehicle();
    std::optional<SheetVehicle> vehicle;
    if (row >= 0 && row < m_context.Vehicles->rowCount()) {
        VehicleEntry e = m_context.Vehicles->entry(row);
        // A simulated ECU's answer is no diagnosis of a real car.
        if (!m_simulation)
            CurrentVehicle::stampDiagnosis(e, now);
        vehicle = FaultSheet::sheetVehicle(e);
        // The result's own date, also when the register keeps its old one.
        vehicle->Date = CurrentVehicle::diagnosisText(now);
        m_calibration = m_context.Live ? m_context.Live->calibration() : QString();
        if (m_calibration.isEmpty())
            m_calibration = e.Record.CalID;
        if (!m_simulation) {
            m_context.Vehicles->replace(row, std::move(e));
            m_context.RegisterChanged();
        }
    } else {
        row = -1;
        m_calibration = m_context.Live ? m_context.Live->calibration() : QString();
    }
    m_moduleVersion = m_context.Live ? m_context.Live->moduleVersion() : QString();
    m_resultTime = now;
    lbFaults->clear();
    auto* header = new QListWidgetItem(QString::number(row));
    if (vehicle)
        header->setData(Qt::UserRole, FaultSheet::fields(*vehicle));
    lbFaults->addItem(header);
    lbFaults->addItems(codes);
    m_vehicle = vehicle;
    m_kept = codes.isEmpty();
    // Clearing brings no codes of the car's: the read before it has them.
    if (vehicle && !m_simulation && letter != 'C')
        recordVisit(Visit { now, letter, codes });
}

void FaultsPage::recordVisit(const Visit& visit)
{
    try {
        reportFolder();
        VisitHistory::record(historyFile(), visit);
    } catch (const VeskorError& e) {
        emit notice(FaultOutcome::stamped(
            QDateTime::currentDateTime(), Texts::text(Texts::VisitsNotKept).arg(e.message())));
    }
}

void FaultsPage::tell(const QString& text, bool failure)
{
    const QString line = FaultOutcome::stamped(QDateTime::currentDateTime(), text);
    laFaultOutcome->setText(line);
    laFaultOutcome->setStyleSheet(failure ? QStringLiteral("color: #d03030;") : QString());
    laFaultOutcome->show();
    emit notice(line);
}

QString FaultsPage::outcomeLine() const
{
    return laFaultOutcome->text();
}

void FaultsPage::EnableModuleActions(bool enabled)
{
    tbFaultCodes->setEnabled(enabled);
}

QStringList FaultsPage::entries() const
{
    QStringList list;
    for (int i = 0; i < lbFaults->count(); ++i)
        list.append(lbFaults->item(i)->text());
    return list;
}

QString FaultsPage::copyText() const
{
    return FaultSheet::copyText(entries(), m_vehicle, m_context.FaultCodes, m_context.English());
}

std::optional<QString> FaultsPage::report(const char* nothingText)
{
    const QStringList list = entries();
    if (list.size() < 2) {
        m_context.ShowError(Texts::text(nothingText));
        return std::nullopt;
    }
    if (!m_vehicle) {
        m_context.ShowError(Texts::text(Texts::ResultWithoutVehicle));
        return std::nullopt;
    }
    const QString reportTemplate = LanguageData::programFile(QStringLiteral("report.htm"));
    return FaultSheet::reportHtml(readTextFile(reportTemplate), list, *m_vehicle,
        m_context.FaultCodes, m_context.English(), sheetReport(),
        QFileInfo(reportTemplate).fileName());
}

SheetReport FaultsPage::sheetReport() const
{
    const ReportWorkshop workshop = m_context.Workshop();
    const QString none = Texts::text(Texts::NoData);
    SheetReport r;
    r.Workshop = workshop.Name;
    r.Contacts = workshop.Contacts;
    r.CalID = m_calibration.isEmpty() ? none : m_calibration;
    r.Ecu = formatCalibrationRecord(m_context.Ecu, m_calibration);
    r.Firmware = m_moduleVersion.isEmpty() ? none : m_moduleVersion;
    r.History = VisitHistory::text(
        VisitHistory::earlier(VisitHistory::load(historyFile()), m_resultTime, ReportedVisits));
    if (r.History.isEmpty())
        r.History = Texts::text(Texts::NoEarlierVisits);
    return r;
}

QString FaultsPage::vehicleFolder() const
{
    return QDir(documentsDir())
        .filePath(QStringLiteral("Reports/") + FaultSheet::folderName(m_vehicle->Name));
}

QString FaultsPage::historyFile() const
{
    return vehicleFolder() + QLatin1Char('/') + QLatin1String(VisitHistory::FileName);
}

QString FaultsPage::reportFolder() const
{
    const QString folder = vehicleFolder();
    if (!QDir().mkpath(folder))
        throw VeskorError(Texts::text(Texts::ReportFolderFailed).arg(folder));
    return folder;
}

QString FaultsPage::saveReport()
{
    const std::optional<QString> html = report(Texts::NothingToSave);
    if (!html)
        return {};
    const QString path = reportFolder() + QLatin1Char('/')
        + FaultSheet::reportFileName(QDateTime::currentDateTime());
    writeFileAtomically(path, FaultSheet::reportBytes(*html));
    m_kept = true;
    emit notice(FaultOutcome::stamped(
        QDateTime::currentDateTime(), Texts::text(Texts::ReportSaved).arg(path)));
    if (!m_context.Ask->openExternally(QUrl::fromLocalFile(path)))
        m_context.ShowError(Texts::text(Texts::OpenFailed).arg(path));
    return path;
}

QString FaultsPage::saveReportPdf(const QString& target)
{
    const std::optional<QString> html = report(Texts::NothingToSave);
    if (!html)
        return {};
    QString path = target;
    if (path.isEmpty()) {
        FileRequest request;
        request.Save = true;
        request.Title = Texts::text(Texts::ReportPdfTitle);
        request.Folder = reportFolder();
        request.Name = StampedName::fileName(QDateTime::currentDateTime(), QStringLiteral("pdf"));
        request.Filter = Texts::text(Texts::ReportPdfFilter);
        request.Suffix = QStringLiteral("pdf");
        path = m_context.Ask->chooseFile(window(), request);
        if (path.isEmpty())
            return {};
    }
    // Laid out in memory and written in one piece: a failed write leaves no half a PDF.
    writeFileAtomically(path, FaultSheet::reportPdf(*html));
    m_kept = true;
    emit notice(FaultOutcome::stamped(
        QDateTime::currentDateTime(), Texts::text(Texts::ReportPdfSaved).arg(path)));
    return path;
}

bool FaultsPage::printReport()
{
    const std::optional<QString> html = report(Texts::NothingToPrint);
    if (!html)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window());
    if (!m_context.Ask->runDialog(dialog))
        return false;
    FaultSheet::printReport(*html, printer);
    const QString where
        = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    if (printer.printerState() == QPrinter::Error) {
        const QString text = Texts::text(Texts::ReportNotPrinted).arg(where);
        emit notice(FaultOutcome::stamped(QDateTime::currentDateTime(), text));
        m_context.ShowError(text);
        return false;
    }
    m_kept = true;
    emit notice(FaultOutcome::stamped(
        QDateTime::currentDateTime(), Texts::text(Texts::ReportPrinted).arg(where)));
    return true;
}
