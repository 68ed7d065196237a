// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "TrendsPage.h"

#include "common/Messages.h"
#include "common/Texts.h"
#include "common/WordPacket.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "ui/ReaderContext.h"
#include "ui/WindowTestSignal.h"
#include "ui/model/DataSource.h"
#include "ui/pages/LiveDataPage.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordValue.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

struct CurveSpec {
    uint8_t pid;
    TColor color;
    const char* caption;
};

// Without a trend on the dashboard: coolant temperature, throttle and engine speed, the
// last being the axis curve.
constexpr CurveSpec DefaultCurves[] = {
    { 16, clAqua, Texts::TrendsCoolant },
    { 9, clFuchsia, Texts::TrendsThrottle },
    { 1, clLime, Texts::TrendsRpm },
};

QPushButton* navButton(const char* name, const char* text, const char* hint, QWidget* parent)
{
    auto* b = new QPushButton(QLatin1String(text), parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(Texts::text(hint));
    b->setFixedWidth(48);
    return b;
}

} // namespace

TrendsPage::TrendsPage(ReaderContext& context, LiveDataPage* live, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_live(live)
{
    setObjectName(QStringLiteral("tabTrends"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbTrends"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(live->startAction());
    bar->addAction(live->stopAction());
    layout->addWidget(bar);

    auto* nav = new QWidget(this);
    nav->setObjectName(QStringLiteral("pnTrendsNavigation"));
    auto* navLayout = new QHBoxLayout(nav);
    navLayout->setContentsMargins(4, 0, 4, 0);
    QPushButton* back = navButton("btTrendsBackWindow", "<<", Texts::HintTrendsBackWindow, nav);
    QPushButton* backHalf = navButton("btTrendsBackHalf", "<", Texts::HintTrendsBackHalf, nav);
    QPushButton* forwardHalf
        = navButton("btTrendsForwardHalf", ">", Texts::HintTrendsForwardHalf, nav);
    QPushButton* follow = navButton("btTrendsFollow", ">>", Texts::HintTrendsFollow, nav);
    navLayout->addWidget(back);
    navLayout->addWidget(backHalf);
    navLayout->addStretch();
    navLayout->addWidget(forwardHalf);
    navLayout->addWidget(follow);
    layout->addWidget(nav);

    FT = new TFordTrend(this);
    FT->setObjectName(QStringLiteral("FT"));
    FT->scrollBar()->setObjectName(QStringLiteral("FT_Scroll"));
    FT->setMinimumSize(400, 200);
    FT->resize(729, 353);
    FT->setToolTip(Texts::text(Texts::HintTrendsChart));
    FT->setDisplayStart(0);
    FT->setDisplayEnd(2147483647);
    // Following from the start: a chart fixed at the oldest 20 seconds would show nothing
    // of what streams now.
    FT->setUpdateEnd(true);
    layout->addWidget(FT, 1);

    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(4, 2, 4, 4);
    fvN = new TFordValue(bottom);
    fvN->setObjectName(QStringLiteral("fvN"));
    fvN->setFixedSize(65, 33);
    fvN->setColor(clBlack);
    fvN->setParentFont(false);
    fvN->Font()->setName(QStringLiteral("DejaVu Sans"));
    fvN->Font()->setHeight(16);
    fvN->Font()->setColor(clLime);
    fvN->Font()->setStyle(TFont::fsBold);
    fvN->setAlignment(TLabel::taCenter);
    fvN->setPID(0);
    fvN->setLabelFormat(QStringLiteral("%4.0f"));
    fvN->setLabelRatio(1.0f);
    fvN->setLabelDynCount(10);
    // A rise and a fall flash in colours that stay readable on black.
    fvN->setLabelDynColorDown(clYellow);
    fvN->setLabelDynColorUp(clAqua);
    fvN->setCaption(QStringLiteral("   0"));
    fvN->setVisibleState(true);
    // The window's test signal is a developer's item: the window puts it in its debug menu.
    m_testSignalAction = new QAction(Texts::text(Texts::TrendsTestSignalAction), this);
    m_testSignalAction->setObjectName(QStringLiteral("SpTBXButton1"));
    m_testSignalAction->setToolTip(Texts::text(Texts::HintTrendsTestSignal));
    m_testSignalAction->setCheckable(true);
    auto* wholeHistory = new QPushButton(Texts::text(Texts::TrendsWholeHistory), bottom);
    wholeHistory->setObjectName(QStringLiteral("SpTBXButton2"));
    wholeHistory->setToolTip(Texts::text(Texts::HintTrendsWholeHistory));
    wholeHistory->setFixedHeight(49);
    wholeHistory->setMinimumWidth(169);
    bottomLayout->addWidget(fvN);
    bottomLayout->addWidget(wholeHistory);
    bottomLayout->addStretch();
    layout->addWidget(bottom);

    m_testSignal = new WindowTestSignal(this);
    m_testSignal->setPanel(live->panel());

    connect(back, &QPushButton::clicked, this, [this] { FT->page(-1); });
    connect(backHalf, &QPushButton::clicked, this, [this] { FT->page(-0.5); });
    connect(forwardHalf, &QPushButton::clicked, this, [this] { FT->page(0.5); });
    connect(follow, &QPushButton::clicked, FT, &TFordTrend::followLatest);
    connect(m_testSignalAction, &QAction::triggered, this, &TrendsPage::toggleTestSignal);
    connect(wholeHistory, &QPushButton::clicked, this, &TrendsPage::showWholeHistory);
    connect(FT, &TFordTrend::rendered, this, &TrendsPage::showRightEdge);
    connect(m_testSignal, &WindowTestSignal::stepped, this, [this] {
        if (isVisible()) {
            TMessage changed(Msg::WM_PID_CHANGED, WindowTestSignal::Pid, 0);
            FT->message(changed);
        }
    });
    setCurves();
    connect(m_context.Feed, &DataFeed::words, this, &TrendsPage::onWords);
    connect(m_context.Feed, &DataFeed::sourceChanged, this,
        [this](TFordData& store) { showStore(&store); });
    showStore(&m_context.Feed->store());
}

void TrendsPage::showStore(TFordData* shown)
{
    m_testSignal->setStore(shown);
    if (FT->DataManager() == shown)
        return;
    FT->setDataManager(shown);
    // The shown curves record in the store they are now read from.
    TMessage record(Msg::WM_SLOTS_CLEARED, 0, 0);
    FT->message(record);
    FT->followLatest();
}

// While the page is on show, a live word repaints the chart when it carries one of its PIDs.
void TrendsPage::onWords(const Link::WordBatch& batch)
{
    if (!isVisible())
        return;
    const TFordData& store = m_context.Feed->store();
    for (const Link::StreamWord& w : batch) {
        const int index = WordPacket::mapIndex(w.Slot);
        if (!w.live() || index < 0)
            continue;
        TMessage changed(Msg::WM_PID_CHANGED, store.PidMap(index), 0);
        FT->message(changed);
    }
}

void TrendsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    followProfile();
}

void TrendsPage::followProfile()
{
    setCurves();
}

// The active dashboard's first trend chart that has curves.
const TFordTrend* TrendsPage::dashboardTrend() const
{
    const TGaugeProfile* profile = m_live->profiles().selected();
    if (!profile)
        return nullptr;
    for (QObject* w : profile->Widgets()) {
        const auto* trend = qobject_cast<const TFordTrend*>(w);
        if (trend && trend->Trends()->count() > 0)
            return trend;
    }
    return nullptr;
}

// The curves of the active dashboard's first trend chart, else the defaults; the test
// signal's curve last while it runs, so that it is the axis curve then.
void TrendsPage::setCurves()
{
    TFordTrendItems wanted;
    const TFordTrend* source = dashboardTrend();
    if (source) {
        wanted.assign(*source->Trends());
    } else {
        for (const CurveSpec& c : DefaultCurves) {
            TFordTrendItem* item = wanted.add();
            item->setPID(c.pid);
            item->setColor(c.color);
            item->setCaption(Texts::text(c.caption));
        }
    }
    if (m_testSignal->isActive()) {
        TFordTrendItem* item = wanted.add();
        item->setPID(WindowTestSignal::Pid);
        item->setColor(clYellow);
        item->setCaption(Texts::text(Texts::TrendsTestSignal));
    }
    const auto same = [](const TFordTrendItems& a, const TFordTrendItems& b) {
        if (a.count() != b.count())
            return false;
        for (int i = 0; i < a.count(); ++i)
            if (a.at(i)->PID() != b.at(i)->PID() || a.at(i)->Color() != b.at(i)->Color()
                || a.at(i)->Caption() != b.at(i)->Caption() || a.at(i)->Ratio() != b.at(i)->Ratio()
                || a.at(i)->Visible() != b.at(i)->Visible())
                return false;
        return true;
    };
    if (same(wanted, *FT->Trends()))
        return;
    FT->assignTrends(&wanted);
    // The dashboard trend's axis curve, unless the test signal runs: the axis bounds the
    // window, and one without history would leave the test curve out of it.
    FT->setYAxisIndex(source && !m_testSignal->isActive() ? source->YAxisIndex() : 0);
}

void TrendsPage::toggleTestSignal()
{
    m_testSignal->toggle();
    if (TFordData* store = FT->DataManager())
        for (const uint8_t pid : { 17, 254, 255 })
            store->PidLimits(pid).RecordHistory = true;
    setCurves();
    FT->setUpdateEnd(true);
    m_testSignalAction->setChecked(m_testSignal->isActive());
}

// The whole recorded history of the axis curve in one window.
void TrendsPage::showWholeHistory()
{
    TFordData* store = FT->DataManager();
    const int axis = FT->YAxisIndex();
    if (!store || axis < 0)
        return;
    const uint8_t pid = FT->Trends()->at(axis)->PID();
    const uint32_t first = store->FirstSampleTime(pid), last = store->LastSampleTime(pid);
    FT->navigator().pinAt(last, last - first);
    FT->update();
}

// fvN: the axis curve's value at the right edge of the window shown.
void TrendsPage::showRightEdge()
{
    const int axis = FT->YAxisIndex();
    if (axis < 0)
        return;
    const uint8_t pid = FT->Trends()->at(axis)->PID();
    if (fvN->PID() != pid)
        fvN->setPID(pid);
    // A window longer than the history reaches past its newest sample: that one counts.
    const TFordData* store = FT->DataManager();
    const uint32_t end = store && store->BlockCount(pid) > 0
        ? std::min(FT->DisplayEnd(), store->LastSampleTime(pid))
        : FT->DisplayEnd();
    const std::optional<float> value = FT->valueAt(axis, end);
    if (!value)
        return;
    TMessage shown(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(*value));
    fvN->message(shown);
}
