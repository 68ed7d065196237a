// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Тренды": start and stop of the live data (the live page's actions), a
// navigation bar, the chart FT on the link's data store, the readout fvN and the button
// that shows the whole history. The chart draws the curves of the active dashboard's trend
// chart (engine speed, coolant temperature and throttle when it has none), and the window's
// test signal while that runs.
//
// The chart reads the store of the window's current data source: a replay's store of its
// own while one plays, the link's otherwise; on a switch it follows the new store's newest
// data, which a replay's clock ends at the play position.
#pragma once

#include "link/LinkTypes.h"

#include <QWidget>
#include <cstdint>

class LiveDataPage;
class QAction;
class TFordData;
class TFordTrend;
class TFordValue;
class WindowTestSignal;
struct ReaderContext;

class TrendsPage : public QWidget {
    Q_OBJECT

public:
    TrendsPage(ReaderContext& context, LiveDataPage* live, QWidget* parent = nullptr);

    TFordTrend* chart() const { return FT; }
    WindowTestSignal* testSignal() const { return m_testSignal; }
    // The window's test signal on and off, for the window's debug menu.
    QAction* testSignalAction() const { return m_testSignalAction; }
    // Takes the curves of the active dashboard's trend (or the default ones) again.
    void followProfile();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showStore(TFordData* store);
    void onWords(const Link::WordBatch& batch);
    void toggleTestSignal();
    void showWholeHistory();
    void setCurves();
    const TFordTrend* dashboardTrend() const;
    void showRightEdge();

    ReaderContext& m_context;
    LiveDataPage* m_live;
    TFordTrend* FT;
    TFordValue* fvN;
    WindowTestSignal* m_testSignal;
    QAction* m_testSignalAction = nullptr;
};
