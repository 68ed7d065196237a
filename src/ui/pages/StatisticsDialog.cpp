// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "StatisticsDialog.h"

#include "common/Texts.h"
#include "store/PidTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 5);
}

} // namespace

StatisticsDialog::StatisticsDialog(
    const PidStatistics& statistics, std::function<QList<uint8_t>()> pids, QWidget* parent)
    : QDialog(parent)
    , m_statistics(statistics)
    , m_pids(std::move(pids))
    , m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("dlgStatistics"));
    setWindowTitle(Texts::text(Texts::StatisticsTitle));
    m_table->setObjectName(QStringLiteral("tbStatistics"));
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({ Texts::text(Texts::StatisticsPid),
        Texts::text(Texts::StatisticsMin), Texts::text(Texts::StatisticsMax),
        Texts::text(Texts::StatisticsMean), Texts::text(Texts::StatisticsUnit) });
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(560, 420);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &StatisticsDialog::refresh);
    m_timer.start();
    refresh();
}

void StatisticsDialog::refresh()
{
    const PidTable& table = PidTable::current();
    const QList<uint8_t> pids = m_pids();
    m_table->setRowCount(int(pids.size()));
    for (int row = 0; row < pids.size(); ++row) {
        const uint8_t pid = pids[row];
        const PidStatistics::Figures& f = m_statistics.figures(pid);
        const QString none = QStringLiteral("—");
        const QStringList cells { table.label(pid), f.Count ? number(f.Min) : none,
            f.Count ? number(f.Max) : none, f.Count ? number(f.mean()) : none, table.unit(pid) };
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (column > 0 && column < 4)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_table->setItem(row, column, item);
            }
            item->setText(cells[column]);
        }
    }
}
