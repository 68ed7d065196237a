// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TfrmAddEditAuto.h"

#include "common/Errors.h"
#include "common/Texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

using Texts::text;

namespace {

constexpr int Margin = 8;

QLabel* caption(const char* textOfTable, QWidget* buddy)
{
    auto* label = new QLabel(text(textOfTable));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

template <typename W> W* named(W* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

} // namespace

TfrmAddEditAuto::TfrmAddEditAuto(QWidget* parent, const QString& modelsPath)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAddEditAuto"));
    setWindowTitle(text(Texts::AutoDialogCaption));
    buildControls();
    setFixedSize(ClientWidth, ClientHeight);
    loadModels(modelsPath);
}

void TfrmAddEditAuto::buildControls()
{
    // The group boxes' titles are bold; their contents keep the dialog's own font.
    QFont regular = font();
    regular.setBold(false);
    QFont bold = regular;
    bold.setBold(true);

    stMsg = named(new QLabel(text(Texts::AutoDialogNotice)), "stMsg");
    stMsg->setFixedSize(NoticeWidth, NoticeHeight);
    stMsg->setAlignment(Qt::AlignCenter);
    stMsg->setWordWrap(true);
    stMsg->setFrameStyle(QFrame::Box | QFrame::Plain);
    stMsg->setAutoFillBackground(true);
    stMsg->setBackgroundRole(QPalette::ToolTipBase);
    stMsg->setForegroundRole(QPalette::ToolTipText);
    stMsg->hide();

    edName = named(new QLineEdit, "edName");
    cbModel = named(new QComboBox, "cbModel");
    cbModel->setEditable(true);
    cbModel->setInsertPolicy(QComboBox::NoInsert);
    lbiCalID = named(new QLabel, "lbiCalID");
    lbiCalID->setFont(bold);
    edCalID = named(new QLineEdit, "edCalID");
    edCalID->setToolTip(text(Texts::AutoCalIDHint));
    // Only hexadecimal digits get in, typed or pasted.
    edCalID->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), edCalID));
    edCalID->hide();
    btnEditCalID = named(new QPushButton(text(Texts::AutoEditCalID)), "btnEditCalID");
    btnEditCalID->setAutoDefault(false);
    lbiEcuRecord = named(new QLabel, "lbiEcuRecord");
    lbiEcuRecord->setWordWrap(true);
    // As tall as its text: the group's spare height stays where it was without it.
    lbiEcuRecord->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    lbiEcuRecord->setTextInteractionFlags(Qt::TextSelectableByMouse);
    spYear = named(new QSpinBox, "spYear");
    spYear->setRange(FirstYear, LastYear);
    spYear->setValue(FirstYear);
    edVIN = named(new QLineEdit, "edVIN");
    edPlate = named(new QLineEdit, "edPlate");
    edComment = named(new QLineEdit, "edComment");
    cbProfile = named(new QComboBox, "cbProfile");
    btnSave = named(new QPushButton(text(Texts::AutoSave)), "btnSave");
    btnSave->setAutoDefault(false);
    btnCancel = named(new QPushButton(text(Texts::AutoCancel)), "btnCancel");
    btnCancel->setAutoDefault(false);

    auto* registration = named(new QGroupBox(text(Texts::AutoGroupRegistration)), "gbRegistration");
    registration->setFont(bold);
    auto* rows = new QGridLayout(registration);
    rows->setColumnStretch(1, 1);
    rows->addWidget(caption(Texts::AutoName, edName), 0, 0);
    rows->addWidget(edName, 0, 1, 1, 2);
    rows->addWidget(caption(Texts::AutoModel, cbModel), 1, 0);
    rows->addWidget(cbModel, 1, 1, 1, 2);
    rows->addWidget(caption(Texts::AutoCalID, edCalID), 2, 0);
    rows->addWidget(lbiCalID, 2, 1); // the code field lies over the label when revealed
    rows->addWidget(edCalID, 2, 1);
    rows->addWidget(btnEditCalID, 2, 2);
    // Shown only with a code the ECU reported.
    lbEcuRecordCaption = caption(Texts::AutoEcuRecord, lbiEcuRecord);
    rows->addWidget(lbEcuRecordCaption, 3, 0);
    rows->addWidget(lbiEcuRecord, 3, 1, 1, 2);
    lbEcuRecordCaption->hide();
    lbiEcuRecord->hide();
    rows->addWidget(caption(Texts::AutoYear, spYear), 4, 0);
    rows->addWidget(spYear, 4, 1, Qt::AlignLeft);
    rows->addWidget(caption(Texts::AutoVIN, edVIN), 5, 0);
    rows->addWidget(edVIN, 5, 1, 1, 2);
    rows->addWidget(caption(Texts::AutoPlate, edPlate), 6, 0);
    rows->addWidget(edPlate, 6, 1, 1, 2);
    rows->addWidget(caption(Texts::AutoComment, edComment), 7, 0);
    rows->addWidget(edComment, 7, 1, 1, 2);

    auto* technical = named(new QGroupBox(text(Texts::AutoGroupTechnical)), "gbTechnical");
    technical->setFont(bold);
    auto* techRows = new QGridLayout(technical);
    techRows->setColumnStretch(1, 1);
    techRows->addWidget(caption(Texts::AutoProfile, cbProfile), 0, 0);
    techRows->addWidget(cbProfile, 0, 1);

    for (QGroupBox* group : { registration, technical }) {
        for (QWidget* child : group->findChildren<QWidget*>())
            if (child != lbiCalID)
                child->setFont(regular);
    }
    // Both groups' captions share one width so the fields line up.
    const int captionWidth = QFontMetrics(regular).horizontalAdvance(text(Texts::AutoName)) * 2;
    rows->setColumnMinimumWidth(0, captionWidth);
    techRows->setColumnMinimumWidth(0, captionWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);

    // The notice takes the top when shown; the groups and buttons keep their distance to
    // the bottom edge, so a dialog made taller for the notice shows it above them.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(Margin, Margin, Margin, Margin);
    page->setSpacing(NoticeGap);
    page->addWidget(stMsg);
    page->addWidget(registration, 1);
    page->addWidget(technical);
    page->addLayout(buttons);

    connect(btnEditCalID, &QPushButton::clicked, this, &TfrmAddEditAuto::editCalId);
    connect(btnSave, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(spYear, &QSpinBox::textChanged, this, [this] { m_keptYearText.reset(); });
}

void TfrmAddEditAuto::loadModels(const QString& path)
{
    try {
        const auto names = loadModelNames(path);
        if (!names) {
            warn(text(Texts::ModelsFileMissing));
            return;
        }
        cbModel->addItems(*names);
        cbModel->setCurrentIndex(-1);
    } catch (const VeskorError& e) {
        warn(e.message());
    }
}

void TfrmAddEditAuto::warn(const QString& message)
{
    QMessageBox box(
        QMessageBox::Warning, text(Texts::CaptionError), message, QMessageBox::Ok, this);
    box.exec();
}

void TfrmAddEditAuto::showNotice()
{
    setFixedHeight(height() + NoticeHeight + NoticeGap);
    stMsg->show();
}

void TfrmAddEditAuto::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(s->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void TfrmAddEditAuto::editCalId()
{
    edCalID->setText(lbiCalID->text());
    edCalID->show();
    edCalID->raise();
    edCalID->setFocus();
}

void TfrmAddEditAuto::setCarProfileNames(const QStringList& names)
{
    cbProfile->clear();
    cbProfile->addItems(names);
    cbProfile->setCurrentIndex(-1);
}

int TfrmAddEditAuto::carProfile() const
{
    return cbProfile->currentIndex();
}

void TfrmAddEditAuto::setCarProfile(int position)
{
    cbProfile->setCurrentIndex(position >= 0 && position < cbProfile->count() ? position : -1);
}

QString TfrmAddEditAuto::name() const
{
    return edName->text();
}

void TfrmAddEditAuto::setName(const QString& name)
{
    edName->setText(name);
}

QString TfrmAddEditAuto::model() const
{
    return cbModel->currentText();
}

void TfrmAddEditAuto::setModel(const QString& model)
{
    cbModel->setEditText(model);
}

QString TfrmAddEditAuto::yearText() const
{
    return m_keptYearText.value_or(spYear->cleanText());
}

void TfrmAddEditAuto::setYearText(const QString& year)
{
    bool ok = false;
    const int value = year.trimmed().toInt(&ok);
    const bool inRange = ok && value >= FirstYear && value <= LastYear;
    {
        const QSignalBlocker quiet(spYear);
        spYear->setValue(inRange ? value : FirstYear);
    }
    if (inRange)
        m_keptYearText.reset();
    else
        m_keptYearText = year;
}

QString TfrmAddEditAuto::vin() const
{
    return edVIN->text();
}

void TfrmAddEditAuto::setVin(const QString& vin)
{
    edVIN->setText(vin);
}

QString TfrmAddEditAuto::plate() const
{
    return edPlate->text();
}

void TfrmAddEditAuto::setPlate(const QString& plate)
{
    edPlate->setText(plate);
}

QString TfrmAddEditAuto::comment() const
{
    return edComment->text();
}

void TfrmAddEditAuto::setComment(const QString& comment)
{
    edComment->setText(comment);
}

void TfrmAddEditAuto::setCalIdDisplay(const QString& calId)
{
    lbiCalID->setText(calId);
}

QString TfrmAddEditAuto::calIdEdit() const
{
    return edCalID->text();
}

void TfrmAddEditAuto::showReportedCode(const QString& code, const EcuInfo& info)
{
    lbiCalID->setText(code);
    lbiEcuRecord->setText(ecuSummary(info));
    lbEcuRecordCaption->show();
    lbiEcuRecord->show();
    // A car still blank takes the record's model and its first year ("1989-1993").
    if (info.Found && cbModel->currentText().isEmpty()) {
        cbModel->setEditText(info.Fields[EcuInfo::Model].Value);
        const int first
            = info.Fields[EcuInfo::Years].Value.section(QLatin1Char('-'), 0, 0).trimmed().toInt();
        if (spYear->value() == FirstYear && !m_keptYearText && first > FirstYear
            && first <= LastYear)
            spYear->setValue(first);
    }
}

QString TfrmAddEditAuto::calId() const
{
    return edCalID->isVisibleTo(this) && !edCalID->text().isEmpty() ? edCalID->text()
                                                                    : lbiCalID->text();
}
