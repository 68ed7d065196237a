// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Настройки": the port settings the link reads when it opens the port, the
// description language and table contrast, the workshop named in reports, the module's two
// options, the firmware update and the units.
#pragma once

#include "common/Units.h"
#include "link/FirmwareProgress.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
struct ReaderContext;

class OptionsPage : public QWidget {
    Q_OBJECT

public:
    // connect: the window's acConnect, which the page's "Подключить" button uses.
    OptionsPage(ReaderContext& context, QAction* connect, QWidget* parent = nullptr);

    QComboBox* port() const { return cbPort; }
    QComboBox* speed() const { return cbSpeed; }
    QCheckBox* autoConnect() const { return cbAutoConnect; }
    QCheckBox* autoReconnect() const { return cbAutoReconnect; }
    QCheckBox* bluetoothDelay() const { return cbBluetoothDelay; }
    QCheckBox* recordSessions() const { return cbRecordSessions; }
    // Opens the list of the current vehicle's recordings (the window does).
    QPushButton* recordingsButton() const { return btnRecordings; }
    // The folder of reports, recordings and dumps, as the page shows it.
    void showDocumentsFolder(const QString& folder);
    QSpinBox* contrast() const { return speContrast; }
    // The workshop that heads every report.
    QLineEdit* workshopName() const { return edWorkshopName; }
    QLineEdit* workshopContacts() const { return edWorkshopContacts; }
    bool english() const;
    // The window's language as reader.ini keeps it: "ru", "en", or empty for the system's.
    QString language() const;
    void setLanguage(const QString& code);
    // The units group: what it shows, and the choice it makes (applied at the next start).
    void setUnits(const UnitChoice& choice);
    UnitChoice units() const;
    QAction* readOptions() const { return acReadOptions; }

    // evOptions (0): the boxes show the option bytes the link read; saving is possible.
    void showModuleOptions(int8_t speedByte, int8_t formatByte);
    // evFirmware: the progress bar follows the update.
    void showFirmware(const FirmwareProgress& progress);

signals:
    void portSettingsChanged();
    // The user chose another folder for reports, recordings and dumps.
    void documentsFolderChosen(const QString& folder);

private:
    QWidget* portGroup(QAction* connect);
    QWidget* interfaceGroup();
    QWidget* workshopGroup();
    QWidget* moduleGroup();
    QWidget* firmwareGroup();
    QWidget* unitsGroup();
    void applyOptions();
    void chooseDocumentsFolder();
    void flashFirmware();

    ReaderContext& m_context;
    QComboBox* cbPort;
    QComboBox* cbSpeed;
    QCheckBox* cbAutoConnect;
    QCheckBox* cbAutoReconnect;
    QCheckBox* cbBluetoothDelay;
    QCheckBox* cbRecordSessions;
    QPushButton* btnRecordings;
    QLineEdit* edDocumentsFolder;
    QComboBox* cbDescLang;
    QComboBox* cbLanguage;
    QLabel* laLanguageNote;
    QSpinBox* speContrast;
    QLineEdit* edWorkshopName;
    QLineEdit* edWorkshopContacts;
    QComboBox* cbEECSpeed;
    QComboBox* cbDataFormat;
    QAction* acReadOptions;
    QAction* acApplyOptions;
    QProgressBar* pbFw;
    QPushButton* btnFlashFirmware;
    QComboBox* cbUnitSystem;
    QComboBox* cbUnitTemperature;
    QComboBox* cbUnitSpeed;
    QComboBox* cbUnitPressure;
};
