// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Автомобили": the vehicles list lvAutos with its toolbar, the ECU information
// pane of the selected vehicle behind a splitter, and the current-vehicle rules.
#pragma once

#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QSplitter;
class QTreeView;
class TfrmAddEditAuto;
struct ReaderContext;

class VehiclesPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinInfoPane = 165;

    VehiclesPage(ReaderContext& context, QWidget* parent = nullptr);

    // Refills the current-vehicle box from the list and selects the list's selected entry.
    void lvAutosChange();
    // Enables edit and delete with the selection and shows the ECU data of the row's code.
    void ShowVehicleInfo(int row, bool selected);
    // The dialog in add or edit mode; true when the user saved.
    bool EditVehicle(bool editMode, bool notice);
    // The vehicle whose calibration code the ECU reported becomes current. A code that no
    // vehicle has is a car new to the register: the add dialog offers it, once the link's
    // event is handled, with the code and its database record; an add dialog that waits
    // for a connected car's code (the notice's) takes it. realCar false: such a code is
    // neither offered nor written into the current vehicle (a simulated ECU is no car).
    void MatchCalibration(const QString& code, bool realCar = true);
    // WM_CHECK_REGISTER: an empty register opens the add dialog with its notice.
    void checkRegister();

    int infoPaneHeight() const;
    void setInfoPaneHeight(int height);
    int selectedRow() const;
    void selectRow(int row);

signals:
    // "Записи...": the recorded sessions of the selected vehicle are asked for.
    void recordingsRequested(const QString& vehicleName);

private:
    void buildInfoPane(QWidget* pane);
    void deleteVehicle();
    // Rebuilds the box's names; keeps its selection unless told which row to select.
    void refillCurrentList(int select);
    // True when a vehicle of the register carries the code.
    bool carried(const QString& code) const;
    // The connected car's code that no vehicle carries, if any is waiting for a dialog.
    QString unknownCode() const;
    // Opens the add dialog for the unknown code unless one is open or it was declined.
    void offerNewVehicle();
    void queueOffer();

    ReaderContext& m_context;
    QAction* acAddAuto;
    QAction* acEditAuto;
    QAction* acDeleteAuto;
    QAction* acVehicleRecordings;
    QTreeView* lvAutos;
    QSplitter* m_splitter;
    QWidget* pnCarInfo;
    std::array<QLabel*, 10> m_info {};
    // The vehicle dialog while it is open; m_awaitsCode when it is the add dialog with the
    // notice, which takes the code of a car that connects meanwhile.
    QPointer<TfrmAddEditAuto> m_dialog;
    bool m_awaitsCode = false;
    // The last code a real car reported that no vehicle carried then.
    QString m_reportedCode;
    // Codes whose add dialog the user cancelled: not offered again in this run.
    QSet<QString> m_declined;
    bool m_offerQueued = false;
};
