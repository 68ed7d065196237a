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
#include "widgets/TFordPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
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

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    pnBlack = new TFordPanel;
    pnBlack->setObjectName(QStringLiteral("pnBlack"));
    scroll->setWidget(pnBlack);
    layout->addWidget(scroll);

    connect(start, &QAction::triggered, this, &LiveDataPage::startData);
    connect(stop, &QAction::triggered, this, [this] { m_context.Link->post(Link::cmdStopData); });
    connect(cbProfile, &QComboBox::activated, this, &LiveDataPage::selectProfile);
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
    return count;
}

void LiveDataPage::selectProfile(int index)
{
    const QStringList errors = collectErrors([&] { m_profiles.select(index); });
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
    m_context.Link->post(Link::cmdStartData);
}

void LiveDataPage::showWord(uint8_t slot, uint16_t word)
{
    const int position = slot & 0x0F, frame = slot >> 4;
    if (position < 2 || position > 5)
        return;
    TFordData& store = m_context.Link->link().DataManager();
    const uint8_t pid = store.PidMap(frame * 4 + position - 2);
    const float value = TFordData::ConvertValue(pid, word);
    QCoreApplication::postEvent(
        pnBlack, new TMessage(Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(value)));
}
