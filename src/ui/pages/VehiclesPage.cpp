// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "VehiclesPage.h"

#include "common/Texts.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/CurrentVehicle.h"
#include "ui/model/VehicleEdit.h"
#include "vehicles/EcuInfo.h"
#include "vehicles/TfrmAddEditAuto.h"
#include "vehicles/VehicleListModel.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr const char* InfoNames[EcuInfo::FieldCount] = { "lbiModel", "lbiYears", "lbiDisp", "lbiHw",
    "lbiStrategy", "lbiProductCode", "lbiFINIS", "lbiCatchCode", "lbiCalID", "lbiPATS" };
constexpr int ColumnWidths[VehicleListModel::ColumnCount] = { 140, 100, 50, 130, 80, 140, 200 };

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

VehiclesPage::VehiclesPage(ReaderContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabAutos"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbAutos"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    acAddAuto = bar->addAction(Texts::text(Texts::ActAddAuto));
    acAddAuto->setObjectName(QStringLiteral("acAddAuto"));
    acEditAuto = bar->addAction(Texts::text(Texts::ActEditAuto));
    acEditAuto->setObjectName(QStringLiteral("acEditAuto"));
    acDeleteAuto = bar->addAction(Texts::text(Texts::ActDeleteAuto));
    acDeleteAuto->setObjectName(QStringLiteral("acDeleteAuto"));
    bar->addSeparator();
    acVehicleRecordings = bar->addAction(Texts::text(Texts::ActVehicleRecordings));
    acVehicleRecordings->setObjectName(QStringLiteral("acVehicleRecordings"));
    acVehicleRecordings->setToolTip(Texts::text(Texts::HintVehicleRecordings));
    acEditAuto->setEnabled(false);
    acDeleteAuto->setEnabled(false);
    acVehicleRecordings->setEnabled(false);
    layout->addWidget(bar);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("spCarInfo"));
    m_splitter->setChildrenCollapsible(false);
    lvAutos = new QTreeView(m_splitter);
    lvAutos->setObjectName(QStringLiteral("lvAutos"));
    lvAutos->setModel(context.Vehicles);
    lvAutos->setRootIsDecorated(false);
    lvAutos->setItemsExpandable(false);
    lvAutos->setUniformRowHeights(true);
    lvAutos->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvAutos->setSelectionMode(QAbstractItemView::SingleSelection);
    lvAutos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvAutos->header()->setStretchLastSection(true);
    // The widths of the list's design, widened where a caption would be cut.
    for (int c = 0; c < VehicleListModel::ColumnCount; ++c)
        lvAutos->setColumnWidth(c,
            std::max(ColumnWidths[c],
                lvAutos->header()->fontMetrics().horizontalAdvance(
                    context.Vehicles->headerData(c, Qt::Horizontal).toString())
                    + 16));
    pnCarInfo = new QWidget(m_splitter);
    pnCarInfo->setObjectName(QStringLiteral("pnCarInfo"));
    pnCarInfo->setMinimumHeight(MinInfoPane);
    buildInfoPane(pnCarInfo);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    layout->addWidget(m_splitter);
    setInfoPaneHeight(MinInfoPane);

    connect(acAddAuto, &QAction::triggered, this, [this] { EditVehicle(false, false); });
    connect(acEditAuto, &QAction::triggered, this, [this] { EditVehicle(true, false); });
    connect(acDeleteAuto, &QAction::triggered, this, &VehiclesPage::deleteVehicle);
    connect(acVehicleRecordings, &QAction::triggered, this, [this] {
        const int row = selectedRow();
        if (row >= 0 && row < m_context.Vehicles->rowCount())
            emit recordingsRequested(m_context.Vehicles->entry(row).Record.Name);
    });
    connect(lvAutos, &QTreeView::doubleClicked, acEditAuto, &QAction::trigger);
    connect(lvAutos->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection& deselected) {
            if (!deselected.isEmpty())
                ShowVehicleInfo(deselected.indexes().first().row(), false);
            if (!selected.isEmpty())
                ShowVehicleInfo(selected.indexes().first().row(), true);
            lvAutosChange();
        });
    // Rows added or removed change the list; the box follows its selection. A changed
    // text (a stamped date) only renames: the current vehicle stays.
    VehicleListModel* model = context.Vehicles;
    connect(model, &QAbstractItemModel::rowsInserted, this, &VehiclesPage::lvAutosChange);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &VehiclesPage::lvAutosChange);
    connect(model, &QAbstractItemModel::modelReset, this, &VehiclesPage::lvAutosChange);
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { refillCurrentList(-2); });
}

void VehiclesPage::buildInfoPane(QWidget* pane)
{
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(boldLabel(Texts::text(Texts::EcuInfoTitle), pane), 0, 0, 1, 4);
    const EcuInfo empty = ecuInfoFor(m_context.Ecu, QString());
    for (int i = 0; i < EcuInfo::FieldCount; ++i) {
        const int row = 1 + i % 5, column = (i / 5) * 2;
        auto* caption = new QLabel(Texts::text(empty.Fields[i].Caption), pane);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_info[i] = boldLabel(QString(), pane);
        m_info[i]->setObjectName(QLatin1String(InfoNames[i]));
        m_info[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, column);
        grid->addWidget(m_info[i], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);
}

int VehiclesPage::selectedRow() const
{
    const QModelIndexList rows = lvAutos->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void VehiclesPage::selectRow(int row)
{
    const QModelIndex index = m_context.Vehicles->index(row, 0);
    lvAutos->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lvAutos->setCurrentIndex(index);
}

void VehiclesPage::refillCurrentList(int select)
{
    QComboBox* box = m_context.CurrentAuto;
    const int keep = box->currentIndex();
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(m_context.Vehicles->vehicles().captions());
    box->setCurrentIndex(select == -2 ? keep : select);
}

void VehiclesPage::lvAutosChange()
{
    refillCurrentList(selectedRow());
}

void VehiclesPage::ShowVehicleInfo(int row, bool selected)
{
    acEditAuto->setEnabled(selected);
    acDeleteAuto->setEnabled(selected);
    acVehicleRecordings->setEnabled(selected);
    const QString calId = row >= 0 && row < m_context.Vehicles->rowCount()
        ? m_context.Vehicles->entry(row).Record.CalID
        : QString();
    const EcuInfo info = ecuInfoFor(m_context.Ecu, calId);
    for (int i = 0; i < EcuInfo::FieldCount; ++i)
        m_info[i]->setText(info.Fields[i].Value);
}

bool VehiclesPage::EditVehicle(bool editMode, bool notice)
{
    TfrmAddEditAuto dialog(window());
    dialog.setCarProfileNames(m_context.Cars.names());
    if (notice)
        dialog.showNotice();
    const int row = selectedRow();
    const bool editing = editMode && row >= 0;
    // The notice tells of a car that is connected: the dialog shows its code, now or
    // when it comes.
    const QString reported = notice && !editing ? unknownCode() : QString();
    if (!reported.isEmpty())
        dialog.showReportedCode(reported, ecuInfoFor(m_context.Ecu, reported));
    if (editing) {
        const VehicleEntry& e = m_context.Vehicles->entry(row);
        dialog.setName(e.Caption);
        dialog.setModel(e.SubItems[VehicleEntry::Model]);
        dialog.setYearText(e.SubItems[VehicleEntry::Year]);
        dialog.setVin(e.SubItems[VehicleEntry::VIN]);
        dialog.setPlate(e.SubItems[VehicleEntry::Plate]);
        dialog.setComment(e.SubItems[VehicleEntry::Comment]);
        dialog.setCalIdDisplay(e.Record.CalID);
        dialog.setCarProfile(e.Record.CarProfile);
    }
    m_dialog = &dialog;
    m_awaitsCode = notice && !editing;
    const bool saved = m_context.Ask->runDialog(dialog);
    m_dialog = nullptr;
    m_awaitsCode = false;
    // The code the dialog showed when it closed: one that came while it was open counts.
    const QString code = editing ? QString() : dialog.calId();
    if (!saved) {
        if (!code.isEmpty() && code == m_reportedCode)
            m_declined.insert(code);
        queueOffer();
        return false;
    }
    const VehicleEdit edit { dialog.name(), dialog.model(), dialog.yearText(), dialog.vin(),
        dialog.plate(), dialog.comment(), dialog.calIdEdit(), dialog.carProfile() };
    if (editing) {
        VehicleEntry e = m_context.Vehicles->entry(row);
        VehicleEdits::apply(e, edit);
        m_context.Vehicles->replace(row, std::move(e));
    } else {
        VehicleEntry e = VehicleEdits::newEntry(edit);
        // A code shown or typed in the add dialog belongs to the new car.
        e.Record.CalID = code;
        m_context.Vehicles->append(std::move(e));
    }
    m_context.RegisterChanged();
    // A vehicle added while none is selected becomes the selected (and current) one, so
    // that the pane and the calibration match have a vehicle to work with; so does the
    // connected car, whose record the pane then shows.
    if (selectedRow() < 0 || (!editing && !code.isEmpty()))
        selectRow(m_context.Vehicles->rowCount() - 1);
    else
        ShowVehicleInfo(selectedRow(), true);
    queueOffer();
    return true;
}

bool VehiclesPage::carried(const QString& code) const
{
    const VehicleRegister& vehicles = m_context.Vehicles->vehicles();
    for (int row = 0; row < vehicles.size(); ++row)
        if (vehicles.at(row).Record.CalID == code)
            return true;
    return false;
}

QString VehiclesPage::unknownCode() const
{
    return m_reportedCode.isEmpty() || carried(m_reportedCode) ? QString() : m_reportedCode;
}

void VehiclesPage::queueOffer()
{
    const QString code = unknownCode();
    if (code.isEmpty() || m_declined.contains(code) || m_offerQueued)
        return;
    m_offerQueued = true;
    // Not inside the link's event: the dialog's own event loop would run the link's
    // later events within this one.
    QTimer::singleShot(0, this, &VehiclesPage::offerNewVehicle);
}

void VehiclesPage::offerNewVehicle()
{
    m_offerQueued = false;
    const QString code = unknownCode();
    // Another dialog is open: the code waits until it closes (or goes into it).
    if (code.isEmpty() || m_declined.contains(code) || m_dialog)
        return;
    EditVehicle(false, true);
}

void VehiclesPage::deleteVehicle()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!m_context.Ask->confirm(
            window(), Texts::text(Texts::CaptionConfirm), Texts::text(Texts::DeleteAutoQuestion)))
        return;
    m_context.Vehicles->removeRows(row, 1);
    m_context.RegisterChanged();
}

void VehiclesPage::MatchCalibration(const QString& code, bool realCar)
{
    const CalibrationMatch match = CurrentVehicle::matchCalibration(
        m_context.Vehicles->vehicles(), m_context.currentVehicle(), code);
    if (realCar)
        m_reportedCode = code;
    switch (match.Result) {
    case CalibrationMatch::Keep:
        return;
    case CalibrationMatch::Select:
        selectRow(match.Row);
        return;
    case CalibrationMatch::Adopt: {
        if (!realCar) {
            ShowVehicleInfo(match.Row, true);
            return;
        }
        VehicleEntry e = m_context.Vehicles->entry(match.Row);
        e.Record.CalID = code;
        m_context.Vehicles->replace(match.Row, std::move(e));
        m_context.RegisterChanged();
        ShowVehicleInfo(match.Row, true);
        return;
    }
    case CalibrationMatch::NewVehicle:
        if (match.Row >= 0)
            ShowVehicleInfo(match.Row, true);
        if (!realCar)
            return;
        if (m_dialog && m_awaitsCode)
            m_dialog->showReportedCode(code, ecuInfoFor(m_context.Ecu, code));
        else
            queueOffer();
        return;
    }
}

void VehiclesPage::checkRegister()
{
    // A car that connected first has opened the dialog already.
    if (m_context.Vehicles->rowCount() == 0 && !m_dialog)
        EditVehicle(false, true);
}

int VehiclesPage::infoPaneHeight() const
{
    return m_splitter->sizes().value(1, MinInfoPane);
}

void VehiclesPage::setInfoPaneHeight(int height)
{
    height = std::max(height, MinInfoPane);
    const int total = std::max(m_splitter->height(), height + 100);
    m_splitter->setSizes({ total - height, height });
}
