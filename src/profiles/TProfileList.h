// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The main window's list of dashboard profiles: one per file in the Profiles folder, in
// the order the file system gives them, each with its header read; the one named by the
// saved setting is shown at start, and picking one shows it and hides all others.
#pragma once

#include "profiles/TGaugeProfile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TProfileList {
public:
    // owner: the main window, owner of every profile (definitions find components in it).
    explicit TProfileList(QObject* owner = nullptr)
        : m_owner(owner)
    {
    }

    // Reads the header of every "*.ini" in folder for the panel; trend charts will draw from
    // store. The profile whose file name equals current exactly (case counts) is activated
    // and selected. Returns the number of profiles found.
    int load(const QString& folder, TFordPanel* panel, TFordData* store, const QString& current);
    // Appends the profile in file (one outside the folder, named on the command line);
    // returns its index.
    int add(const QString& file, TFordPanel* panel, TFordData* store);
    // Activates the profile at index and deactivates every other one.
    void select(int index);
    // Points the trend charts of every profile, built or still to be built, at store: a
    // replayed recording's while it plays, the link's again afterwards.
    void setDataManager(TFordData* store);

    int count() const { return int(m_profiles.size()); }
    TGaugeProfile* at(int index) const;
    // The display names, in list order (the profile box's entries).
    QStringList names() const;
    int selectedIndex() const { return m_selected; }
    TGaugeProfile* selected() const { return at(m_selected); }
    // The selected profile's file name without its folder (the setting to save); empty when
    // none is selected.
    QString selectedFileName() const;
    // The index of the profile whose file name (without folder) is name, whatever its
    // case; -1 when none is.
    int indexOfFile(const QString& name) const;

private:
    QObject* m_owner;
    std::vector<std::unique_ptr<TGaugeProfile>> m_profiles;
    int m_selected = -1;
};
