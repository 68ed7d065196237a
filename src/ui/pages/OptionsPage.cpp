// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "OptionsPage.h"

#include "common/Texts.h"
#include "common/UiLanguage.h"
#include "link/ModuleOption.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/MemoryView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QGroupBox* group(const char* title, QWidget* parent)
{
    auto* box = new QGroupBox(Texts::text(title), parent);
    QFont f = box->font();
    f.setBold(true);
    box->setFont(f);
    return box;
}

// The controls inside a bold group keep the normal font.
template <typename W> W* plain(W* widget)
{
    QFont f = widget->font();
    f.setBold(false);
    widget->setFont(f);
    return widget;
}

// A quantity's box: "as the system" first, then its units; each item carries its unit.
QComboBox* unitBox(const char* name, std::initializer_list<Unit> units, QWidget* parent)
{
    auto* box = plain(new QComboBox(parent));
    box->setObjectName(QLatin1String(name));
    box->addItem(Texts::text(Texts::UnitFollowsSystem));
    for (const Unit unit : units)
        box->addItem(Units::text(unit), int(unit));
    return box;
}

void selectUnit(QComboBox* box, const std::optional<Unit>& unit)
{
    const int index = unit ? box->findData(int(*unit)) : 0;
    box->setCurrentIndex(index < 0 ? 0 : index);
}

std::optional<Unit> selectedUnit(const QComboBox* box)
{
    const QVariant data = box->currentData();
    return data.isValid() ? std::optional(Unit(data.toInt())) : std::nullopt;
}

QToolButton* actionButton(QAction* action, QWidget* parent)
{
    auto* button = plain(new QToolButton(parent));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(100);
    return button;
}

} // namespace

OptionsPage::OptionsPage(ReaderContext& context, QAction* connect, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabOptions"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(portGroup(connect));
    left->addWidget(interfaceGroup());
    left->addWidget(workshopGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(moduleGroup());
    right->addWidget(firmwareGroup());
    right->addWidget(unitsGroup());
    right->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns);
    layout->addStretch();
}

QWidget* OptionsPage::portGroup(QAction* connectAction)
{
    QGroupBox* box = group(Texts::GroupPort, this);
    auto* form = new QFormLayout(box);
    cbPort = plain(new QComboBox(box));
    cbPort->setObjectName(QStringLiteral("cbPort"));
    cbPort->setEditable(true);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        cbPort->addItem(info.portName());
    cbPort->addItem(QLatin1String(LinkController::SimulatorPort));
    cbPort->setCurrentIndex(-1);
    cbPort->setEditText(QString());
    cbSpeed = plain(new QComboBox(box));
    cbSpeed->setObjectName(QStringLiteral("cbSpeed"));
    cbSpeed->addItems({ "9600", "19200", "38400", "57600", "115200" });
    cbSpeed->setCurrentIndex(-1);
    cbSpeed->setToolTip(Texts::text(Texts::HintSpeed));
    cbAutoConnect = plain(new QCheckBox(Texts::text(Texts::OptAutoConnect), box));
    cbAutoConnect->setObjectName(QStringLiteral("cbAutoConnect"));
    cbAutoConnect->setChecked(true);
    cbAutoReconnect = plain(new QCheckBox(Texts::text(Texts::OptAutoReconnect), box));
    cbAutoReconnect->setObjectName(QStringLiteral("cbAutoReconnect"));
    cbAutoReconnect->setToolTip(Texts::text(Texts::HintAutoReconnect));
    cbAutoReconnect->setChecked(true);
    cbBluetoothDelay = plain(new QCheckBox(Texts::text(Texts::OptBluetooth), box));
    cbBluetoothDelay->setObjectName(QStringLiteral("cbBluetoothDelay"));
    cbBluetoothDelay->setToolTip(Texts::text(Texts::HintBluetooth));
    form->addRow(plain(new QLabel(Texts::text(Texts::OptPort), box)), cbPort);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptSpeed), box)), cbSpeed);
    form->addRow(QString(), cbAutoConnect);
    form->addRow(QString(), cbAutoReconnect);
    form->addRow(QString(), cbBluetoothDelay);
    form->addRow(QString(), actionButton(connectAction, box));
    connect(cbPort, &QComboBox::editTextChanged, this, &OptionsPage::portSettingsChanged);
    connect(cbSpeed, &QComboBox::currentIndexChanged, this, &OptionsPage::portSettingsChanged);
    connect(cbBluetoothDelay, &QCheckBox::toggled, this, &OptionsPage::portSettingsChanged);
    return box;
}

QWidget* OptionsPage::interfaceGroup()
{
    QGroupBox* box = group(Texts::GroupInterface, this);
    auto* form = new QFormLayout(box);
    cbDescLang = plain(new QComboBox(box));
    cbDescLang->setObjectName(QStringLiteral("cbDescLang"));
    cbDescLang->addItems({ Texts::text(Texts::LangRussian), Texts::text(Texts::LangEnglish) });
    // The codes are described in the window's language unless the mechanic asks otherwise.
    cbDescLang->setCurrentIndex(Languages::current() == UiLanguage::English ? 1 : 0);
    cbLanguage = plain(new QComboBox(box));
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage->addItem(Texts::text(Texts::LanguageSystem), QString());
    cbLanguage->addItem(Texts::text(Texts::LanguageRussian), Languages::code(UiLanguage::Russian));
    cbLanguage->addItem(Texts::text(Texts::LanguageEnglish), Languages::code(UiLanguage::English));
    laLanguageNote = plain(new QLabel(Texts::text(Texts::LanguageAtRestart), box));
    laLanguageNote->setObjectName(QStringLiteral("laLanguageNote"));
    laLanguageNote->setWordWrap(true);
    laLanguageNote->hide();
    // Texts are translated once, at start: the choice shows at the next one.
    connect(cbLanguage, &QComboBox::activated, laLanguageNote, &QLabel::show);
    speContrast = plain(new QSpinBox(box));
    speContrast->setObjectName(QStringLiteral("speContrast"));
    speContrast->setRange(0, 3000);
    speContrast->setSingleStep(50);
    speContrast->setValue(MemoryView::DefaultContrast);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptLanguage), box)), cbLanguage);
    form->addRow(QString(), laLanguageNote);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptDescLang), box)), cbDescLang);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptContrast), box)), speContrast);
    cbRecordSessions = plain(new QCheckBox(Texts::text(Texts::OptRecordSessions), box));
    cbRecordSessions->setObjectName(QStringLiteral("cbRecordSessions"));
    cbRecordSessions->setToolTip(Texts::text(Texts::HintRecordSessions));
    cbRecordSessions->setChecked(true);
    btnRecordings = plain(new QPushButton(Texts::text(Texts::ActRecordings), box));
    btnRecordings->setObjectName(QStringLiteral("btnRecordings"));
    form->addRow(cbRecordSessions, btnRecordings);
    edDocumentsFolder = plain(new QLineEdit(box));
    edDocumentsFolder->setObjectName(QStringLiteral("edDocumentsFolder"));
    edDocumentsFolder->setReadOnly(true);
    edDocumentsFolder->setToolTip(Texts::text(Texts::HintDocumentsFolder));
    auto* choose = plain(new QPushButton(Texts::text(Texts::ActChooseDocumentsFolder), box));
    choose->setObjectName(QStringLiteral("btnDocumentsFolder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edDocumentsFolder, 1);
    folderRow->addWidget(choose);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptDocumentsFolder), box)), folderRow);
    connect(choose, &QPushButton::clicked, this, &OptionsPage::chooseDocumentsFolder);
    return box;
}

void OptionsPage::showDocumentsFolder(const QString& folder)
{
    edDocumentsFolder->setText(QDir::toNativeSeparators(folder));
}

void OptionsPage::chooseDocumentsFolder()
{
    FileRequest request;
    request.ChooseFolder = true;
    request.Title = Texts::text(Texts::DocumentsFolderTitle);
    request.Folder = QDir::fromNativeSeparators(edDocumentsFolder->text());
    const QString folder = m_context.Ask->chooseFile(window(), request);
    if (folder.isEmpty())
        return;
    showDocumentsFolder(folder);
    emit documentsFolderChosen(folder);
}

QWidget* OptionsPage::workshopGroup()
{
    QGroupBox* box = group(Texts::GroupWorkshop, this);
    box->setToolTip(Texts::text(Texts::HintWorkshop));
    auto* form = new QFormLayout(box);
    edWorkshopName = plain(new QLineEdit(box));
    edWorkshopName->setObjectName(QStringLiteral("edWorkshopName"));
    edWorkshopContacts = plain(new QLineEdit(box));
    edWorkshopContacts->setObjectName(QStringLiteral("edWorkshopContacts"));
    form->addRow(plain(new QLabel(Texts::text(Texts::OptWorkshopName), box)), edWorkshopName);
    form->addRow(
        plain(new QLabel(Texts::text(Texts::OptWorkshopContacts), box)), edWorkshopContacts);
    return box;
}

QWidget* OptionsPage::moduleGroup()
{
    QGroupBox* box = group(Texts::GroupModule, this);
    auto* form = new QFormLayout(box);
    cbEECSpeed = plain(new QComboBox(box));
    cbEECSpeed->setObjectName(QStringLiteral("cbEECSpeed"));
    cbEECSpeed->addItems(ModuleOption::items(ModuleOption::Speed));
    cbEECSpeed->setCurrentIndex(-1);
    cbEECSpeed->setToolTip(Texts::text(Texts::HintEECSpeed));
    cbDataFormat = plain(new QComboBox(box));
    cbDataFormat->setObjectName(QStringLiteral("cbDataFormat"));
    cbDataFormat->addItems(ModuleOption::items(ModuleOption::Format));
    cbDataFormat->setCurrentIndex(-1);
    cbDataFormat->setToolTip(Texts::text(Texts::HintDataFormat));
    acReadOptions = new QAction(Texts::text(Texts::ActReadOptions), this);
    acReadOptions->setObjectName(QStringLiteral("acReadOptions"));
    acReadOptions->setToolTip(Texts::text(Texts::HintReadOptions));
    acReadOptions->setEnabled(false);
    acApplyOptions = new QAction(Texts::text(Texts::ActApplyOptions), this);
    acApplyOptions->setObjectName(QStringLiteral("acApplyOptions"));
    acApplyOptions->setToolTip(Texts::text(Texts::HintApplyOptions));
    acApplyOptions->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(actionButton(acReadOptions, box));
    buttons->addWidget(actionButton(acApplyOptions, box));
    buttons->addStretch();
    form->addRow(plain(new QLabel(ModuleOption::label(ModuleOption::Speed), box)), cbEECSpeed);
    form->addRow(plain(new QLabel(ModuleOption::label(ModuleOption::Format), box)), cbDataFormat);
    form->addRow(buttons);
    connect(acReadOptions, &QAction::triggered, this,
        [this] { m_context.Link->send(LinkCommands::ReadOptions {}); });
    connect(acApplyOptions, &QAction::triggered, this, &OptionsPage::applyOptions);
    m_context.Link->guard(acReadOptions);
    m_context.Link->guard(acApplyOptions);
    return box;
}

QWidget* OptionsPage::firmwareGroup()
{
    QGroupBox* box = group(Texts::GroupFirmware, this);
    box->setObjectName(QStringLiteral("gbFW"));
    auto* layout = new QVBoxLayout(box);
    pbFw = plain(new QProgressBar(box));
    pbFw->setObjectName(QStringLiteral("pbFw"));
    pbFw->setTextVisible(true);
    pbFw->hide();
    btnFlashFirmware = plain(new QPushButton(Texts::text(Texts::FlashFirmware), box));
    m_context.Link->guard(btnFlashFirmware);
    btnFlashFirmware->setObjectName(QStringLiteral("btnFlashFirmware"));
    auto* note = plain(new QLabel(Texts::text(Texts::FirmwareNote), box));
    note->setWordWrap(true);
    layout->addWidget(pbFw);
    layout->addWidget(btnFlashFirmware, 0, Qt::AlignLeft);
    layout->addWidget(note);
    connect(btnFlashFirmware, &QPushButton::clicked, this, &OptionsPage::flashFirmware);
    return box;
}

bool OptionsPage::english() const
{
    return cbDescLang->currentIndex() == 1;
}

QString OptionsPage::language() const
{
    return cbLanguage->currentData().toString();
}

void OptionsPage::setLanguage(const QString& code)
{
    const std::optional<UiLanguage> language = Languages::fromCode(code);
    cbLanguage->setCurrentIndex(language ? cbLanguage->findData(Languages::code(*language)) : 0);
}

void OptionsPage::showModuleOptions(int8_t speedByte, int8_t formatByte)
{
    cbEECSpeed->setCurrentIndex(
        ModuleOption::selectedItem(ModuleOption::Speed, uint8_t(speedByte)));
    cbDataFormat->setCurrentIndex(
        ModuleOption::selectedItem(ModuleOption::Format, uint8_t(formatByte)));
    acApplyOptions->setEnabled(true);
}

void OptionsPage::applyOptions()
{
    LinkCommands::WriteOptions write;
    write.Bytes[ModuleOption::Speed] = int8_t(cbEECSpeed->currentIndex());
    write.Bytes[ModuleOption::Format] = int8_t(cbDataFormat->currentIndex());
    m_context.Link->send(write);
}

void OptionsPage::flashFirmware()
{
    FileRequest request;
    request.Title = Texts::text(Texts::FirmwareDialogTitle);
    request.Filter = Texts::text(Texts::FirmwareFilter);
    const QString file = m_context.Ask->chooseFile(window(), request);
    if (file.isEmpty())
        return;
    m_context.Link->send(LinkCommands::FlashFirmware { file });
    btnFlashFirmware->setEnabled(false);
}

void OptionsPage::showFirmware(const FirmwareProgress& progress)
{
    pbFw->setVisible(progress.visible());
    pbFw->setMaximum(std::max(progress.maximum(), 1));
    pbFw->setValue(std::min(progress.position(), pbFw->maximum()));
    pbFw->setFormat(progress.caption());
    if (progress.finished())
        btnFlashFirmware->setEnabled(true);
}

QWidget* OptionsPage::unitsGroup()
{
    QGroupBox* box = group(Texts::GroupUnits, this);
    box->setObjectName(QStringLiteral("gbUnits"));
    auto* form = new QFormLayout(box);
    cbUnitSystem = plain(new QComboBox(box));
    cbUnitSystem->setObjectName(QStringLiteral("cbUnitSystem"));
    cbUnitSystem->addItems(
        { Texts::text(Texts::UnitSystemMetric), Texts::text(Texts::UnitSystemImperial) });
    cbUnitTemperature = unitBox("cbUnitTemperature", { Unit::Celsius, Unit::Fahrenheit }, box);
    cbUnitSpeed = unitBox("cbUnitSpeed", { Unit::KmPerHour, Unit::MilesPerHour }, box);
    cbUnitPressure
        = unitBox("cbUnitPressure", { Unit::KiloPascal, Unit::Psi, Unit::InchMercury }, box);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptUnitSystem), box)), cbUnitSystem);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptUnitTemperature), box)), cbUnitTemperature);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptUnitSpeed), box)), cbUnitSpeed);
    form->addRow(plain(new QLabel(Texts::text(Texts::OptUnitPressure), box)), cbUnitPressure);
    // The dashboards are built in the units of the start.
    auto* note = plain(new QLabel(Texts::text(Texts::UnitsNextStart), box));
    note->setWordWrap(true);
    form->addRow(note);
    return box;
}

void OptionsPage::setUnits(const UnitChoice& choice)
{
    cbUnitSystem->setCurrentIndex(choice.System == UnitSystem::Imperial ? 1 : 0);
    selectUnit(cbUnitTemperature, choice.Temperature);
    selectUnit(cbUnitSpeed, choice.Speed);
    selectUnit(cbUnitPressure, choice.Pressure);
}

UnitChoice OptionsPage::units() const
{
    UnitChoice choice;
    choice.System = cbUnitSystem->currentIndex() == 1 ? UnitSystem::Imperial : UnitSystem::Metric;
    choice.Temperature = selectedUnit(cbUnitTemperature);
    choice.Speed = selectedUnit(cbUnitSpeed);
    choice.Pressure = selectedUnit(cbUnitPressure);
    return choice;
}
