// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LiveDataPage.h"

#include "StatisticsDialog.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "common/ProgramDir.h"
#include "common/Texts.h"
#include "common/WordPacket.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileReport.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/DashboardFit.h"
#include "ui/model/DataSource.h"
#include "ui/model/LiveMeasure.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"
#include "widgets/ValueLimits.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

LiveDataPage::LiveDataPage(ReaderContext& context, QObject* profileOwner, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_profiles(profileOwner)
{
    setObjectName(QStringLiteral("tabLiveData"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbReadData"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    acStartData = bar->addAction(Texts::text(Texts::ActStartData));
    acStartData->setObjectName(QStringLiteral("acStartData"));
    acStopData = bar->addAction(Texts::text(Texts::ActStopData));
    acStopData->setObjectName(QStringLiteral("acStopData"));
    bar->addSeparator();
    bar->addWidget(new QLabel(Texts::text(Texts::LiveProfile) + QLatin1Char(' '), bar));
    cbProfile = new QComboBox(bar);
    cbProfile->setObjectName(QStringLiteral("cbProfile"));
    cbProfile->setFixedWidth(214);
    bar->addWidget(cbProfile);
    layout->addWidget(bar);

    // Two developer items, which the window puts in its debug menu: the link's test signal
    // for PID 255, and its recorded history.
    acTestSignal = new QAction(Texts::text(Texts::LiveTest), this);
    acTestSignal->setObjectName(QStringLiteral("acTestSignal"));
    acTestSignal->setToolTip(Texts::text(Texts::HintLiveTest));
    acDumpTestData = new QAction(Texts::text(Texts::LiveDump), this);
    acDumpTestData->setObjectName(QStringLiteral("acDumpTestData"));
    acDumpTestData->setToolTip(Texts::text(Texts::HintLiveDump));

    bar->addSeparator();
    acFitDashboard = bar->addAction(Texts::text(Texts::LiveFit));
    acFitDashboard->setObjectName(QStringLiteral("acFitDashboard"));
    acFitDashboard->setToolTip(Texts::text(Texts::HintLiveFit));
    acFitDashboard->setCheckable(true);
    acFitDashboard->setChecked(true);
    acFullScreen = bar->addAction(Texts::text(Texts::ActFullScreen));
    acFullScreen->setObjectName(QStringLiteral("acFullScreen"));
    acFullScreen->setToolTip(Texts::text(Texts::HintFullScreen));
    acFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    acFullScreen->setShortcutContext(Qt::WindowShortcut);
    QAction* statistics = bar->addAction(Texts::text(Texts::ActStatistics));
    statistics->setObjectName(QStringLiteral("acStatistics"));
    statistics->setToolTip(Texts::text(Texts::HintStatistics));
    connect(statistics, &QAction::triggered, this, [this] {
        // One window, brought forward when it is already open.
        auto* dialog = findChild<StatisticsDialog*>();
        if (!dialog) {
            dialog = new StatisticsDialog(
                m_statistics, [this] { return shownPids(); }, this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
        }
        dialog->show();
        dialog->raise();
    });
    bar->addSeparator();
    QAction* open = bar->addAction(Texts::text(Texts::ActOpenRecording));
    open->setObjectName(QStringLiteral("acOpenRecording"));
    open->setToolTip(Texts::text(Texts::HintOpenRecording));
    connect(open, &QAction::triggered, this, &LiveDataPage::openRecordingRequested);

    // The panel lives in a scene, so the whole dashboard can be drawn at any scale: its
    // widgets paint in logical units and stay sharp.
    m_view = new QGraphicsView(this);
    m_view->setObjectName(QStringLiteral("gvDashboard"));
    setUpView(m_view);
    auto* scene = new QGraphicsScene(m_view);
    pnBlack = new TFordPanel;
    pnBlack->setObjectName(QStringLiteral("pnBlack"));
    m_proxy = scene->addWidget(pnBlack);
    m_proxy->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    m_view->setScene(scene);
    m_view->viewport()->installEventFilter(this);
    layout->addWidget(m_view);

    connect(acStartData, &QAction::triggered, this, &LiveDataPage::startData);
    connect(acStopData, &QAction::triggered, m_context.Feed, &DataFeed::stop);
    connect(cbProfile, &QComboBox::activated, this, &LiveDataPage::selectProfile);
    connect(acFitDashboard, &QAction::toggled, this, &LiveDataPage::layoutDashboard);
    connect(acTestSignal, &QAction::triggered, this,
        [this] { m_context.Link->send(LinkCommands::ToggleTestSignal {}); });
    connect(acDumpTestData, &QAction::triggered, this, &LiveDataPage::dumpTestData);
    for (QObject* control : { acStartData, acStopData, acTestSignal })
        m_context.Link->guard(control);
    LinkSession& session = m_context.Link->session();
    session.setTestSignalPanel(pnBlack);
    // The readouts measure the adapter's stream, also while a recording plays.
    connect(&session, &LinkSession::words, this, &LiveDataPage::noteStreamWords);
    connect(m_context.Feed, &DataFeed::sourceChanged, this, [this](TFordData& store) {
        m_profiles.setDataManager(&store);
        // A recording's figures are its own.
        m_statistics.reset();
    });
    m_clock.start();
}

void LiveDataPage::noteStreamWords(const Link::WordBatch& batch)
{
    bool newFrame = false;
    for (const Link::StreamWord& w : batch)
        // Timed when the link took the word: the window takes the words in bursts, and
        // timing them as it handles them would shorten the interval to the burst's length.
        if (w.live())
            newFrame |= m_rate.noteFrame(w.Slot >> 4, batch.StampNs / 1000000);
    if (!newFrame)
        return;
    if (m_readoutsShown.isValid() && m_readoutsShown.elapsed() < ReadoutRefreshMs)
        return;
    m_readoutsShown.start();
    if (m_rate.intervalMs())
        emit streamReadouts(StreamRate::intervalText(*m_rate.intervalMs()),
            StreamRate::depthText(m_context.Link->session().maxReceiveDepth()));
}

bool LiveDataPage::eventFilter(QObject* watched, QEvent* event)
{
    if (m_measure && event->type() == QEvent::Paint)
        if (const auto* gauge = qobject_cast<const TFordGauge*>(watched)) {
            const int64_t now = LiveMeasure::steadyNs();
            const TFordGaugeItems* arrows = gauge->Arrows();
            if (!arrows || arrows->count() == 0)
                m_measure->painted(gauge->PID(), now);
            else
                for (int i = 0; i < arrows->count(); ++i)
                    m_measure->painted(arrows->at(i)->PID(), now);
            return false;
        }
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        layoutDashboard();
    return QWidget::eventFilter(watched, event);
}

QSizeF LiveDataPage::dashboardSize() const
{
    const QSize extent = pnBlack->minimumSizeHint();
    return extent.isEmpty() ? DashboardFit::DesignSize : QSizeF(extent);
}

double LiveDataPage::dashboardScale() const
{
    return m_view->transform().m11();
}

void LiveDataPage::layoutDashboard()
{
    const QSizeF size = dashboardSize();
    pnBlack->resize(size.toSize());
    m_proxy->setGeometry(QRectF(QPointF(0, 0), size));
    m_view->scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    // The margins beside a fitted dashboard take the panel's colour.
    m_view->setBackgroundBrush(pnBlack->Color().toQColor(QColor(Qt::black)));
    fitView(m_view, acFitDashboard->isChecked());
}

void LiveDataPage::setUpView(QGraphicsView* view)
{
    view->setFrameShape(QFrame::NoFrame);
    view->setAlignment(Qt::AlignCenter);
    view->setRenderHints(QPainter::SmoothPixmapTransform);
    view->setBackgroundBrush(Qt::black);
    // The view fills what it shows with its own solid brush: the palette's fill under it
    // would be one more pass over every repainted area.
    view->viewport()->setAutoFillBackground(false);
    view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void LiveDataPage::fitView(QGraphicsView* view, bool fit)
{
    const QSizeF size = view->scene()->sceneRect().size();
    const double scale = fit ? DashboardFit::fitScale(size, view->viewport()->size()) : 1.0;
    const Qt::ScrollBarPolicy bars = fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    view->setHorizontalScrollBarPolicy(bars);
    view->setVerticalScrollBarPolicy(bars);
    view->setTransform(QTransform::fromScale(scale, scale));
}

void LiveDataPage::layoutDashboardSoon()
{
    layoutDashboard();
    // The profile's widgets show themselves by a queued call; the extent they make is known
    // only after it.
    QMetaObject::invokeMethod(this, &LiveDataPage::layoutDashboard, Qt::QueuedConnection);
}

QStringList LiveDataPage::collectErrors(const std::function<void()>& work)
{
    QStringList errors;
    const DefinitionErrorReporter before
        = setDefinitionErrorReporter([&errors](const QString& message, const QString& detail) {
              errors.append(detail.isEmpty() ? message : message + QStringLiteral(" — ") + detail);
          });
    // A load's problems come as one report; they join the same list.
    const ProfileReportHandler beforeReport = setProfileReportHandler(
        [&errors](const TProfileReport& report) { errors.append(report.lines()); });
    work();
    setProfileReportHandler(beforeReport);
    setDefinitionErrorReporter(before);
    return errors;
}

int LiveDataPage::loadProfiles(const QString& folder, const QString& current, QStringList& errors)
{
    int count = 0;
    errors = collectErrors([&] {
        count = m_profiles.load(folder, pnBlack, &m_context.Feed->store(), current);
        // A first run, or a saved dashboard that is gone: the main dashboard rather than
        // an empty page.
        if (m_profiles.selectedIndex() < 0 && count > 0)
            m_profiles.select(std::max(0, m_profiles.indexOfFile(QLatin1String(DefaultProfile))));
    });
    cbProfile->clear();
    cbProfile->addItems(m_profiles.names());
    cbProfile->setCurrentIndex(m_profiles.selectedIndex());
    layoutDashboardSoon();
    watchGauges();
    watchLimits();
    return count;
}

bool LiveDataPage::showProfileFile(const QString& file, QStringList& errors)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return false;
    int index = -1;
    for (int i = 0; i < m_profiles.count(); ++i)
        if (QFileInfo(m_profiles.at(i)->FileName()).canonicalFilePath() == info.canonicalFilePath())
            index = i;
    errors = collectErrors([&] {
        if (index < 0) {
            index = m_profiles.add(file, pnBlack, &m_context.Feed->store());
            cbProfile->addItem(m_profiles.at(index)->ProfileName());
        }
        m_profiles.select(index);
    });
    cbProfile->setCurrentIndex(index);
    layoutDashboardSoon();
    watchGauges();
    watchLimits();
    return true;
}

void LiveDataPage::setMeasure(LiveMeasure* measure)
{
    m_measure = measure;
    watchGauges();
}

void LiveDataPage::watchGauges()
{
    // Only a run that measures pays for looking at the gauges' paints.
    if (!m_measure)
        return;
    for (TFordGauge* gauge : pnBlack->findChildren<TFordGauge*>())
        gauge->installEventFilter(this);
}

void LiveDataPage::watchLimits()
{
    for (TFordGauge* gauge : pnBlack->findChildren<TFordGauge*>())
        connect(gauge, &TFordGauge::limitLevelChanged, this, &LiveDataPage::onLimitLevel,
            Qt::UniqueConnection);
    for (TFordValue* value : pnBlack->findChildren<TFordValue*>())
        connect(value, &TFordValue::limitLevelChanged, this, &LiveDataPage::onLimitLevel,
            Qt::UniqueConnection);
}

// The moment a value goes past a limit is marked on the trends, so that a look back finds
// it; its return within the limits is not.
void LiveDataPage::onLimitLevel(quint8 pid, float value, int level)
{
    if (level == ValueLimits::Normal)
        return;
    const quint32 time = m_context.Feed->store().now();
    const QColor colour = limitColour(ValueLimits::Level(level), true);
    for (TFordTrend* trend : pnBlack->findChildren<TFordTrend*>())
        trend->addMarker(time, colour);
    emit limitReached(pid, value, level, time);
}

void LiveDataPage::dumpTestData()
{
    try {
        m_context.Link->session().store().SaveHistory(TFordData::TestSignalPid,
            QDir(documentsDir()).filePath(QStringLiteral("dumpdata.txt")));
    } catch (const VeskorError& e) {
        m_context.ShowError(e.message());
    }
}

void LiveDataPage::selectProfile(int index)
{
    const QStringList errors = collectErrors([&] { m_profiles.select(index); });
    layoutDashboardSoon();
    watchGauges();
    watchLimits();
    if (!errors.isEmpty())
        m_context.Ask->warning(window(), Texts::text(Texts::CaptionError),
            Texts::text(Texts::ProfileErrorsTitle) + QLatin1Char('\n')
                + errors.join(QLatin1Char('\n')));
}

QList<uint8_t> LiveDataPage::shownPids() const
{
    QList<uint8_t> pids;
    const auto take = [&pids](int pid) {
        if (pid > 0 && pid < 256 && !pids.contains(uint8_t(pid)))
            pids << uint8_t(pid);
    };
    if (const TGaugeProfile* profile = m_profiles.selected())
        for (const QObject* widget : profile->Widgets()) {
            if (const auto* trend = qobject_cast<const TFordTrend*>(widget))
                for (int i = 0; i < trend->Trends()->count(); ++i)
                    take(trend->Trends()->at(i)->PID());
            else if (const QVariant pid = widget->property("PID"); pid.isValid())
                take(pid.toInt());
        }
    return pids.isEmpty() ? m_statistics.pids() : pids;
}

void LiveDataPage::startData()
{
    TGaugeProfile* profile = m_profiles.at(cbProfile->currentIndex());
    // Without a dashboard there is nothing to show the stream on: the link is not asked.
    if (!profile) {
        m_context.ShowError(Texts::text(Texts::LiveNoProfile));
        return;
    }
    LinkSession& session = m_context.Link->session();
    const char table
        = profile->Table().isEmpty() ? session.table() : profile->Table().at(0).toLatin1();
    // The readouts and the figures measure this stream from its start.
    m_rate.reset();
    m_statistics.reset();
    session.resetMaxReceiveDepth();
    m_context.Feed->start(table);
}

void LiveDataPage::showWords(const Link::WordBatch& batch)
{
    const TFordData& store = m_context.Feed->store();
    for (const Link::StreamWord& w : batch) {
        const int index = WordPacket::mapIndex(w.Slot);
        if (!w.live() || index < 0)
            continue;
        const uint8_t pid = store.PidMap(index);
        const float value = TFordData::ShownValue(pid, w.Word);
        m_statistics.add(pid, value);
        if (m_measure)
            m_measure->valueSent(pid, batch.StampNs);
        // Handed to the panel at once: the batch came in one event, and its values need
        // no second trip through the event queue.
        TMessage changed(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value));
        QCoreApplication::sendEvent(pnBlack, &changed);
    }
}

void LiveDataPage::insertBar(QWidget* bar)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, bar);
}
