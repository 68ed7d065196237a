#include "FaultsPage.h"

#include "FaultRowDelegate.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/ProgramDir.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/CurrentVehicle.h"
#include "ui/model/FaultSheet.h"
#include "vehicles/VehicleListModel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

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
    layout->addWidget(tbFaultCodes);

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
    pnReadingFaults->setAlignment(Qt::AlignCenter);
    pnReadingFaults->setFrameShape(QFrame::Panel);
    pnReadingFaults->setFrameShadow(QFrame::Raised);
    pnReadingFaults->setAutoFillBackground(true);
    pnReadingFaults->resize(385, 81);
    pnReadingFaults->hide();

    connect(read, &QAction::triggered, this, [this] { readFaults('B'); });
    connect(clear, &QAction::triggered, this, [this] { readFaults('C'); });
    connect(test, &QAction::triggered, this, [this] { readFaults('D'); });
    connect(copy, &QAction::triggered, this, [this] {
        if (!entries().isEmpty())
            QGuiApplication::clipboard()->setText(copyText());
    });
    connect(report, &QAction::triggered, this, [this] {
        try {
            saveReport();
        } catch (const VeskorError& e) {
            m_context.ShowError(e.message());
        }
    });
}

void FaultsPage::readFaults(char letter)
{
    emit faultActionStarted();
    lbFaults->clear();
    m_context.Link->post(Link::cmdFaultTest, letter);
}

void FaultsPage::showOverlay()
{
    placeOverlay();
    pnReadingFaults->show();
    pnReadingFaults->raise();
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
}

void FaultsPage::ShowFaultCodes()
{
    pnReadingFaults->hide();
    const int current = m_context.currentVehicle();
    const LinkController* link = m_context.Link;
    lbFaults->addItems(
        FaultSheet::entries(current, [link](uint8_t slot) { return link->slotWordOf(slot); }));
    // The diagnosis of the current vehicle is now: its shown date and its record, saved.
    if (current >= 0 && current < m_context.Vehicles->rowCount()) {
        VehicleEntry e = m_context.Vehicles->entry(current);
        CurrentVehicle::stampDiagnosis(e, QDateTime::currentDateTime());
        m_context.Vehicles->replace(current, std::move(e));
        m_context.RegisterChanged();
    }
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
    const QStringList list = entries();
    return FaultSheet::copyText(list, FaultSheet::vehicleOf(list, m_context.Vehicles->vehicles()),
        m_context.FaultCodes, m_context.English());
}

QString FaultsPage::saveReport()
{
    const QStringList list = entries();
    const std::optional<SheetVehicle> vehicle
        = FaultSheet::vehicleOf(list, m_context.Vehicles->vehicles());
    if (list.size() < 2 || !vehicle)
        return {};
    const QString folder
        = programFile(QStringLiteral("Reports/") + FaultSheet::folderName(vehicle->Name));
    if (!QDir().mkpath(folder))
        return {};
    const QString html
        = FaultSheet::reportHtml(readTextFile(programFile(QStringLiteral("report.htm"))), list,
            *vehicle, m_context.FaultCodes, m_context.English());
    const QString path
        = folder + QLatin1Char('/') + FaultSheet::reportFileName(QDateTime::currentDateTime());
    writeFileAtomically(path, FaultSheet::reportBytes(html));
    m_context.Ask->openExternally(QUrl::fromLocalFile(path));
    return path;
}
