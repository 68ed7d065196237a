// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The modal dialog that adds or edits one vehicle of the register. The caller fills the
// car-profile list and the fields, shows it, and reads the fields back after OK.
#pragma once

#include "EcuInfo.h"
#include "ModelNames.h"
#include "common/ProgramDir.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmAddEditAuto : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 513;
    static constexpr int ClientHeight = 505;
    static constexpr int NoticeWidth = 497;
    static constexpr int NoticeHeight = 57;
    static constexpr int NoticeGap = 10;
    static constexpr int FirstYear = 1980;
    static constexpr int LastYear = 2100;

    // Reads the model names; a missing file is reported in a message box owned by the
    // dialog, which then opens without model choices.
    explicit TfrmAddEditAuto(
        QWidget* parent = nullptr, const QString& modelsPath = programFile(ModelNamesFile));

    // Makes the dialog taller by the notice's height plus a gap and shows the notice
    // ("a vehicle not in the list has been connected") above the fields.
    void showNotice();

    void setCarProfileNames(const QStringList& names);
    // The chosen car profile's position, -1 when none is chosen.
    int carProfile() const;
    void setCarProfile(int position);

    QString name() const;
    void setName(const QString& name);
    QString model() const;
    void setModel(const QString& model);
    QString yearText() const;
    // A year outside 1980 to 2100 (as an older register may hold) is kept as it was
    // unless the user changes the year.
    void setYearText(const QString& year);
    QString vin() const;
    void setVin(const QString& vin);
    QString plate() const;
    void setPlate(const QString& plate);
    QString comment() const;
    void setComment(const QString& comment);

    // The stored calibration code that the dialog shows.
    void setCalIdDisplay(const QString& calId);
    // The code typed after "Редактировать"; empty keeps the stored code.
    QString calIdEdit() const;
    // The code the ECU reported, shown with its calibration database record (model,
    // years, displacement); the model field takes the record's model while it is empty.
    void showReportedCode(const QString& code, const EcuInfo& info);
    // The code the dialog ends with: the one typed after "Редактировать", else the shown.
    QString calId() const;

public slots:
    // Copies the shown code into the code field, shows the field over it and focuses it.
    void editCalId();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void loadModels(const QString& path);
    void warn(const QString& text);

    QLabel* stMsg = nullptr;
    QLineEdit* edName = nullptr;
    QComboBox* cbModel = nullptr;
    QLabel* lbiCalID = nullptr;
    QLineEdit* edCalID = nullptr;
    QPushButton* btnEditCalID = nullptr;
    QLabel* lbEcuRecordCaption = nullptr;
    QLabel* lbiEcuRecord = nullptr;
    QSpinBox* spYear = nullptr;
    QLineEdit* edVIN = nullptr;
    QLineEdit* edPlate = nullptr;
    QLineEdit* edComment = nullptr;
    QComboBox* cbProfile = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnCancel = nullptr;

    std::optional<QString> m_keptYearText; // an out-of-range year given by the caller, until edited
    bool m_centred = false;
};
