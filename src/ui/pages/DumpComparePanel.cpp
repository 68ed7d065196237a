// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
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
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole + 1;
constexpr int TimeRole = Qt::UserRole + 2;
// Room for five dumps; more scroll.
constexpr int ListHeight = 96;

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
    auto* layout = new QVBoxLayout(this);

    // The dumps on top, so that both maps get the page's width.
    auto* listRow = new QHBoxLayout;
    lvDumps = new QListWidget(this);
    lvDumps->setObjectName(QStringLiteral("lvDumps"));
    lvDumps->setSelectionMode(QAbstractItemView::MultiSelection);
    lvDumps->setFixedHeight(ListHeight);
    auto* listSide = new QVBoxLayout;
    listSide->addWidget(new QLabel(Texts::text(Texts::MemCompareHint), this));
    listSide->addWidget(lvDumps);
    listRow->addLayout(listSide, 1);
    auto* refresh = new QPushButton(Texts::text(Texts::MemCompareRefresh), this);
    refresh->setObjectName(QStringLiteral("btnDumpsRefresh"));
    listRow->addWidget(refresh, 0, Qt::AlignBottom);
    layout->addLayout(listRow);
    lbCompareSummary = new QLabel(this);
    lbCompareSummary->setObjectName(QStringLiteral("lbCompareSummary"));
    lbCompareSummary->setWordWrap(true);
    layout->addWidget(lbCompareSummary);

    // Side by side where the page is wide enough, else one above the other; a small
    // window scrolls rather than squeezing the maps.
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* sides = new QWidget(m_scroll);
    m_sides = new QBoxLayout(QBoxLayout::TopToBottom, sides);
    m_sides->setContentsMargins(0, 0, 0, 0);
    m_columns[0] = makeColumn("Old", sides);
    m_columns[1] = makeColumn("New", sides);
    m_sides->addStretch();
    m_scroll->setWidget(sides);
    layout->addWidget(m_scroll, 1);

    connect(lvDumps, &QListWidget::itemSelectionChanged, this, &DumpComparePanel::compare);
    connect(refresh, &QPushButton::clicked, this, &DumpComparePanel::listDumps);
    clearColumns();
}

DumpComparePanel::Column DumpComparePanel::makeColumn(const char* suffix, QWidget* parent)
{
    const QByteArray map = QByteArray("sgCompare") + suffix;
    const QByteArray idle = QByteArray("sgCompareIdle") + suffix;
    Column c {};
    auto* side = new QWidget(parent);
    auto* layout = new QGridLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QHBoxLayout;
    c.Caption = new QLabel(side);
    c.Caption->setObjectName(QLatin1String(QByteArray("lbCompare") + suffix));
    heading->addWidget(c.Caption);
    heading->addSpacing(16);
    heading->addWidget(new QLabel(Texts::text(Texts::MemChecksum), side));
    c.Checksum = new GlowLabel(side);
    c.Checksum->setObjectName(QLatin1String(QByteArray("lbCompareChecksum") + suffix));
    c.Checksum->setToolTip(Texts::text(Texts::HintAdaptChecksum));
    c.Checksum->setGlowColours(MemoryView::checksumGlow(true), MemoryView::checksumGlow(false));
    heading->addWidget(c.Checksum);
    heading->addStretch();
    layout->addLayout(heading, 0, 0, 1, 2);
    c.Map = MapGrid::makeMap(
        MapGrid::Colouring::Given, m_contrast, map.constData(), side, MapGrid::CellSize::Compact);
    layout->addWidget(MapGrid::withCaptions(c.Map, side), 1, 0);
    c.Idle = MapGrid::makeIdle(
        MapGrid::Colouring::Given, m_contrast, idle.constData(), side, MapGrid::CellSize::Compact);
    // The idle values beside the map's rows, below its axis caption.
    layout->addWidget(c.Idle, 1, 1, Qt::AlignBottom);
    // Spare room goes right of and below the map, never between its parts.
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
    m_sides->addWidget(side);
    return c;
}

void DumpComparePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int sideWidth = m_sides->itemAt(0)->widget()->sizeHint().width();
    // The panel's own width: the scroll area has not been laid out anew yet.
    const bool wide = width() >= 2 * sideWidth + 4 * m_sides->spacing();
    m_sides->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
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
