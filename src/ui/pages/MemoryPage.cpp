// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "MemoryPage.h"

#include "DumpComparePanel.h"
#include "MapGrid.h"
#include "common/ProgramDir.h"
#include "common/SystemError.h"
#include "common/Texts.h"
#include "link/LinkSession.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"
#include "ui/dock/LogPanel.h"
#include "vehicles/VehicleListModel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace {

// 200 pixels wide where the page has room; narrower rather than pushing an action out.
class DumpProgressBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;
    QSize sizeHint() const override { return { 200, QProgressBar::sizeHint().height() }; }
};

} // namespace

MemoryPage::MemoryPage(ReaderContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabDump"));
    m_contrast = [] { return MemoryView::DefaultContrast; };
    const auto contrastNow = [this] { return contrast(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The action bar: plain tool buttons in a row, since a tool bar's overflow menu would
    // hide actions on a page narrowed by the docks; the progress bar gives way first.
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("tbDump"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    const auto action = [this, bar, row](const char* name, const char* text, const char* hint) {
        auto* a = new QAction(Texts::text(text), this);
        a->setObjectName(QLatin1String(name));
        if (hint)
            a->setToolTip(Texts::text(hint));
        auto* button = new QToolButton(bar);
        button->setDefaultAction(a);
        button->setAutoRaise(true);
        row->addWidget(button);
        return a;
    };
    QAction* full = action("acDumpFull", Texts::ActDumpFull, Texts::HintDumpFull);
    QAction* ram = action("acDumpRAM", Texts::ActDumpRam, Texts::HintDumpRam);
    QAction* readDump = action("acReadDump", Texts::ActReadDump, nullptr);
    row->addStretch(1);
    QAction* stop = action("acDumpStop", Texts::ActDumpStop, Texts::HintDumpStop);
    pbDump = new DumpProgressBar(bar);
    pbDump->setObjectName(QStringLiteral("pbDump"));
    pbDump->setMinimumWidth(100);
    pbDump->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    pbDump->setFormat(QStringLiteral("%p%"));
    QFont bold = pbDump->font();
    bold.setBold(true);
    pbDump->setFont(bold);
    pbDump->setValue(0);
    row->addWidget(pbDump);
    layout->addWidget(bar);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabMem"));
    layout->addWidget(tabs);

    // The adaptive tables.
    auto* adapt = new QWidget(tabs);
    auto* adaptLayout = new QGridLayout(adapt);
    sgAdapt = MapGrid::makeMap(MapGrid::Colouring::Factors, contrastNow, "sgAdapt", adapt);
    adaptLayout->addWidget(MapGrid::withCaptions(sgAdapt, adapt), 0, 0, 1, 3);
    adaptLayout->addWidget(new QLabel(Texts::text(Texts::MemIdle), adapt), 1, 0, 1, 3);
    sgAdaptIdle = MapGrid::makeIdle(MapGrid::Colouring::Factors, contrastNow, "sgAdaptIdle", adapt);
    adaptLayout->addWidget(sgAdaptIdle, 2, 0, Qt::AlignTop);
    // One caption level with each idle value, the grid's frame above the first.
    auto* idleCaptions = new QVBoxLayout;
    idleCaptions->setSpacing(0);
    idleCaptions->setContentsMargins(0, sgAdaptIdle->frameWidth(), 0, 0);
    const std::array<const char*, MemoryView::IdleRows> idleNames { Texts::MemIdleDrive,
        Texts::MemIdleDriveAc, Texts::MemIdleNeutral, Texts::MemIdleNeutralAc,
        Texts::MemIdleUnknown4, Texts::MemIdleUnknown5 };
    for (int m = 0; m < MemoryView::IdleRows; ++m) {
        auto* label = new QLabel(Texts::text(idleNames[size_t(m)]), adapt);
        label->setObjectName(QStringLiteral("laIdle%1").arg(m));
        label->setFixedHeight(sgAdaptIdle->rowHeight(m));
        idleCaptions->addWidget(label);
    }
    idleCaptions->addStretch();
    adaptLayout->addLayout(idleCaptions, 2, 1);
    auto* checksum = new QHBoxLayout;
    checksum->addWidget(new QLabel(Texts::text(Texts::MemChecksum), adapt));
    lbAdaptChecksum = new GlowLabel(adapt);
    lbAdaptChecksum->setObjectName(QStringLiteral("lbAdaptChecksum"));
    lbAdaptChecksum->setToolTip(Texts::text(Texts::HintAdaptChecksum));
    QFont checksumFont = lbAdaptChecksum->font();
    checksumFont.setBold(true);
    lbAdaptChecksum->setFont(checksumFont);
    lbAdaptChecksum->setStatus({ QStringLiteral("????"), Glow::None });
    lbAdaptChecksum->setGlowColours(
        MemoryView::checksumGlow(true), MemoryView::checksumGlow(false));
    checksum->addWidget(lbAdaptChecksum);
    checksum->addStretch();
    adaptLayout->addLayout(checksum, 3, 0, 1, 3);
    auto* btnReadAdapt = new QPushButton(Texts::text(Texts::MemReadAdapt), adapt);
    btnReadAdapt->setObjectName(QStringLiteral("btnReadAdapt"));
    adaptLayout->addWidget(btnReadAdapt, 4, 0, 1, 3, Qt::AlignLeft);
    adaptLayout->setColumnStretch(2, 1);
    adaptLayout->setRowStretch(5, 1);
    tabs->addTab(adapt, Texts::text(Texts::MemTabAdapt));

    // The test tab: a byte map at a typed address.
    auto* injection = new QWidget(tabs);
    auto* injectionLayout = new QVBoxLayout(injection);
    injectionLayout->addWidget(new QLabel(Texts::text(Texts::MemTestTab), injection));
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(new QLabel(Texts::text(Texts::MemBaseAddress), injection));
    edAddr = new QLineEdit(QStringLiteral("C112"), injection);
    edAddr->setObjectName(QStringLiteral("edAddr"));
    edAddr->setMaxLength(4);
    edAddr->setAlignment(Qt::AlignRight);
    edAddr->setFixedWidth(60);
    addressRow->addWidget(edAddr);
    addressRow->addWidget(new QLabel(Texts::text(Texts::MemKnownAddresses), injection));
    addressRow->addStretch();
    injectionLayout->addLayout(addressRow);
    sgInjection
        = MapGrid::makeMap(MapGrid::Colouring::Bytes, contrastNow, "sgInjection", injection);
    injectionLayout->addWidget(MapGrid::withCaptions(sgInjection, injection));
    injectionLayout->addStretch();
    tabs->addTab(injection, Texts::text(Texts::MemTabInjection));

    // Two maps not decoded yet: their tabs stay hidden until they show something.
    for (const char* caption : { Texts::MemTabIgnition, Texts::MemTabEnrichment }) {
        auto* label = new QLabel(Texts::text(Texts::MemInProgress), tabs);
        label->setAlignment(Qt::AlignCenter);
        tabs->setTabVisible(tabs->addTab(label, Texts::text(caption)), false);
    }
    // The adaptive tables of two visits side by side.
    m_compare = new DumpComparePanel(contrastNow, tabs);
    tabs->addTab(m_compare, Texts::text(Texts::MemTabCompare));
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int index) {
        if (tabs->widget(index) == m_compare) {
            const Addresses at = adaptiveAddresses();
            m_compare->showDumps(dumpFolder(), at.Adaptive, at.Checksum);
        }
    });

    connect(full, &QAction::triggered, this,
        [this] { dumpToFile(MemoryView::FullLastBlock, QStringLiteral("DumpRAMROM")); });
    connect(ram, &QAction::triggered, this,
        [this] { dumpToFile(MemoryView::RamLastBlock, QStringLiteral("FullRAM")); });
    connect(readDump, &QAction::triggered, this, &MemoryPage::readDumpFile);
    connect(stop, &QAction::triggered, this, &MemoryPage::stopReading);
    connect(btnReadAdapt, &QPushButton::clicked, this, &MemoryPage::readAdaptive);
    connect(edAddr, &QLineEdit::textChanged, this, &MemoryPage::DecodeInjectionMap);
    for (QObject* control : { static_cast<QObject*>(bar), static_cast<QObject*>(btnReadAdapt) })
        m_context.Link->guard(control);
    LinkSession& session = m_context.Link->session();
    connect(&session, &LinkSession::memoryProgress, this, [this](int address) {
        pbDump->setValue(std::clamp(address, pbDump->minimum(), pbDump->maximum()));
    });
    connect(&session, &LinkSession::memoryDone, this, &MemoryPage::memoryReadDone);
}

MemoryPage::Addresses MemoryPage::adaptiveAddresses() const
{
    const int row = m_context.currentVehicle();
    const int profile = m_context.Vehicles && row >= 0 && row < m_context.Vehicles->rowCount()
        ? m_context.Vehicles->entry(row).Record.CarProfile
        : -1;
    const auto addresses = m_context.Cars.addresses(profile);
    return { addresses.AddrAdaptive, addresses.AddrAdaptiveChecksum, addresses.problem };
}

QString MemoryPage::dumpFolder() const
{
    const QString vehicle
        = m_context.CurrentAuto ? m_context.CurrentAuto->currentText() : QString();
    return MemoryView::dumpFolder(documentsDir(), vehicle);
}

int MemoryPage::contrast() const
{
    return m_contrast();
}

MemoryView::ImageReader MemoryPage::image() const
{
    const LinkSession& link = m_context.Link->session();
    return [&link](uint16_t address) { return link.memImage(address); };
}

bool MemoryPage::adaptiveAreaRead() const
{
    const Addresses at = adaptiveAddresses();
    if (!at.Problem.isEmpty())
        return false;
    const LinkSession& link = m_context.Link->session();
    return MemoryView::adaptiveAreaRead(
        [&link](uint16_t address) { return link.memMarks(address); }, at.Adaptive, at.Checksum);
}

void MemoryPage::log(const QString& text)
{
    emit logLine(text);
}

void MemoryPage::dumpToFile(int lastBlock, const QString& kind)
{
    QString folder = dumpFolder();
    if (!QDir().mkpath(folder))
        folder.clear();
    FileRequest request;
    request.Save = true;
    request.Title = Texts::text(Texts::MemSaveTitle);
    request.Folder = folder;
    request.Name = MemoryView::dumpFileName(kind, QDateTime::currentDateTime());
    request.Filter = Texts::text(Texts::MemFilter);
    request.Suffix = QStringLiteral("bin");
    const QString file = m_context.Ask->chooseFile(window(), request);
    if (file.isEmpty())
        return;
    pbDump->setRange(0, lastBlock * MemoryView::BlockBytes);
    pbDump->setValue(0);
    m_context.Link->send(LinkCommands::DumpToFile { 0, uint16_t(lastBlock), file });
}

void MemoryPage::readDumpFile()
{
    const QString folder = dumpFolder();
    FileRequest request;
    request.Title = Texts::text(Texts::MemOpenTitle);
    request.Folder = QDir(folder).exists() ? folder : QString();
    request.Filter = Texts::text(Texts::MemFilter);
    request.Suffix = QStringLiteral("bin");
    const QString file = m_context.Ask->chooseFile(window(), request);
    if (!file.isEmpty())
        loadDumpFile(file);
}

bool MemoryPage::loadDumpFile(const QString& file)
{
    QFile in(file);
    // One byte past the image tells a longer file from one of the image's size.
    const QByteArray bytes
        = in.open(QIODevice::ReadOnly) ? in.read(MemoryView::ImageBytes + 1) : QByteArray();
    if (in.error() != QFileDevice::NoError) {
        m_context.ShowError(Texts::text(Texts::MemReadError).arg(file, fileErrorText(in)));
        return false;
    }
    const qint64 size = std::max<qint64>(in.size(), bytes.size());
    if (!m_context.Link->session().loadMemImage(bytes.left(MemoryView::ImageBytes))) {
        log(Texts::text(Texts::LogMemLoadBusy));
        return false;
    }
    log(Texts::text(Texts::LogMemDumpLoaded).arg(file));
    if (const QString note = MemoryView::loadNote(file, size); !note.isEmpty())
        log(note);
    DecodeAdaptTables();
    DecodeInjectionMap();
    return true;
}

void MemoryPage::stopReading()
{
    // The running read ends at its next check and names the bytes that did not come.
    m_context.Link->session().cancelMemoryReads();
}

void MemoryPage::readAdaptive()
{
    const uint16_t a = adaptiveAddresses().Adaptive;
    pbDump->setRange(a, MemoryView::adaptiveRangeEnd(a));
    pbDump->setValue(a);
    const MemoryView::BlockRange range = MemoryView::adaptiveRange(a);
    m_context.Link->send(
        LinkCommands::DumpRange { range.First, range.Last, MemoryView::AdaptiveTag });
}

void MemoryPage::memoryReadDone(quint16 tag)
{
    // The read of the adaptive area shows its tables, and so does a dump that brought all
    // of them for the vehicle's car profile.
    if (tag == MemoryView::AdaptiveTag || adaptiveAreaRead())
        DecodeAdaptTables();
}

void MemoryPage::DecodeAdaptTables()
{
    const Addresses at = adaptiveAddresses();
    if (!at.Problem.isEmpty())
        log(Texts::text(Texts::LogMemNoCarProfile).arg(at.Problem));
    const MemoryView::AdaptTables tables
        = MemoryView::decodeAdaptTables(image(), at.Adaptive, at.Checksum);
    MapGrid::writeMap(sgAdapt, tables.Cells);
    MapGrid::writeIdle(sgAdaptIdle, tables.Idle);
    lbAdaptChecksum->setStatus(
        { tables.Checksum, tables.ChecksumMatches ? Glow::Green : Glow::Red });
}

void MemoryPage::DecodeInjectionMap()
{
    MapGrid::writeMap(
        sgInjection, MemoryView::decodeByteMap(image(), MemoryView::baseAddress(edAddr->text())));
}
