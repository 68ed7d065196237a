#include "LiveDataPage.h"

#include "common/Messages.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileReport.h"
#include "store/TFordData.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/model/DashboardFit.h"
#include "widgets/TFordPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
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
    QAction* start = bar->addAction(Texts::text(Texts::ActStartData));
    start->setObjectName(QStringLiteral("acStartData"));
    QAction* stop = bar->addAction(Texts::text(Texts::ActStopData));
    stop->setObjectName(QStringLiteral("acStopData"));
    bar->addSeparator();
    bar->addWidget(new QLabel(Texts::text(Texts::LiveProfile) + QLatin1Char(' '), bar));
    cbProfile = new QComboBox(bar);
    cbProfile->setObjectName(QStringLiteral("cbProfile"));
    cbProfile->setFixedWidth(214);
    bar->addWidget(cbProfile);
    layout->addWidget(bar);

    bar->addSeparator();
    acFitDashboard = bar->addAction(Texts::text(Texts::LiveFit));
    acFitDashboard->setObjectName(QStringLiteral("acFitDashboard"));
    acFitDashboard->setToolTip(Texts::text(Texts::HintLiveFit));
    acFitDashboard->setCheckable(true);
    acFitDashboard->setChecked(true);
    bar->addSeparator();
    QAction* open = bar->addAction(Texts::text(Texts::ActOpenRecording));
    open->setObjectName(QStringLiteral("acOpenRecording"));
    open->setToolTip(Texts::text(Texts::HintOpenRecording));
    connect(open, &QAction::triggered, this, &LiveDataPage::openRecordingRequested);

    // The panel lives in a scene, so the whole dashboard can be drawn at any scale: its
    // widgets paint in logical units and stay sharp.
    m_view = new QGraphicsView(this);
    m_view->setObjectName(QStringLiteral("gvDashboard"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    m_view->setBackgroundBrush(Qt::black);
    auto* scene = new QGraphicsScene(m_view);
    pnBlack = new TFordPanel;
    pnBlack->setObjectName(QStringLiteral("pnBlack"));
    m_proxy = scene->addWidget(pnBlack);
    m_view->setScene(scene);
    m_view->viewport()->installEventFilter(this);
    layout->addWidget(m_view);

    connect(start, &QAction::triggered, this, &LiveDataPage::startData);
    connect(stop, &QAction::triggered, this, [this] { m_context.Link->post(Link::cmdStopData); });
    connect(cbProfile, &QComboBox::activated, this, &LiveDataPage::selectProfile);
    connect(acFitDashboard, &QAction::toggled, this, &LiveDataPage::layoutDashboard);
    // The window creates the link after its pages.
    QTimer::singleShot(0, this, [this] {
        if (m_context.Link)
            connect(m_context.Link, &LinkController::slotWord, this,
                [this](quint8 slot, quint16, bool live) {
                    if (live)
                        noteStreamWord(slot);
                });
    });
    m_clock.start();
}

void LiveDataPage::noteStreamWord(uint8_t slot)
{
    if (!m_rate.noteFrame(slot >> 4, m_clock.elapsed()))
        return;
    // Once per cycle of the 16 frames: cheap next to the words themselves.
    const QWidget* top = window();
    if (auto* interval = top->findChild<QLabel*>(QStringLiteral("laUpdateFreq"));
        interval && m_rate.intervalMs())
        interval->setText(StreamRate::intervalText(*m_rate.intervalMs()));
    if (auto* depth = top->findChild<QLabel*>(QStringLiteral("laCount")))
        depth->setText(StreamRate::depthText(m_context.Link->link().MaxReceiveDepth()));
}

bool LiveDataPage::eventFilter(QObject* watched, QEvent* event)
{
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
    const bool fit = acFitDashboard->isChecked();
    const double scale = fit ? DashboardFit::fitScale(size, m_view->viewport()->size()) : 1.0;
    const Qt::ScrollBarPolicy bars = fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_view->setHorizontalScrollBarPolicy(bars);
    m_view->setVerticalScrollBarPolicy(bars);
    m_view->setTransform(QTransform::fromScale(scale, scale));
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
        count = m_profiles.load(folder, pnBlack, &m_context.Link->link().DataManager(), current);
    });
    cbProfile->clear();
    cbProfile->addItems(m_profiles.names());
    cbProfile->setCurrentIndex(m_profiles.selectedIndex());
    layoutDashboard();
    return count;
}

void LiveDataPage::selectProfile(int index)
{
    const QStringList errors = collectErrors([&] { m_profiles.select(index); });
    layoutDashboard();
    if (!errors.isEmpty())
        m_context.Ask->warning(window(), Texts::text(Texts::CaptionError),
            Texts::text(Texts::ProfileErrorsTitle) + QLatin1Char('\n')
                + errors.join(QLatin1Char('\n')));
}

void LiveDataPage::startData()
{
    TGaugeProfile* profile = m_profiles.at(cbProfile->currentIndex());
    if (profile && !profile->Table().isEmpty())
        m_context.Link->link().SetTable(profile->Table().at(0).toLatin1());
    // The readouts measure this stream from its start.
    m_rate.reset();
    m_context.Link->link().resetMaxReceiveDepth();
    m_context.Link->post(Link::cmdStartData);
}

void LiveDataPage::showWord(uint8_t slot, uint16_t word)
{
    const int position = slot & 0x0F, frame = slot >> 4;
    if (position < 2 || position > 5)
        return;
    const TFordData& store = m_store ? *m_store : m_context.Link->link().DataManager();
    const uint8_t pid = store.PidMap(frame * 4 + position - 2);
    const float value = TFordData::ConvertValue(pid, word);
    QCoreApplication::postEvent(
        pnBlack, new TMessage(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value)));
}

void LiveDataPage::setStore(TFordData* store)
{
    m_store = store;
    m_profiles.setDataManager(store ? store : &m_context.Link->link().DataManager());
}

void LiveDataPage::insertBar(QWidget* bar)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, bar);
}
