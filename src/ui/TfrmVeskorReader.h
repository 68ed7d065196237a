// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The main window: the frame (toolbar, pages, dock, status bar) and the order of work when
// it is created, first shown and closed. The pages keep their own controls and handlers.
#pragma once

#include "LinkController.h"
#include "ReaderContext.h"
#include "ui/model/DataSource.h"
#include "ui/model/LinkStatus.h"
#include "ui/model/ReaderSettings.h"

#include <QList>
#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>

class FaultsPage;
class FullScreenDashboard;
class HelpPage;
class LiveMeasure;
class LiveDataPage;
class LogPanel;
class MemoryPage;
class MatrixPanel;
class OptionsPage;
class QActionGroup;
class QComboBox;
class QDockWidget;
class QMenu;
class QTabWidget;
class SessionRecorder;
class ReplaySession;
class StatusBar;
class TrendsPage;
class VehicleListModel;
class VehiclesPage;

class TfrmVeskorReader : public QMainWindow {
    Q_OBJECT

public:
    struct Options {
        LinkController::Options Link;
        // The boxes and dialogs; the real ones when null.
        Prompts* Ask = nullptr;
        // Start with the built-in simulator as the port.
        bool Simulator = false;
        // Open on the live data page, connect, and start the stream once connected; with
        // the dashboard in LiveProfile when given.
        bool Live = false;
        QString LiveProfile;
        // Figures of the stream to collect (none when null).
        LiveMeasure* Measure = nullptr;
        // The clock a replayed recording runs on; a steady clock when empty.
        std::function<qint64()> ReplayClock;
        // The debug menu is shown (also with Debug=1 in reader.ini).
        bool Debug = false;
        // The available geometries of the screens, the primary first; the system's when
        // empty.
        QList<QRect> Screens;
    };

    static constexpr int InitialWidth = 954, InitialHeight = 643;
    static constexpr int MinWidth = 870, MinHeight = 570;
    // Posted to itself at the end of the first show.
    static constexpr QEvent::Type WM_CHECK_REGISTER = QEvent::Type(1283);
    static constexpr const char* DarkSkin = "Dark";

    explicit TfrmVeskorReader(const Options& options);
    ~TfrmVeskorReader() override;

    void AddToLog(const QString& text);
    LinkController& link() { return *m_link; }
    SessionRecorder& recorder() { return *m_recorder; }
    QTabWidget* pages() const { return m_pages; }
    FaultsPage* faultsPage() const { return m_faults; }
    VehiclesPage* vehiclesPage() const { return m_vehicles; }
    TrendsPage* trendsPage() const { return m_trends; }
    LiveDataPage* liveDataPage() const { return m_live; }
    ReplaySession* replay() const { return m_replay; }
    FullScreenDashboard* fullScreen() const { return m_fullScreen; }
    bool shown() const { return m_shown; }
    // False when closing could not write reader.ini or the register.
    bool savedAtClose() const { return m_savedAtClose; }
    // The names of the themes, as the "Скин" menu lists them.
    static QStringList skins();
    void applySkin(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void buildFrame();
    QWidget* buildToolbar();
    void buildDock();
    void buildPageActions();
    void loadRegister();
    // False when the register could not be written (the user has been told).
    bool saveRegister();
    void updatePortSettings();
    // The port in use is the built-in simulator (a demo run, or the port "sim").
    bool onSimulator() const;
    // Saved bounds onto the screens there are now, no larger than the screen they are on;
    // the minimum size gives way on a small screen. A screen narrower than
    // WindowBounds::PanelsMinScreenWidth starts without the side panels.
    void placeOnScreen(const QRect& bounds);
    void showPanels(bool shown);
    // The active dashboard alone on the window's screen, and back.
    void openFullScreen();
    ReaderSettings collectSettings() const;
    void warn(const QString& caption, const QString& text);
    // The problems of the data files read at start (codes.txt, CarProfiles.ini): each in
    // the log, and all of them in one box.
    void tellDataProblems();

    // The path of every word of the current source, the link's or a replayed recording's:
    // the matrix, and the dashboard while its page is on show.
    void showWords(const Link::WordBatch& batch);
    void buildReplay();
    void openRecordings(const QString& vehicleName);
    void onSlotsCleared();
    void onLinkEvent(const LinkReport& report);
    void EnableModuleActions(bool enabled);
    // The start option --live: the page, its dashboard, the connection.
    void startLive();
    void wireRecorder();
    void showRecordings();

    Options m_options;
    std::unique_ptr<Prompts> m_ownPrompts;
    ReaderContext m_context;
    VehicleListModel* m_vehicleList;
    std::unique_ptr<LinkController> m_link;
    std::unique_ptr<LiveSource> m_liveSource;
    std::unique_ptr<ReplaySource> m_replaySource;
    std::unique_ptr<DataFeed> m_feed;
    // After the link: it goes first, closing the recording under way.
    std::unique_ptr<SessionRecorder> m_recorder;
    LinkStatus m_status;
    ReaderSettings m_settings;
    bool m_shown = false;
    // --live: the stream starts at the first connection.
    bool m_startDataWhenConnected = false;
    bool m_closed = false;
    // FormCreate has put reader.ini's port settings on the options page.
    bool m_portSettingsRead = false;
    bool m_savedAtClose = true;
    // The window opened on a screen too narrow for the side panels.
    bool m_narrowScreen = false;
    // The register could not be read at start: it is not overwritten.
    bool m_registerUnreadable = false;
    // Found while codes.txt and CarProfiles.ini were read, told once the window shows.
    QStringList m_dataProblems;

    QComboBox* cbCurrentAuto = nullptr;
    QAction* acConnect = nullptr;
    QAction* acResetModule = nullptr;
    QAction* acDisconnect = nullptr;
    QAction* acShowPanels = nullptr;
    QMenu* m_debugMenu = nullptr;
    QAction* m_debugItem = nullptr;
    QMenu* m_skinMenu = nullptr;
    QActionGroup* m_skinGroup = nullptr;
    QString m_skin;
    QTabWidget* m_pages = nullptr;
    VehiclesPage* m_vehicles = nullptr;
    FaultsPage* m_faults = nullptr;
    LiveDataPage* m_live = nullptr;
    TrendsPage* m_trends = nullptr;
    MemoryPage* m_memory = nullptr;
    OptionsPage* m_optionsPage = nullptr;
    HelpPage* m_help = nullptr;
    MatrixPanel* m_matrix = nullptr;
    QDockWidget* m_matrixDock = nullptr;
    QDockWidget* m_logDock = nullptr;
    FullScreenDashboard* m_fullScreen = nullptr;
    LogPanel* m_log = nullptr;
    StatusBar* m_statusBar = nullptr;
    ReplaySession* m_replay = nullptr;
};
