// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A dashboard profile: one file in the folder Profiles that names the dashboard, picks the
// PID table and the background colour, and lists the widgets with their item definitions.
// It reads its header at start-up, builds its widgets the first time it is shown, and then
// only attaches them to the panel and detaches them again.
#pragma once

#include "profiles/ProfileFile.h"
#include "profiles/ProfileReport.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class TGaugeProfile : public QObject {
    Q_OBJECT

public:
    // A build stops creating widgets beyond this many, and applying definitions beyond
    // that many: a broken or hostile file must not take the program's memory or time.
    static constexpr int MaxWidgets = 256;
    static constexpr int MaxDefinitions = 100'000;
    // The images of one dashboard's widgets together: widgets past it are not built.
    static constexpr qint64 MaxImageBytes = 256LL * 1024 * 1024;

    // owner: the main window, among whose components definitions find references.
    explicit TGaugeProfile(QObject* owner = nullptr);
    ~TGaugeProfile() override;

    // Reads [Main]: Name, Table and BackgroundColor with their defaults (a missing file
    // gives all three).
    void LoadHeader(const QString& fileName, TFordPanel* panel);
    // Builds the widgets while there are none, then attaches them all to the panel.
    void Activate();
    // Detaches the widgets from their parent, last first.
    void Deactivate();

    QString FileName() const { return m_fileName; }
    TFordPanel* HostPanel() const { return m_panel; }
    QString ProfileName() const { return m_name; }
    QString Table() const { return m_table; }
    QString BackgroundColor() const { return m_background; }
    // The widgets this profile created, in creation order.
    QList<QObject*> Widgets() const;

    // The store that trend charts of this profile draw from (the link thread's).
    void setDataManager(TFordData* store) { m_store = store; }
    TFordData* dataManager() const { return m_store; }

    // The problems of the build, as they were handed to the report handler once; empty
    // before the first build and after a build without problems.
    const TProfileReport& report() const { return m_report; }

private:
    // False when the build ended early; the widgets made so far stay.
    bool build();
    bool buildInto(TProfileReport& report);
    void buildWidgets(
        const TProfileFile& file, const TProfileSection& gauges, TProfileReport& report);

    QString m_fileName;
    QPointer<TFordPanel> m_panel;
    QString m_name;
    QString m_table;
    QString m_background;
    QList<QPointer<QObject>> m_widgets;
    QPointer<TFordData> m_store;
    TProfileReport m_report;
    bool m_reportDelivered = false;
};
