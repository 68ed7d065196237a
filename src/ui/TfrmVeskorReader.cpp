// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TfrmVeskorReader.h"

#include "ProgramIcon.h"
#include "Prompts.h"
#include "RecordingsDialog.h"
#include "ReplaySession.h"
#include "StatusBar.h"
#include "common/Errors.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/Placeholders.h"
#include "common/ProgramDir.h"
#include "common/Texts.h"
#include "common/Units.h"
#include "common/Version.h"
#include "common/WordPacket.h"
#include "dock/LogPanel.h"
#include "dock/MatrixPanel.h"
#include "link/ModuleOption.h"
#include "model/LiveMeasure.h"
#include "pages/FaultsPage.h"
#include "pages/FullScreenDashboard.h"
#include "pages/HelpPage.h"
#include "pages/LiveDataPage.h"
#include "pages/MemoryPage.h"
#include "pages/OptionsPage.h"
#include "pages/TrendsPage.h"
#include "pages/VehiclesPage.h"
#include "profiles/ProfileClasses.h"
#include "profiles/TFordTrend.h"
#include "store/PidTable.h"
#include "store/TFordData.h"
#include "ui/model/SessionRecorder.h"
#include "ui/model/WindowBounds.h"
#include "vehicles/EcuDatabase.h"
#include "vehicles/EcuInfo.h"
#include "vehicles/RegisterFile.h"
#include "vehicles/RegisterImport.h"
#include "vehicles/VehicleListModel.h"
#include "widgets/ValueLimits.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 47, 52), base(30, 31, 35), text(225, 228, 232);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(110, 170, 255));
    p.setColor(QPalette::Highlight, QColor(60, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Mid, QColor(90, 92, 98));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        p.setColor(QPalette::Disabled, role, QColor(120, 122, 128));
    return p;
}

} // namespace

TfrmVeskorReader::TfrmVeskorReader(const Options& options)
    : m_options(options)
{
    if (!m_options.Ask) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        m_options.Ask = m_ownPrompts.get();
    }
    setObjectName(QStringLiteral("frmVeskorReader"));
    setWindowTitle(Texts::text(Texts::MainCaption).arg(programVersion()));
    setWindowIcon(programIcon());
    resize(InitialWidth, InitialHeight);
    setMinimumSize(MinWidth, MinHeight);
    m_vehicleList = new VehicleListModel(this);
    m_context.Vehicles = m_vehicleList;
    m_context.Ask = m_options.Ask;
    m_context.ShowError
        = [this](const QString& text) { warn(Texts::text(Texts::CaptionError), text); };
    m_context.RegisterChanged = [this] { saveRegister(); };
    // The link and the feed exist before the pages, which take them as they are built.
    m_link = std::make_unique<LinkController>(m_options.Link, this);
    m_context.Link = m_link.get();
    m_liveSource = std::make_unique<LiveSource>(m_link->session(),
        [link = m_link.get()](const LinkCommand& command) { link->send(command); });
    m_feed = std::make_unique<DataFeed>(*m_liveSource);
    m_context.Feed = m_feed.get();
    m_context.Live = m_liveSource.get();
    buildFrame();
    FormCreate();
}

TfrmVeskorReader::~TfrmVeskorReader()
{
    // The pages hold the link in their context: they go before it.
    delete m_pages;
    m_pages = nullptr;
}

void TfrmVeskorReader::warn(const QString& caption, const QString& text)
{
    m_context.Ask->warning(this, caption, text);
}

// ---- The frame ---------------------------------------------------------------------------

void TfrmVeskorReader::buildFrame()
{
    acConnect = new QAction(Texts::text(Texts::ActConnect), this);
    acConnect->setObjectName(QStringLiteral("acConnect"));
    acResetModule = new QAction(Texts::text(Texts::ActResetModule), this);
    acResetModule->setObjectName(QStringLiteral("acResetModule"));
    acResetModule->setToolTip(Texts::text(Texts::HintResetModule));
    acDisconnect = new QAction(Texts::text(Texts::ActDisconnect), this);
    acDisconnect->setObjectName(QStringLiteral("acDisconnect"));
    acDisconnect->setToolTip(Texts::text(Texts::HintDisconnect));
    connect(acConnect, &QAction::triggered, this, [this] {
        AddToLog(Texts::text(Texts::LogConnecting));
        acConnect->setEnabled(false);
        updatePortSettings();
        m_link->send(LinkCommands::Connect { true });
    });
    connect(acDisconnect, &QAction::triggered, this, [this] {
        acDisconnect->setEnabled(false);
        m_link->session().cancelConnect();
        m_link->send(LinkCommands::Disconnect {});
    });
    connect(acResetModule, &QAction::triggered, this,
        [this] { m_link->send(LinkCommands::ResetModule {}); });
    for (QObject* control : { acConnect, acResetModule, acDisconnect })
        m_link->guard(control);
    buildToolbar();

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcMain"));
    m_vehicles = new VehiclesPage(m_context, m_pages);
    m_faults = new FaultsPage(m_context, m_pages);
    m_live = new LiveDataPage(m_context, this, m_pages);
    m_trends = new TrendsPage(m_context, m_live, m_pages);
    m_memory = new MemoryPage(m_context, m_pages);
    m_optionsPage = new OptionsPage(m_context, acConnect, m_pages);
    m_help = new HelpPage(m_context, m_pages);
    m_pages->addTab(m_vehicles, Texts::text(Texts::PageVehicles));
    m_pages->addTab(m_faults, Texts::text(Texts::PageFaults));
    m_pages->addTab(m_live, Texts::text(Texts::PageLiveData));
    m_pages->addTab(m_trends, Texts::text(Texts::PageTrends));
    m_pages->addTab(m_memory, Texts::text(Texts::PageDump));
    m_pages->addTab(m_optionsPage, Texts::text(Texts::PageOptions));
    m_pages->addTab(m_help, Texts::text(Texts::PageHelp));
    setCentralWidget(m_pages);
    m_context.English = [this] { return m_optionsPage->english(); };
    m_context.Workshop = [this] {
        return ReportWorkshop { m_optionsPage->workshopName()->text(),
            m_optionsPage->workshopContacts()->text() };
    };
    connect(m_faults, &FaultsPage::faultActionStarted, this,
        [this] { m_pages->setCurrentWidget(m_faults); });
    connect(m_faults, &FaultsPage::notice, this, [this](const QString& text) {
        AddToLog(text);
        m_statusBar->showNotice(text);
    });
    m_memory->setContrast([this] { return m_optionsPage->contrast()->value(); });
    connect(m_memory, &MemoryPage::logLine, this, &TfrmVeskorReader::AddToLog);
    // Only once reader.ini is read: the built-in simulator starts at the first port settings
    // and keeps their speed.
    connect(m_optionsPage, &OptionsPage::portSettingsChanged, this, [this] {
        if (m_portSettingsRead)
            updatePortSettings();
    });
    m_debugMenu->addActions(
        { m_live->testSignalAction(), m_live->dumpAction(), m_trends->testSignalAction() });
    buildPageActions();
    buildDock();
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_fullScreen = new FullScreenDashboard(m_live->view(), this);
    QAction* fullScreen = m_live->fullScreenAction();
    // F11 from any page.
    addAction(fullScreen);
    connect(fullScreen, &QAction::triggered, this, &TfrmVeskorReader::openFullScreen);
    connect(m_fullScreen, &FullScreenDashboard::closed, this, [this] { activateWindow(); });
    connect(m_live, &LiveDataPage::streamReadouts, m_fullScreen,
        [this](const QString& interval) { m_fullScreen->showCycle(interval); });
}

QWidget* TfrmVeskorReader::buildToolbar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbMain"));
    bar->setWindowTitle(Texts::text(Texts::AppTitle));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* caption = new QLabel(Texts::text(Texts::SelectedVehicle) + QLatin1Char(' '), bar);
    caption->setContentsMargins(6, 0, 0, 0);
    bar->addWidget(caption);
    cbCurrentAuto = new QComboBox(bar);
    cbCurrentAuto->setObjectName(QStringLiteral("cbCurrentAuto"));
    cbCurrentAuto->setMinimumWidth(220);
    cbCurrentAuto->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_context.CurrentAuto = cbCurrentAuto;
    bar->addWidget(cbCurrentAuto);
    bar->addSeparator();
    bar->addAction(acConnect);
    bar->addAction(acResetModule);
    bar->addAction(acDisconnect);
    bar->addSeparator();
    // Before the skin: on a small screen the bar's end goes into its overflow menu.
    acShowPanels = bar->addAction(Texts::text(Texts::ActShowPanels));
    acShowPanels->setObjectName(QStringLiteral("acShowPanels"));
    acShowPanels->setToolTip(Texts::text(Texts::HintShowPanels));
    acShowPanels->setCheckable(true);
    acShowPanels->setChecked(true);
    connect(acShowPanels, &QAction::toggled, this, &TfrmVeskorReader::showPanels);
    m_skinMenu = new QMenu(Texts::text(Texts::MenuSkin), this);
    m_skinMenu->setObjectName(QStringLiteral("mnSkin"));
    m_skinGroup = new QActionGroup(this);
    for (const QString& name : skins()) {
        QAction* a = m_skinMenu->addAction(
            name == QLatin1String(DarkSkin) ? Texts::text(Texts::SkinDark) : name);
        a->setData(name);
        a->setCheckable(true);
        m_skinGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] { applySkin(name); });
    }
    auto* skin = new QToolButton(bar);
    skin->setObjectName(QStringLiteral("tbSkin"));
    skin->setText(Texts::text(Texts::MenuSkin));
    skin->setMenu(m_skinMenu);
    skin->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(skin);
    // The developer's items, off the mechanic's screens unless asked for.
    m_debugMenu = new QMenu(Texts::text(Texts::MenuDebug), this);
    m_debugMenu->setObjectName(QStringLiteral("mnDebug"));
    auto* debug = new QToolButton(bar);
    debug->setObjectName(QStringLiteral("tbDebug"));
    debug->setText(Texts::text(Texts::MenuDebug));
    debug->setMenu(m_debugMenu);
    debug->setPopupMode(QToolButton::InstantPopup);
    m_debugItem = bar->addWidget(debug);
    m_debugItem->setVisible(m_options.Debug);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void TfrmVeskorReader::buildPageActions()
{
    struct PageAction {
        const char* name;
        const char* text;
        QWidget* page;
        QKeySequence key;
    };
    const PageAction actions[] = {
        { "acPageFaults", Texts::PageFaults, m_faults, QKeySequence(Qt::Key_F2) },
        { "acPageLiveData", Texts::PageLiveData, m_live, QKeySequence(Qt::Key_F3) },
        { "acPageTrends", Texts::PageTrends, m_trends, QKeySequence(Qt::Key_F4) },
        { "acPageDump", Texts::PageDump, m_memory, QKeySequence() },
        { "acPageOptions", Texts::PageOptions, m_optionsPage, QKeySequence() },
    };
    for (const PageAction& p : actions) {
        auto* a = new QAction(Texts::text(p.text), this);
        a->setObjectName(QLatin1String(p.name));
        a->setShortcut(p.key);
        a->setShortcutContext(Qt::WindowShortcut);
        QWidget* page = p.page;
        connect(a, &QAction::triggered, this, [this, page] { m_pages->setCurrentWidget(page); });
        addAction(a);
    }
}

void TfrmVeskorReader::buildDock()
{
    m_matrix = new MatrixPanel(this);
    // A cell names the PID its slot carries in the current source's table.
    m_matrix->grid()->setDescriber([this](uint8_t slot, uint16_t word) {
        const int index = WordPacket::mapIndex(slot);
        return PidTable::current().slotText(
            slot, word, index < 0 ? std::nullopt : std::optional(m_feed->store().PidMap(index)));
    });
    m_log = new LogPanel(this);
    const QDockWidget::DockWidgetFeatures features
        = QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable;
    auto* matrix = m_matrixDock = new QDockWidget(Texts::text(Texts::PanelMatrix), this);
    matrix->setObjectName(QStringLiteral("dkMatrix"));
    matrix->setFeatures(features);
    matrix->setWidget(m_matrix);
    auto* log = m_logDock = new QDockWidget(Texts::text(Texts::PanelLog), this);
    log->setObjectName(QStringLiteral("dkLog"));
    log->setFeatures(features);
    log->setWidget(m_log);
    addDockWidget(Qt::RightDockWidgetArea, matrix);
    addDockWidget(Qt::RightDockWidgetArea, log);
    // Wide enough for the matrix's twelve columns.
    resizeDocks({ matrix }, { m_matrix->sizeHint().width() + 12 }, Qt::Horizontal);
}

void TfrmVeskorReader::showPanels(bool shown)
{
    m_matrixDock->setVisible(shown);
    m_logDock->setVisible(shown);
}

void TfrmVeskorReader::openFullScreen()
{
    m_fullScreen->showModule(m_status.module());
    // The scene takes the active dashboard's extent, also when its page was never shown.
    m_live->layoutDashboard();
    m_fullScreen->open(screen());
}

QStringList TfrmVeskorReader::skins()
{
    QStringList names = QStyleFactory::keys();
    names.append(QLatin1String(DarkSkin));
    return names;
}

void TfrmVeskorReader::applySkin(const QString& name)
{
    const bool dark = name == QLatin1String(DarkSkin);
    QStyle* style = QStyleFactory::create(dark ? QStringLiteral("Fusion") : name);
    if (!style)
        return;
    QApplication::setStyle(style);
    QApplication::setPalette(dark ? darkPalette() : style->standardPalette());
    m_skin = name;
    for (QAction* a : m_skinGroup->actions())
        a->setChecked(a->data().toString() == name);
}

void TfrmVeskorReader::AddToLog(const QString& text)
{
    m_log->AddToLog(text);
}

void TfrmVeskorReader::tellDataProblems()
{
    if (m_dataProblems.isEmpty())
        return;
    for (const QString& problem : std::as_const(m_dataProblems))
        AddToLog(problem);
    warn(Texts::text(Texts::CaptionError),
        Texts::text(Texts::DataFileProblemsTitle) + QLatin1Char('\n')
            + m_dataProblems.join(QLatin1Char('\n')));
    m_dataProblems.clear();
}

// ---- Creation, first show and close ------------------------------------------------------

void TfrmVeskorReader::FormCreate()
{
    // "." is the decimal separator everywhere: versions, grids, numbers in files.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
    // The information pane starts empty and the port box lists the system's ports (both
    // done by the pages). Then the port settings of reader.ini.
    IniFile ini;
    ReaderIni::load(ini, settingsFile());
    ReaderIni::readAtCreation(ini, m_settings);
    setDocumentsDir(m_settings.DocumentsFolder);
    m_optionsPage->showDocumentsFolder(documentsDir());
    m_optionsPage->port()->setEditText(m_settings.ComPortName);
    m_optionsPage->speed()->setCurrentIndex(
        m_settings.ComPortSpeed < m_optionsPage->speed()->count() ? m_settings.ComPortSpeed : -1);
    if (m_options.Simulator)
        m_optionsPage->port()->setEditText(QLatin1String(LinkController::SimulatorPort));
    // A demo run stamps no vehicle with the simulated ECU's diagnosis.
    m_faults->setSimulation(m_options.Simulator);
    registerProfileClasses();
    LoadEcuDatabase(m_context.Ecu);
    try {
        m_dataProblems = LoadFaultCodes(m_context.FaultCodes);
    } catch (const VeskorError& e) {
        warn(Texts::text(Texts::CaptionError), e.message());
    }
    m_dataProblems += PidTable::useFile(programFile(QStringLiteral("pids.txt")));
    // Before any dashboard is built: its scales are converted as it is built.
    Units::setCurrent(m_settings.Units);
    m_optionsPage->setUnits(m_settings.Units);
    LinkSession* session = &m_link->session();
    connect(m_link.get(), &LinkController::logLine, this, &TfrmVeskorReader::AddToLog);
    connect(session, &LinkSession::logLine, this, &TfrmVeskorReader::AddToLog);
    connect(m_feed.get(), &DataFeed::words, this, &TfrmVeskorReader::showWords);
    connect(m_feed.get(), &DataFeed::slotsCleared, this, &TfrmVeskorReader::onSlotsCleared);
    connect(session, &LinkSession::report, this, &TfrmVeskorReader::onLinkEvent);
    connect(session, &LinkSession::firmwareProgress, m_optionsPage, &OptionsPage::showFirmware);
    connect(m_link.get(), &LinkController::reconnectStatus, m_statusBar, &StatusBar::showReconnect);
    m_link->setAutoReconnect(m_optionsPage->autoReconnect()->isChecked());
    connect(m_optionsPage->autoReconnect(), &QCheckBox::toggled, m_link.get(),
        &LinkController::setAutoReconnect);
    wireRecorder();
    m_portSettingsRead = true;
    updatePortSettings();
    buildReplay();
}

void TfrmVeskorReader::buildReplay()
{
    m_replay = new ReplaySession(m_context, this, m_options.ReplayClock);
    m_live->insertBar(m_replay->bar());
    m_replaySource = std::make_unique<ReplaySource>(m_replay->player());
    connect(m_replay, &ReplaySession::logLine, this, &TfrmVeskorReader::AddToLog);
    connect(m_live, &LiveDataPage::streamReadouts, m_matrix, &MatrixPanel::showReadouts);
    // A value past its limit: a mark on the trends page too, and a line in the log.
    connect(m_live, &LiveDataPage::limitReached, this,
        [this](quint8 pid, float value, int level, quint32 time) {
            m_trends->chart()->addMarker(time, limitColour(ValueLimits::Level(level), true));
            // A replayed alarm is the recording's own, not news of the car.
            if (&m_feed->source() == m_liveSource.get())
                m_recorder->onLimit(pid, value, level == ValueLimits::Alarm);
            const PidTable& table = PidTable::current();
            AddToLog(
                Texts::text(level == ValueLimits::Alarm ? Texts::LimitAlarm : Texts::LimitWarning)
                    .arg(table.label(pid), table.valueText(pid, value, 4)));
        });
    connect(m_replay, &ReplaySession::started, this, [this] {
        m_feed->setSource(*m_replaySource);
        m_pages->setCurrentWidget(m_live);
    });
    // The trends page's chart follows the replay as it follows the link's words.
    connect(&m_replay->player(), &RecordingPlayer::positionChanged, m_trends->chart(),
        [this] { m_trends->chart()->update(); });
    connect(m_replay, &ReplaySession::ended, this, [this] {
        m_feed->setSource(*m_liveSource);
        // The matrix shows the link's slots again.
        for (int slot = 0; slot < 256; ++slot)
            m_matrix->grid()->setWord(quint8(slot), m_link->session().word(quint8(slot)), false);
        m_matrix->grid()->update();
    });
    connect(m_live, &LiveDataPage::openRecordingRequested, this, [this] {
        const int current = m_context.currentVehicle();
        openRecordings(current >= 0 && current < m_vehicleList->rowCount()
                ? m_vehicleList->entry(current).Record.Name
                : QString());
    });
    connect(
        m_vehicles, &VehiclesPage::recordingsRequested, this, &TfrmVeskorReader::openRecordings);
}

void TfrmVeskorReader::openRecordings(const QString& vehicleName)
{
    m_replay->openFrom(SessionRecorder::folder(documentsDir(), vehicleName));
}

void TfrmVeskorReader::wireRecorder()
{
    m_recorder = std::make_unique<SessionRecorder>(documentsDir(), [this](RecordingHeader& h) {
        const LinkSession& link = m_link->session();
        h.Vehicle = cbCurrentAuto->currentText();
        h.Calibration = m_liveSource->calibration();
        h.ModuleVersion = m_liveSource->moduleVersion();
        h.Table = link.table();
        for (size_t i = 0; i < h.PidMap.size(); ++i)
            h.PidMap[i] = link.store().PidMap(int(i));
    });
    SessionRecorder* recorder = m_recorder.get();
    // The recorder keeps the link's stream, also while a recording plays.
    connect(&m_link->session(), &LinkSession::words, recorder,
        [recorder](const Link::WordBatch& batch) {
            for (const Link::StreamWord& w : batch)
                recorder->onWord(w.Slot, w.Word, w.live());
        });
    connect(
        &m_link->session(), &LinkSession::slotsCleared, recorder, &SessionRecorder::onSlotsCleared);
    connect(recorder, &SessionRecorder::failed, this, &TfrmVeskorReader::AddToLog);
    connect(m_optionsPage->recordSessions(), &QCheckBox::toggled, recorder,
        &SessionRecorder::setEnabled);
    connect(m_optionsPage->recordingsButton(), &QPushButton::clicked, this,
        &TfrmVeskorReader::showRecordings);
    // Reports, recordings and dumps go to the chosen folder from now on.
    connect(m_optionsPage, &OptionsPage::documentsFolderChosen, recorder,
        [this, recorder](const QString& folder) {
            m_settings.DocumentsFolder = folder;
            setDocumentsDir(folder);
            recorder->setDocuments(documentsDir());
        });
}

void TfrmVeskorReader::showRecordings()
{
    const QString vehicle = cbCurrentAuto->currentText();
    RecordingsDialog dialog(SessionRecorder::folder(documentsDir(), vehicle), vehicle,
        m_recorder->recording() ? m_recorder->path() : QString(), *m_context.Ask, this);
    m_context.Ask->runDialog(dialog);
}

void TfrmVeskorReader::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmVeskorReader::FormShow()
{
    m_skin = QApplication::style()->name();
    for (const QString& name : skins())
        if (name.compare(m_skin, Qt::CaseInsensitive) == 0)
            m_skin = name;
    applySkin(m_skin);

    IniFile ini;
    ReaderIni::load(ini, settingsFile());
    m_settings.Bounds = QRect(frameGeometry().topLeft(), size());
    m_settings.CarInfoPane = m_vehicles->infoPaneHeight();
    m_settings.CurrentSkin = m_skin;
    ReaderIni::readAtShow(ini, m_settings);
    // Every key takes its default when absent: a first run works as every later one.
    placeOnScreen(m_settings.Bounds);
    m_vehicles->setInfoPaneHeight(m_settings.CarInfoPane);
    m_matrix->setUpdating(m_settings.UpdateMatrix);
    m_optionsPage->autoConnect()->setChecked(m_settings.AutoConnect);
    m_optionsPage->autoReconnect()->setChecked(m_settings.AutoReconnect);
    m_optionsPage->recordSessions()->setChecked(m_settings.RecordSessions);
    m_optionsPage->bluetoothDelay()->setChecked(m_settings.BluetoothDelay);
    if (m_settings.CurrentSkin != m_skin)
        applySkin(m_settings.CurrentSkin);
    m_link->session().setMaxTestTime(m_settings.MaxTestTime);
    m_optionsPage->contrast()->setValue(m_settings.TableContrast);
    m_optionsPage->workshopName()->setText(m_settings.WorkshopName);
    m_optionsPage->workshopContacts()->setText(m_settings.WorkshopContacts);
    m_optionsPage->setLanguage(m_settings.Language);
    if (!m_settings.Toolbars.isEmpty())
        restoreState(m_settings.Toolbars);
    m_debugItem->setVisible(m_options.Debug || m_settings.Debug);
    acShowPanels->setChecked(!m_narrowScreen && !m_matrixDock->isHidden());
    showPanels(acShowPanels->isChecked());

    QString carProblem;
    LoadCarProfiles(m_context.Cars, programFile(QLatin1String(CarProfilesFile)), &carProblem);
    if (!carProblem.isEmpty())
        m_dataProblems.append(carProblem);
    tellDataProblems();
    loadRegister();
    if (m_vehicleList->rowCount() > 0) {
        m_vehicles->lvAutosChange();
        cbCurrentAuto->setCurrentIndex(
            m_settings.CurrentAuto < m_vehicleList->rowCount() ? m_settings.CurrentAuto : -1);
    }

    const QString folder = programFile(QStringLiteral("Profiles"));
    QStringList errors;
    if (m_live->loadProfiles(folder, m_settings.CurrentProfile, errors) == 0)
        warn(Texts::text(Texts::CaptionConfirm),
            fillPlaceholders(Texts::text(Texts::NoProfiles), { folder + QLatin1Char('/') })
                .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (!errors.isEmpty())
        warn(Texts::text(Texts::CaptionError),
            Texts::text(Texts::ProfileErrorsTitle) + QLatin1Char('\n')
                + errors.join(QLatin1Char('\n')));

    QCoreApplication::postEvent(this, new QEvent(WM_CHECK_REGISTER));
    updatePortSettings();
    if (m_options.Live)
        startLive();
    m_link->send(
        LinkCommands::Connect { m_options.Live || m_optionsPage->autoConnect()->isChecked() });
}

void TfrmVeskorReader::placeOnScreen(const QRect& bounds)
{
    QList<QRect> screens = m_options.Screens;
    if (screens.isEmpty()) {
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            screens.append(primary->availableGeometry());
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen != QGuiApplication::primaryScreen())
                screens.append(screen->availableGeometry());
    }
    // The frame the window manager draws around the window takes its share of the screen.
    const QSize frame = frameGeometry().size() - size();
    for (QRect& screen : screens)
        screen.setSize(screen.size() - frame);
    const QRect screen = WindowBounds::screenOf(bounds, screens, screens.value(0));
    const QRect fitted = WindowBounds::fitOnScreens(bounds, screens, screens.value(0));
    if (!screen.isEmpty())
        setMinimumSize(QSize(MinWidth, MinHeight).boundedTo(screen.size()));
    move(fitted.topLeft());
    resize(fitted.size());
    m_narrowScreen = !screen.isEmpty() && screen.width() < WindowBounds::PanelsMinScreenWidth;
}

void TfrmVeskorReader::startLive()
{
    m_pages->setCurrentWidget(m_live);
    m_live->setMeasure(m_options.Measure);
    m_startDataWhenConnected = true;
    if (m_options.LiveProfile.isEmpty())
        return;
    QStringList errors;
    if (!m_live->showProfileFile(m_options.LiveProfile, errors))
        warn(Texts::text(Texts::CaptionError),
            Texts::text(Texts::LiveProfileMissing).arg(m_options.LiveProfile));
    else if (!errors.isEmpty())
        warn(Texts::text(Texts::CaptionError),
            Texts::text(Texts::ProfileErrorsTitle) + QLatin1Char('\n')
                + errors.join(QLatin1Char('\n')));
}

void TfrmVeskorReader::loadRegister()
{
    VehicleRegister vehicles;
    try {
        if (!LoadRegister(vehicles, programFile(QLatin1String(RegisterFile))))
            ImportRegister(vehicles, programFile(QLatin1String(OldRegisterFile)));
    } catch (const VeskorError& e) {
        // Saving now would replace the file that could not be read with an empty list.
        m_registerUnreadable = true;
        vehicles.clear();
        warn(Texts::text(Texts::CaptionError), Texts::text(Texts::RegisterKept).arg(e.message()));
    }
    m_vehicleList->setVehicles(std::move(vehicles));
}

bool TfrmVeskorReader::saveRegister()
{
    if (m_registerUnreadable)
        return true;
    try {
        SaveRegister(m_vehicleList->vehicles(), programFile(QLatin1String(RegisterFile)));
    } catch (const VeskorError& e) {
        warn(Texts::text(Texts::CaptionError), e.message());
        return false;
    }
    return true;
}

void TfrmVeskorReader::customEvent(QEvent* event)
{
    if (event->type() == WM_CHECK_REGISTER)
        m_vehicles->checkRegister();
}

ReaderSettings TfrmVeskorReader::collectSettings() const
{
    ReaderSettings s = m_settings;
    s.ComPortName = m_optionsPage->port()->currentText();
    s.ComPortSpeed = m_optionsPage->speed()->currentIndex();
    s.Bounds = QRect(frameGeometry().topLeft(), size());
    s.CarInfoPane = m_vehicles->infoPaneHeight();
    s.UpdateMatrix = m_matrix->updating();
    s.AutoConnect = m_optionsPage->autoConnect()->isChecked();
    s.AutoReconnect = m_optionsPage->autoReconnect()->isChecked();
    s.RecordSessions = m_optionsPage->recordSessions()->isChecked();
    s.BluetoothDelay = m_optionsPage->bluetoothDelay()->isChecked();
    s.CurrentSkin = m_skin;
    s.CurrentProfile = m_live->profiles().selectedFileName();
    s.Toolbars = saveState();
    s.CurrentAuto = cbCurrentAuto->currentIndex();
    s.TableContrast = m_optionsPage->contrast()->value();
    s.WorkshopName = m_optionsPage->workshopName()->text();
    s.WorkshopContacts = m_optionsPage->workshopContacts()->text();
    s.Language = m_optionsPage->language();
    s.Units = m_optionsPage->units();
    return s;
}

void TfrmVeskorReader::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    event->accept();
}

void TfrmVeskorReader::FormClose()
{
    if (m_fullScreen->isOpen())
        m_fullScreen->close();
    // The link stops first, so that nothing streams behind a box of closing. It is not
    // waited for; the words it posted before go into the session's one recording, and any
    // it posts later into none.
    m_link->terminate();
    m_link->session().deliverPostedWords();
    disconnect(&m_link->session(), nullptr, m_recorder.get(), nullptr);
    m_recorder->stop();
    // Closed before its first show, the window has not read what closing would write over.
    // A demo run on the simulator leaves the user's settings and register as they were: its
    // port must not become the next start's, and every change a user made to the register
    // was saved when it was made.
    if (!m_shown || m_options.Simulator)
        return;
    try {
        ReaderIni::save(settingsFile(), collectSettings());
    } catch (const VeskorError& e) {
        m_savedAtClose = false;
        warn(Texts::text(Texts::CaptionError), e.message());
    }
    if (!saveRegister())
        m_savedAtClose = false;
    // The profiles and their widgets go with the pages.
}

bool TfrmVeskorReader::onSimulator() const
{
    return m_options.Simulator
        || m_optionsPage->port()->currentText() == QLatin1String(LinkController::SimulatorPort);
}

void TfrmVeskorReader::updatePortSettings()
{
    // Nobody must take the simulator's answers for a car's.
    const bool simulated = onSimulator();
    setWindowTitle(Texts::text(Texts::MainCaption).arg(programVersion())
        + (simulated ? Texts::text(Texts::CaptionSimulation) : QString()));
    m_statusBar->showSimulation(simulated);
    try {
        m_link->session().setPortSettings(m_optionsPage->port()->currentText(),
            m_optionsPage->speed()->currentText(), m_optionsPage->bluetoothDelay()->isChecked());
    } catch (const VeskorError& e) {
        AddToLog(e.message());
    }
}

// ---- Link events -------------------------------------------------------------------------

void TfrmVeskorReader::showWords(const Link::WordBatch& batch)
{
    const bool updating = m_matrix->updating();
    for (const Link::StreamWord& w : batch)
        m_matrix->grid()->setWord(w.Slot, w.Word, updating);
    // Each word says which stream it came in: the link's mode may have moved on.
    if (m_pages->currentWidget() == m_live || m_fullScreen->isOpen())
        m_live->showWords(batch);
}

void TfrmVeskorReader::onSlotsCleared()
{
    QCoreApplication::postEvent(m_live->panel(), new TMessage(Msg::WM_SLOTS_CLEARED, 0, 0));
    m_matrix->grid()->clear();
}

void TfrmVeskorReader::EnableModuleActions(bool enabled)
{
    m_faults->EnableModuleActions(enabled);
    m_optionsPage->readOptions()->setEnabled(enabled);
}

void TfrmVeskorReader::onLinkEvent(const LinkReport& r)
{
    if (m_status.apply(r)) {
        m_statusBar->show(m_status);
        m_fullScreen->showModule(m_status.module());
    }
    switch (r.Type) {
    case LinkReport::Connected:
        EnableModuleActions(true);
        acConnect->setEnabled(true);
        // The measurement, if any, starts itself at the stream's first words.
        if (std::exchange(m_startDataWhenConnected, false))
            m_live->startData();
        break;
    case LinkReport::NotConnected:
        EnableModuleActions(false);
        acConnect->setEnabled(true);
        break;
    case LinkReport::FaultTestBegun:
        m_faults->showOverlay();
        break;
    case LinkReport::FaultTestEnded:
        m_faults->ShowFaultCodes(r.Outcome);
        break;
    case LinkReport::OptionsRead:
        m_optionsPage->showModuleOptions(
            int8_t(r.Bytes.at(ModuleOption::Speed)), int8_t(r.Bytes.at(ModuleOption::Format)));
        break;
    case LinkReport::OptionsWritten:
        if (m_context.Ask->confirm(
                this, Texts::text(Texts::CaptionConfirm), Texts::text(Texts::RestartQuestion)))
            acResetModule->trigger();
        break;
    case LinkReport::Disconnected:
        acDisconnect->setEnabled(true);
        acConnect->setEnabled(true);
        break;
    case LinkReport::Calibration:
        // The status reset reports the slots just cleared: that is no code of the ECU.
        if (r.Text != QLatin1String("0000")) {
            AddToLog(Texts::text(Texts::LogCalibrationCode)
                         .arg(r.Text, ecuSummary(ecuInfoFor(m_context.Ecu, r.Text))));
            // The simulator is no car: its code never enters the register, so a demo or
            // a test run neither adds it nor opens the new-car dialog at each connection.
            m_vehicles->MatchCalibration(r.Text, !onSimulator());
        }
        break;
    default:
        break;
    }
}
