// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Данные": the toolbar tbReadData with start and stop of the live data and the
// profile box cbProfile, and the dashboard panel pnBlack that shows the chosen profile.
#pragma once

#include "link/LinkTypes.h"
#include "profiles/TProfileList.h"
#include "ui/model/PidStatistics.h"
#include "ui/model/StreamRate.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QGraphicsProxyWidget;
class QGraphicsView;
class LiveMeasure;
class TFordData;
class TFordPanel;
struct ReaderContext;

class LiveDataPage : public QWidget {
    Q_OBJECT

public:
    // profileOwner: the main window, owner of the profiles.
    LiveDataPage(ReaderContext& context, QObject* profileOwner, QWidget* parent = nullptr);

    // The shipped dashboard shown when no saved one is found.
    static constexpr const char* DefaultProfile = "main.ini";

    // Reads the header of every profile in folder and shows the one named current, or the
    // default dashboard when current names none. The definition errors of the load come
    // back as one list.
    int loadProfiles(const QString& folder, const QString& current, QStringList& errors);
    // Shows the profile in file, taken into the list when it lies outside the folder;
    // false when there is no such file.
    bool showProfileFile(const QString& file, QStringList& errors);
    TProfileList& profiles() { return m_profiles; }
    // "Старт чтения": an error and nothing posted without a profile.
    void startData();
    // Measures the time from a word's arrival to the paint of its gauge; null stops it.
    void setMeasure(LiveMeasure* measure);
    TFordPanel* panel() const { return pnBlack; }
    // "Старт чтения" and "Стоп чтения", which the trends page shows as well.
    QAction* startAction() const { return acStartData; }
    QAction* stopAction() const { return acStopData; }
    // Feeds the live words of position 2 to 5 to the dashboard as their PIDs' values.
    void showWords(const Link::WordBatch& batch);
    // The scale the dashboard is drawn at: fitted to the page, or 1 when shown 1:1.
    double dashboardScale() const;
    // Sizes the dashboard to its widgets and scales it to the page (or 1:1).
    void layoutDashboard();
    // The developer's items: the link's test signal, and its history into dumpdata.txt.
    QAction* testSignalAction() const { return acTestSignal; }
    QAction* dumpAction() const { return acDumpTestData; }
    // "Во весь экран" (F11): the window shows the dashboard alone.
    QAction* fullScreenAction() const { return acFullScreen; }
    const PidStatistics& statistics() const { return m_statistics; }
    // The PIDs the active dashboard shows (its widgets' and its trends'), in its order.
    QList<uint8_t> shownPids() const;
    QGraphicsView* view() const { return m_view; }
    // A view of a dashboard's scene as the page draws it, and its scale: fitted whole and
    // centred, or 1:1 with scroll bars.
    static void setUpView(QGraphicsView* view);
    static void fitView(QGraphicsView* view, bool fit);
    // Puts a bar (the replay's transport bar) under the toolbar.
    void insertBar(QWidget* bar);

signals:
    // "Открыть запись...": the user asks for a recorded session.
    void openRecordingRequested();
    // The stream's readouts: the interval between frames and the most bytes a receive
    // call found waiting.
    void streamReadouts(const QString& interval, const QString& depth);
    // A shown value reached a warning or alarm limit (level as ValueLimits::Level) at the
    // store's time; the page's own trends are marked already.
    void limitReached(quint8 pid, float value, int level, quint32 time);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchLimits();
    void onLimitLevel(quint8 pid, float value, int level);
    // "dump": the recorded history of PID 255 into dumpdata.txt in the program folder.
    void dumpTestData();
    void watchGauges();
    // Lays the dashboard out now and again once its widgets have shown themselves.
    void layoutDashboardSoon();
    // Shows the profile; its definition errors come as one list.
    void selectProfile(int index);
    // Runs work with the definition errors collected rather than shown one by one.
    static QStringList collectErrors(const std::function<void()>& work);

    ReaderContext& m_context;
    TProfileList m_profiles;
    QComboBox* cbProfile;
    QSizeF dashboardSize() const;
    // A word of the live stream: the interval and depth readouts follow complete cycles.
    void noteStreamWords(const Link::WordBatch& batch);

    TFordPanel* pnBlack;
    QAction* acStartData;
    QAction* acStopData;
    QAction* acFitDashboard;
    QAction* acFullScreen;
    QAction* acTestSignal;
    QAction* acDumpTestData;
    QGraphicsView* m_view;
    QGraphicsProxyWidget* m_proxy;
    StreamRate m_rate;
    PidStatistics m_statistics;
    QElapsedTimer m_clock;
    // The readouts change at most four times a second: faster than that nobody reads them,
    // and each new text lays out the window's bar anew.
    static constexpr int ReadoutRefreshMs = 250;
    QElapsedTimer m_readoutsShown;
    LiveMeasure* m_measure = nullptr;
};
