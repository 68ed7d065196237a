#include "MemoryPage.h"

#include "common/ProgramDir.h"
#include "common/Texts.h"
#include "link/TCommThread.h"
#include "ui/GlowLabel.h"
#include "ui/LinkController.h"
#include "ui/ReaderContext.h"
#include "ui/dock/LogPanel.h"
#include "vehicles/VehicleListModel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int ColourFlag = Qt::UserRole + 1; // 0: correction factors, 1: bytes
constexpr int CellWidth = 64;
constexpr int CellHeight = 24;

// Heading cells in the button face; factors tinted green below 1 and red above; bytes red
// by their size. Text is black and centred.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(int flag, std::function<int()> contrast, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_flag(flag)
        , m_contrast(std::move(contrast))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        const QString text = index.data().toString();
        const bool heading = index.data(ColourFlag).toBool();
        std::optional<QColor> fill;
        if (heading && !text.isEmpty())
            fill = option.palette.color(QPalette::Button);
        else if (m_flag == 0)
            fill = MemoryView::factorColour(text, m_contrast());
        else
            fill = MemoryView::byteColour(text);
        painter->fillRect(option.rect, fill.value_or(option.palette.color(QPalette::Base)));
        painter->setPen(Qt::black);
        painter->drawText(option.rect, Qt::AlignCenter, text);
    }

private:
    int m_flag;
    std::function<int()> m_contrast;
};

QTableWidget* makeGrid(int columns, int rows, int flag, std::function<int()> contrast,
    const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(CellWidth);
    grid->verticalHeader()->setDefaultSectionSize(CellHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new CellDelegate(flag, std::move(contrast), grid));
    grid->setFixedSize(
        columns * CellWidth + 2 * grid->frameWidth(), rows * CellHeight + 2 * grid->frameWidth());
    return grid;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text, bool heading = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setData(ColourFlag, heading);
    grid->setItem(row, column, item);
}

// The engine speeds over the columns and the loads beside the rows.
void writeHeadings(QTableWidget* grid)
{
    setCell(grid, 0, 0, QString(), true);
    for (int c = 0; c < MemoryView::Columns; ++c)
        setCell(grid, 0, c + 1, QString::number(MemoryView::rpmHeadings()[c]), true);
    for (int r = 0; r < MemoryView::Rows; ++r)
        setCell(grid, r + 1, 0, MemoryView::loadHeading(r), true);
}

template <typename Cells> void writeCells(QTableWidget* grid, const Cells& cells)
{
    writeHeadings(grid);
    for (int r = 0; r < MemoryView::Rows; ++r)
        for (int c = 0; c < MemoryView::Columns; ++c)
            setCell(grid, r + 1, c + 1, cells[r][c]);
}

// A map laid out like the adaptive table: the two axis captions over the grid.
QWidget* mapWithCaptions(QTableWidget* grid, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(Texts::text(Texts::MemLoadCaption), box), 0, 0);
    auto* rpm = new QLabel(Texts::text(Texts::MemRpmCaption), box);
    rpm->setAlignment(Qt::AlignCenter);
    layout->addWidget(rpm, 0, 1);
    layout->addWidget(grid, 1, 0, 1, 2);
    layout->setColumnStretch(2, 1);
    // The page's spare height goes below the map, not between its caption and grid.
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

} // namespace

MemoryPage::MemoryPage(ReaderContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabDump"));
    m_chooseSaveFile = [this](const QString& folder, const QString& name) {
        QFileDialog dialog(
            window(), Texts::text(Texts::MemSaveTitle), folder, Texts::text(Texts::MemFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("bin"));
        dialog.selectFile(name);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
            ? dialog.selectedFiles().first()
            : QString();
    };
    m_contrast = [this] {
        const auto* spin = window()->findChild<QSpinBox*>(QStringLiteral("speContrast"));
        return spin ? spin->value() : 500;
    };
    const auto contrastNow = [this] { return contrast(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbDump"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto action = [bar](const char* name, const char* text, const char* hint) {
        QAction* a = bar->addAction(Texts::text(text));
        a->setObjectName(QLatin1String(name));
        if (hint)
            a->setToolTip(Texts::text(hint));
        return a;
    };
    QAction* full = action("acDumpFull", Texts::ActDumpFull, Texts::HintDumpFull);
    QAction* ram = action("acDumpRAM", Texts::ActDumpRam, Texts::HintDumpRam);
    QAction* readDump = action("acReadDump", Texts::ActReadDump, nullptr);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    QAction* stop = action("acDumpStop", Texts::ActDumpStop, nullptr);
    pbDump = new QProgressBar(bar);
    pbDump->setObjectName(QStringLiteral("pbDump"));
    pbDump->setFixedWidth(200);
    pbDump->setFormat(QStringLiteral("%p%"));
    QFont bold = pbDump->font();
    bold.setBold(true);
    pbDump->setFont(bold);
    pbDump->setValue(0);
    bar->addWidget(pbDump);
    layout->addWidget(bar);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabMem"));
    layout->addWidget(tabs);

    // The adaptive tables.
    auto* adapt = new QWidget(tabs);
    auto* adaptLayout = new QGridLayout(adapt);
    sgAdapt = makeGrid(11, 9, 0, contrastNow, "sgAdapt", adapt);
    adaptLayout->addWidget(mapWithCaptions(sgAdapt, adapt), 0, 0, 1, 3);
    adaptLayout->addWidget(new QLabel(Texts::text(Texts::MemIdle), adapt), 1, 0, 1, 3);
    sgAdaptIdle = makeGrid(1, MemoryView::IdleRows, 0, contrastNow, "sgAdaptIdle", adapt);
    adaptLayout->addWidget(sgAdaptIdle, 2, 0, Qt::AlignTop);
    auto* idleCaptions = new QVBoxLayout;
    idleCaptions->setSpacing(0);
    for (const char* caption : { Texts::MemIdleDrive, Texts::MemIdleDriveAc, Texts::MemIdleNeutral,
             Texts::MemIdleNeutralAc }) {
        auto* label = new QLabel(Texts::text(caption), adapt);
        label->setFixedHeight(CellHeight);
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
    checksum->addWidget(lbAdaptChecksum);
    checksum->addStretch();
    adaptLayout->addLayout(checksum, 3, 0, 1, 3);
    auto* btnReadAdapt = new QPushButton(Texts::text(Texts::MemReadAdapt), adapt);
    btnReadAdapt->setObjectName(QStringLiteral("btnReadAdapt"));
    adaptLayout->addWidget(btnReadAdapt, 4, 0, Qt::AlignLeft);
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
    sgInjection = makeGrid(11, 9, 1, contrastNow, "sgInjection", injection);
    injectionLayout->addWidget(mapWithCaptions(sgInjection, injection));
    injectionLayout->addStretch();
    tabs->addTab(injection, Texts::text(Texts::MemTabInjection));

    for (const char* caption : { Texts::MemTabIgnition, Texts::MemTabEnrichment }) {
        auto* label = new QLabel(Texts::text(Texts::MemInProgress), tabs);
        label->setAlignment(Qt::AlignCenter);
        tabs->addTab(label, Texts::text(caption));
    }

    connect(full, &QAction::triggered, this,
        [this] { dumpToFile(MemoryView::FullLastBlock, QStringLiteral("DumpRAMROM.bin")); });
    connect(ram, &QAction::triggered, this,
        [this] { dumpToFile(MemoryView::RamLastBlock, QStringLiteral("FullRAM.bin")); });
    // Loading a file into the image needs a way to write the link's image; not yet here.
    readDump->setEnabled(false);
    connect(stop, &QAction::triggered, this, &MemoryPage::stopReading);
    connect(btnReadAdapt, &QPushButton::clicked, this, &MemoryPage::readAdaptive);
    connect(edAddr, &QLineEdit::textChanged, this, &MemoryPage::DecodeInjectionMap);
    // The window creates the link after its pages.
    QTimer::singleShot(0, this, [this] {
        if (m_context.Link)
            connect(m_context.Link, &LinkController::linkEvent, this, &MemoryPage::onLinkEvent);
    });
}

int MemoryPage::currentCarProfile() const
{
    const int row = m_context.currentVehicle();
    if (!m_context.Vehicles || row < 0 || row >= m_context.Vehicles->rowCount())
        return -1;
    return m_context.Vehicles->entry(row).Record.CarProfile;
}

int MemoryPage::contrast() const
{
    return m_contrast();
}

MemoryView::ImageReader MemoryPage::image() const
{
    const TCommThread& link = m_context.Link->link();
    return [&link](uint16_t address) { return link.MemImage(address); };
}

void MemoryPage::log(const QString& text) const
{
    if (auto* panel = window()->findChild<LogPanel*>())
        panel->AddToLog(text);
}

void MemoryPage::dumpToFile(int lastBlock, const QString& proposedName)
{
    const QString vehicle
        = m_context.CurrentAuto ? m_context.CurrentAuto->currentText() : QString();
    QString folder = MemoryView::dumpFolder(programDir(), vehicle);
    if (!QDir().mkpath(folder))
        folder.clear();
    const QString file = m_chooseSaveFile(folder, proposedName);
    if (file.isEmpty())
        return;
    m_context.Link->link().setDumpFile(file);
    pbDump->setRange(0, lastBlock * MemoryView::BlockBytes);
    pbDump->setValue(0);
    m_context.Link->post(Link::cmdDumpToFile, MemoryView::dumpArgument(lastBlock));
}

void MemoryPage::stopReading()
{
    // The link's wait loop ends at its next check; cmdDisconnect then clears the flag.
    m_context.Link->link().setCancelConnect(true);
    m_context.Link->post(Link::cmdDisconnect);
}

void MemoryPage::readAdaptive()
{
    const auto addresses = m_context.Cars.addresses(currentCarProfile());
    const uint16_t a = addresses.AddrAdaptive;
    pbDump->setRange(a, MemoryView::adaptiveRangeEnd(a));
    pbDump->setValue(a);
    // The request tag rides in the high half of the command word.
    m_context.Link->link().post(Link::cmdDumpRange | (uint32_t(MemoryView::AdaptiveTag) << 16),
        MemoryView::adaptiveRangeArgument(a));
}

void MemoryPage::onLinkEvent(const LinkReport& report)
{
    switch (report.Type) {
    case LinkReport::DumpProgress:
        pbDump->setValue(std::clamp(report.Argument, pbDump->minimum(), pbDump->maximum()));
        break;
    case LinkReport::DumpDone:
        // A finished read, of the adaptive area or of a whole dump, shows its tables.
        pbDump->setValue(pbDump->maximum());
        DecodeAdaptTables();
        DecodeInjectionMap();
        break;
    default:
        break;
    }
}

void MemoryPage::DecodeAdaptTables()
{
    const auto addresses = m_context.Cars.addresses(currentCarProfile());
    if (!addresses.problem.isEmpty())
        log(Texts::text(Texts::LogMemNoCarProfile).arg(addresses.problem));
    const MemoryView::AdaptTables tables = MemoryView::decodeAdaptTables(
        image(), addresses.AddrAdaptive, addresses.AddrAdaptiveChecksum);
    writeCells(sgAdapt, tables.Cells);
    for (int m = 0; m < MemoryView::IdleRows; ++m)
        setCell(sgAdaptIdle, m, 0, tables.Idle[m]);
    lbAdaptChecksum->setStatus(
        { tables.Checksum, tables.ChecksumMatches ? Glow::Green : Glow::Red });
}

void MemoryPage::DecodeInjectionMap()
{
    writeCells(
        sgInjection, MemoryView::decodeByteMap(image(), MemoryView::baseAddress(edAddr->text())));
}
