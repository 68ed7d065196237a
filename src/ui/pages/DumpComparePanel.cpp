#include "DumpComparePanel.h"

#include "MapGrid.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"
#include "ui/model/AdaptComparison.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole + 1;
constexpr int TimeRole = Qt::UserRole + 2;

QString dumpTitle(const QString& name, const QDateTime& time)
{
    return time.toString(QStringLiteral("dd.MM.yyyy hh:mm")) + QStringLiteral("  ") + name;
}

} // namespace

DumpComparePanel::DumpComparePanel(std::function<int()> contrast, QWidget* parent)
    : QWidget(parent)
    , m_contrast(std::move(contrast))
{
    setObjectName(QStringLiteral("tabCompare"));
    auto* layout = new QHBoxLayout(this);

    auto* listSide = new QVBoxLayout;
    listSide->addWidget(new QLabel(Texts::text(Texts::MemCompareHint), this));
    lvDumps = new QListWidget(this);
    lvDumps->setObjectName(QStringLiteral("lvDumps"));
    lvDumps->setSelectionMode(QAbstractItemView::MultiSelection);
    lvDumps->setFixedWidth(260);
    listSide->addWidget(lvDumps, 1);
    auto* refresh = new QPushButton(Texts::text(Texts::MemCompareRefresh), this);
    refresh->setObjectName(QStringLiteral("btnDumpsRefresh"));
    listSide->addWidget(refresh);
    layout->addLayout(listSide);

    auto* tables = new QGridLayout;
    lbCompareSummary = new QLabel(this);
    lbCompareSummary->setObjectName(QStringLiteral("lbCompareSummary"));
    tables->addWidget(lbCompareSummary, 0, 0, 1, 2);
    m_columns[0] = makeColumn("Old", this);
    m_columns[1] = makeColumn("New", this);
    for (int i = 0; i < 2; ++i) {
        const Column& c = m_columns[size_t(i)];
        tables->addWidget(c.Caption, 1, i);
        tables->addWidget(MapGrid::withCaptions(c.Map, this), 2, i);
        auto* below = new QHBoxLayout;
        below->addWidget(c.Idle, 0, Qt::AlignTop);
        auto* checksum = new QVBoxLayout;
        checksum->addWidget(new QLabel(Texts::text(Texts::MemChecksum), this));
        checksum->addWidget(c.Checksum);
        checksum->addStretch();
        below->addLayout(checksum);
        below->addStretch();
        tables->addLayout(below, 3, i);
    }
    tables->setRowStretch(4, 1);
    tables->setColumnStretch(2, 1);
    layout->addLayout(tables, 1);

    connect(lvDumps, &QListWidget::itemSelectionChanged, this, &DumpComparePanel::compare);
    connect(refresh, &QPushButton::clicked, this, &DumpComparePanel::listDumps);
    clearColumns();
}

DumpComparePanel::Column DumpComparePanel::makeColumn(const char* suffix, QWidget* parent)
{
    const QByteArray map = QByteArray("sgCompare") + suffix;
    const QByteArray idle = QByteArray("sgCompareIdle") + suffix;
    Column c {};
    c.Caption = new QLabel(parent);
    c.Caption->setObjectName(QLatin1String(QByteArray("lbCompare") + suffix));
    c.Map = MapGrid::makeMap(MapGrid::Colouring::Given, m_contrast, map.constData(), parent);
    c.Idle = MapGrid::makeIdle(MapGrid::Colouring::Given, m_contrast, idle.constData(), parent);
    c.Checksum = new GlowLabel(parent);
    c.Checksum->setObjectName(QLatin1String(QByteArray("lbCompareChecksum") + suffix));
    c.Checksum->setToolTip(Texts::text(Texts::HintAdaptChecksum));
    c.Checksum->setGlowColours(MemoryView::checksumGlow(true), MemoryView::checksumGlow(false));
    QFont bold = c.Checksum->font();
    bold.setBold(true);
    c.Checksum->setFont(bold);
    return c;
}

void DumpComparePanel::showDumps(const QString& folder, uint16_t address, uint16_t checksumAddress)
{
    m_folder = folder;
    m_address = address;
    m_checksumAddress = checksumAddress;
    listDumps();
}

void DumpComparePanel::listDumps()
{
    QStringList chosen;
    for (const QListWidgetItem* item : lvDumps->selectedItems())
        chosen.append(item->data(PathRole).toString());
    {
        const QSignalBlocker quiet(lvDumps);
        lvDumps->clear();
        for (const AdaptComparison::Dump& dump : AdaptComparison::listDumps(m_folder)) {
            auto* item = new QListWidgetItem(dumpTitle(dump.Name, dump.Time), lvDumps);
            item->setData(PathRole, dump.Path);
            item->setData(TimeRole, dump.Time);
            item->setSelected(chosen.contains(dump.Path));
        }
    }
    compare();
}

void DumpComparePanel::clearColumns()
{
    for (Column& c : m_columns) {
        c.Caption->clear();
        c.Map->clearContents();
        c.Idle->clearContents();
        c.Checksum->setStatus({ QStringLiteral("????"), Glow::None });
    }
}

void DumpComparePanel::compare()
{
    QList<QListWidgetItem*> chosen = lvDumps->selectedItems();
    if (chosen.size() != 2) {
        clearColumns();
        lbCompareSummary->setText(Texts::text(Texts::MemCompareChooseTwo));
        return;
    }
    // The older visit on the left.
    std::sort(chosen.begin(), chosen.end(), [](const QListWidgetItem* a, const QListWidgetItem* b) {
        return a->data(TimeRole).toDateTime() < b->data(TimeRole).toDateTime();
    });
    const AdaptComparison comparison(
        AdaptComparison::readDump(chosen[0]->data(PathRole).toString()),
        AdaptComparison::readDump(chosen[1]->data(PathRole).toString()), m_address,
        m_checksumAddress);
    const int contrast = m_contrast();
    for (int i = 0; i < 2; ++i) {
        const Column& c = m_columns[size_t(i)];
        const AdaptComparison::Side& side = i == 0 ? comparison.older() : comparison.newer();
        c.Caption->setText(chosen[i]->text());
        MapGrid::writeMap(c.Map, side.Tables.Cells);
        for (int r = 0; r < MemoryView::Rows; ++r)
            for (int col = 0; col < MemoryView::Columns; ++col) {
                const int delta = comparison.delta(r, col);
                MapGrid::setCell(c.Map, r + 1, col + 1, side.Tables.Cells[r][col],
                    AdaptComparison::deltaColour(delta, contrast));
                if (delta != 0)
                    c.Map->item(r + 1, col + 1)->setToolTip(AdaptComparison::deltaText(delta));
            }
        for (int m = 0; m < MemoryView::IdleRows; ++m) {
            const int delta = comparison.idleDelta(m);
            MapGrid::setCell(
                c.Idle, m, 0, side.Tables.Idle[m], AdaptComparison::deltaColour(delta, contrast));
            if (delta != 0)
                c.Idle->item(m, 0)->setToolTip(AdaptComparison::deltaText(delta));
        }
        c.Checksum->setStatus(side.Covered
                ? StatusText { side.Tables.Checksum,
                    side.Tables.ChecksumMatches ? Glow::Green : Glow::Red }
                : StatusText { Texts::text(Texts::MemCompareShortFile), Glow::None });
    }
    lbCompareSummary->setText(
        Texts::text(Texts::MemCompareSummary)
            .arg(comparison.changed())
            .arg(MemoryView::Rows * MemoryView::Columns + MemoryView::IdleRows));
}
