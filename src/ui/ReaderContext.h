// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// What the pages share: the reference data, the vehicles list, the current-vehicle box,
// the link and the prompts. The window owns all of it and outlives the pages.
#pragma once

#include "vehicles/CarProfiles.h"
#include "vehicles/EcuProfiles.h"
#include "vehicles/FaultCodes.h"

#include <QString>
#include <functional>

class DataFeed;
class DataSource;
class LinkController;
class Prompts;
class QComboBox;
class VehicleListModel;

// The workshop that heads every report (the options page).
struct ReportWorkshop {
    QString Name;
    QString Contacts;
};

struct ReaderContext {
    FaultCodeDictionary FaultCodes;
    EcuProfiles Ecu;
    CarProfiles Cars;
    VehicleListModel* Vehicles = nullptr;
    // cbCurrentAuto: its selected index is the current vehicle.
    QComboBox* CurrentAuto = nullptr;
    // The link, through the window's policy: commands and what the link reports.
    LinkController* Link = nullptr;
    // The words the pages show: the link's stream or a replayed recording's.
    DataFeed* Feed = nullptr;
    // The link's own words: the calibration code and module version of the ECU the link
    // talks to, also while a recording plays.
    DataSource* Live = nullptr;
    Prompts* Ask = nullptr;
    // True when fault descriptions are to be shown in English (cbDescLang).
    std::function<bool()> English = [] { return false; };
    std::function<ReportWorkshop()> Workshop = [] { return ReportWorkshop {}; };
    // Called after every change of the register, which is then saved.
    std::function<void()> RegisterChanged = [] {};
    // Shows an error that an action did not handle (the general error display).
    std::function<void(const QString&)> ShowError = [](const QString&) {};

    int currentVehicle() const;
};
